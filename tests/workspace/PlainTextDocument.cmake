lektavo_test(tst_PlainTextDocument ${CMAKE_CURRENT_LIST_DIR}/tst_PlainTextDocument.cpp)
