lektavo_test(tst_AudioExport ${CMAKE_CURRENT_LIST_DIR}/tst_AudioExport.cpp)
lektavo_test(tst_AudioExportCommands ${CMAKE_CURRENT_LIST_DIR}/tst_AudioExportCommands.cpp)
