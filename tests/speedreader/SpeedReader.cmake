lektavo_test(tst_wordchunker ${CMAKE_CURRENT_LIST_DIR}/tst_wordchunker.cpp)
lektavo_test(tst_speedreadercontroller ${CMAKE_CURRENT_LIST_DIR}/tst_speedreadercontroller.cpp)
