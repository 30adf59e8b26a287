lektavo_test(tst_DocumentTitle ${CMAKE_CURRENT_LIST_DIR}/documents/tst_DocumentTitle.cpp LIBS lektavo_documents)
