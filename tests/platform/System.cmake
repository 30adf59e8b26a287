lektavo_test(tst_DataFiles ${CMAKE_CURRENT_LIST_DIR}/system/tst_DataFiles.cpp LIBS lektavo_ui)
