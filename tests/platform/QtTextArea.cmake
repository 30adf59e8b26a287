lektavo_test(tst_QtTextArea ${CMAKE_CURRENT_LIST_DIR}/tst_QtTextArea.cpp GUI LIBS lektavo_ui TIMEOUT 300)
