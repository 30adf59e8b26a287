lektavo_test(tst_DesktopKeyboardLayout ${CMAKE_CURRENT_LIST_DIR}/tst_DesktopKeyboardLayout.cpp XVFB LIBS lektavo_ui)
