lektavo_test(tst_Startup ${CMAKE_CURRENT_LIST_DIR}/tst_Startup.cpp GUI LIBS lektavo_ui)
lektavo_test(tst_RunningInstance ${CMAKE_CURRENT_LIST_DIR}/tst_RunningInstance.cpp XVFB LIBS lektavo_ui)
lektavo_test(tst_DocumentHandOver ${CMAKE_CURRENT_LIST_DIR}/tst_DocumentHandOver.cpp XVFB LIBS lektavo_ui)
