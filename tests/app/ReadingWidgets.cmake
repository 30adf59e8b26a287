lektavo_test(tst_ReadingWidgets ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingWidgets.cpp GUI LIBS lektavo_ui)
