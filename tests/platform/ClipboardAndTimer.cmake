lektavo_test(tst_QtClipboard ${CMAKE_CURRENT_LIST_DIR}/tst_QtClipboard.cpp XVFB LIBS lektavo_ui)
lektavo_test(tst_WaylandClipboardWatcher ${CMAKE_CURRENT_LIST_DIR}/tst_WaylandClipboardWatcher.cpp LIBS lektavo_ui)
lektavo_test(tst_QtTimer ${CMAKE_CURRENT_LIST_DIR}/tst_QtTimer.cpp LIBS lektavo_ui)
set_property(TEST tst_QtClipboard APPEND PROPERTY RESOURCE_LOCK x11-clipboard)
