lektavo_test(tst_SettingsRecord ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsRecord.cpp)
lektavo_test(tst_TextEncoding ${CMAKE_CURRENT_LIST_DIR}/tst_TextEncoding.cpp)
lektavo_test(tst_SettingsControls ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsControls.cpp)
lektavo_test(tst_WindowPlacement ${CMAKE_CURRENT_LIST_DIR}/tst_WindowPlacement.cpp)
lektavo_test(tst_SettingsStore ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsStore.cpp)

# The codec's fuzz target, built from the settings sources; the test runs it for a few seconds,
# bench/fuzz-settings longer.
if(LEKTAVO_FUZZER_WORKS)
  file(GLOB fuzz_settings_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/settings/*.cpp)
  file(GLOB fuzz_settings_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/settings/*.h
    ${CMAKE_SOURCE_DIR}/src/platform/ColorRef.h ${CMAKE_CURRENT_LIST_DIR}/RecordingControls.h)
  lektavo_fuzzer(fuzz_settings VARIABLE LEKTAVO_FUZZ_SETTINGS
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_settings.cpp ${fuzz_settings_sources}
    DEPENDS ${fuzz_settings_headers} INCLUDES ${CMAKE_CURRENT_LIST_DIR})
  add_test(NAME fuzz_settings
    COMMAND ${LEKTAVO_FUZZ_SETTINGS} -max_total_time=5 -max_len=9000 -seed=1 -rss_limit_mb=1024
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set_tests_properties(fuzz_settings PROPERTIES TIMEOUT 60)
endif()
