lektavo_test(tst_TextAreaScrolling ${CMAKE_CURRENT_LIST_DIR}/tst_TextAreaScrolling.cpp)
