lektavo_test(tst_SettingsRecord ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsRecord.cpp)
lektavo_test(tst_TextEncoding ${CMAKE_CURRENT_LIST_DIR}/tst_TextEncoding.cpp)
lektavo_test(tst_SettingsControls ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsControls.cpp)
lektavo_test(tst_WindowPlacement ${CMAKE_CURRENT_LIST_DIR}/tst_WindowPlacement.cpp)
lektavo_test(tst_SettingsStore ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsStore.cpp)

# The codec's fuzz target: any bytes as "Data.dat", as a patch over the first-run record or as text.
file(GLOB fuzz_settings_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/settings/*.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/Guarded.cpp)
file(GLOB fuzz_settings_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/settings/*.h
  ${CMAKE_SOURCE_DIR}/src/platform/ColorRef.h ${CMAKE_SOURCE_DIR}/src/platform/Guarded.h
  ${CMAKE_CURRENT_LIST_DIR}/RecordingControls.h
  ${CMAKE_SOURCE_DIR}/tests/testsupport/FuzzCheck.h)
lektavo_fuzz(fuzz_settings MAX_LEN 9000
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_settings.cpp ${fuzz_settings_sources}
  DEPENDS ${fuzz_settings_headers})
