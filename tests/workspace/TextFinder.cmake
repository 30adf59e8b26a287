lektavo_test(tst_TextFinder ${CMAKE_CURRENT_LIST_DIR}/tst_TextFinder.cpp)
