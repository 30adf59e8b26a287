lektavo_test(tst_TextCleanup ${CMAKE_CURRENT_LIST_DIR}/tst_TextCleanup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LiteralCleanup.cpp ${CMAKE_CURRENT_LIST_DIR}/LiteralCleanup.h
  ${CMAKE_CURRENT_LIST_DIR}/TextFromBytes.h)

# Fuzz targets of both commands against the step-by-step transcription of their algorithms.
set(fuzz_cleanup_sources ${CMAKE_SOURCE_DIR}/src/workspace/TextCleanup.cpp
  ${CMAKE_SOURCE_DIR}/src/reading/Abbreviations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LiteralCleanup.cpp)
set(fuzz_cleanup_headers ${CMAKE_SOURCE_DIR}/src/workspace/TextCleanup.h
  ${CMAKE_SOURCE_DIR}/src/reading/BlankText.h ${CMAKE_SOURCE_DIR}/src/reading/Abbreviations.h
  ${CMAKE_CURRENT_LIST_DIR}/LiteralCleanup.h
  ${CMAKE_CURRENT_LIST_DIR}/TextFromBytes.h ${CMAKE_SOURCE_DIR}/tests/testsupport/FuzzCheck.h)
lektavo_fuzz(fuzz_remove_hyphenation MAX_LEN 4096
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_remove_hyphenation.cpp ${fuzz_cleanup_sources}
  DEPENDS ${fuzz_cleanup_headers})
lektavo_fuzz(fuzz_split_sentences MAX_LEN 4096
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_split_sentences.cpp ${fuzz_cleanup_sources}
  DEPENDS ${fuzz_cleanup_headers})
