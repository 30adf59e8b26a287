lektavo_test(tst_SettingsRecord ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsRecord.cpp)
lektavo_test(tst_TextEncoding ${CMAKE_CURRENT_LIST_DIR}/tst_TextEncoding.cpp)
lektavo_test(tst_SettingsControls ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsControls.cpp)
lektavo_test(tst_WindowPlacement ${CMAKE_CURRENT_LIST_DIR}/tst_WindowPlacement.cpp)
lektavo_test(tst_SettingsStore ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsStore.cpp)

# The codec's fuzz target, built with clang's libFuzzer from the settings sources when clang and
# its fuzzer runtime are installed; the test runs it for a few seconds, bench/fuzz-settings longer.
find_program(LEKTAVO_CLANGXX NAMES clang++ clang++-14)
if(LEKTAVO_CLANGXX AND NOT DEFINED LEKTAVO_FUZZER_WORKS)
  set(probe ${CMAKE_BINARY_DIR}/fuzzer-probe)
  file(WRITE ${probe}.cpp "#include <cstddef>\n#include <cstdint>\n"
    "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t *, size_t) { return 0; }\n")
  execute_process(COMMAND ${LEKTAVO_CLANGXX} -fsanitize=fuzzer,address ${probe}.cpp -o ${probe}
    RESULT_VARIABLE probe_result OUTPUT_QUIET ERROR_QUIET)
  if(probe_result EQUAL 0)
    set(LEKTAVO_FUZZER_WORKS ON CACHE INTERNAL "clang can build libFuzzer targets")
  else()
    set(LEKTAVO_FUZZER_WORKS OFF CACHE INTERNAL "clang can build libFuzzer targets")
  endif()
endif()
if(LEKTAVO_FUZZER_WORKS)
  file(GLOB fuzz_settings_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/settings/*.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/Guarded.cpp)
  file(GLOB fuzz_settings_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/settings/*.h
    ${CMAKE_SOURCE_DIR}/src/platform/ColorRef.h ${CMAKE_SOURCE_DIR}/src/platform/Guarded.h
    ${CMAKE_CURRENT_LIST_DIR}/RecordingControls.h)
  set(LEKTAVO_FUZZ_SETTINGS ${CMAKE_BINARY_DIR}/fuzz/fuzz_settings CACHE INTERNAL "settings fuzz target")
  add_custom_command(OUTPUT ${LEKTAVO_FUZZ_SETTINGS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fuzz
    COMMAND ${LEKTAVO_CLANGXX} -std=c++20 -g -O1 -fPIC
      -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
      "-I$<JOIN:$<TARGET_PROPERTY:Qt6::Core,INTERFACE_INCLUDE_DIRECTORIES>,;-I>"
      -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_CURRENT_LIST_DIR}
      ${CMAKE_CURRENT_LIST_DIR}/fuzz_settings.cpp ${fuzz_settings_sources}
      $<TARGET_LINKER_FILE:Qt6::Core> -o ${LEKTAVO_FUZZ_SETTINGS}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/fuzz_settings.cpp ${fuzz_settings_sources} ${fuzz_settings_headers}
    COMMENT "Building the settings fuzz target with clang"
    COMMAND_EXPAND_LISTS VERBATIM)
  add_custom_target(fuzz_settings ALL DEPENDS ${LEKTAVO_FUZZ_SETTINGS})
  add_test(NAME fuzz_settings
    COMMAND ${LEKTAVO_FUZZ_SETTINGS} -max_total_time=5 -max_len=9000 -seed=1 -rss_limit_mb=1024
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set_tests_properties(fuzz_settings PROPERTIES TIMEOUT 60)
endif()
