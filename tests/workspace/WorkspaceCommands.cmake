lektavo_test(tst_EditingCommands ${CMAKE_CURRENT_LIST_DIR}/tst_EditingCommands.cpp)
lektavo_test(tst_AppearanceCommands ${CMAKE_CURRENT_LIST_DIR}/tst_AppearanceCommands.cpp)
lektavo_test(tst_DocumentCommands ${CMAKE_CURRENT_LIST_DIR}/tst_DocumentCommands.cpp)
lektavo_test(tst_ReadingPlaces ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingPlaces.cpp)
