lektavo_test(tst_SpeedReaderPages ${CMAKE_CURRENT_LIST_DIR}/tst_SpeedReaderPages.cpp GUI LIBS lektavo_ui)
