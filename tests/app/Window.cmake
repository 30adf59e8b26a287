lektavo_test(tst_CaptionTimer ${CMAKE_CURRENT_LIST_DIR}/tst_CaptionTimer.cpp LIBS lektavo_ui)
lektavo_test(tst_PageSwitch ${CMAKE_CURRENT_LIST_DIR}/tst_PageSwitch.cpp GUI LIBS lektavo_ui)
lektavo_test(tst_Window ${CMAKE_CURRENT_LIST_DIR}/tst_Window.cpp GUI LIBS lektavo_ui)
lektavo_test(tst_WindowRunning ${CMAKE_CURRENT_LIST_DIR}/tst_WindowRunning.cpp XVFB LIBS lektavo_ui)
