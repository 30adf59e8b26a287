lektavo_test(tst_LanguageDispatch ${CMAKE_CURRENT_LIST_DIR}/tst_LanguageDispatch.cpp)
lektavo_test(tst_ReadingController ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingController.cpp)
lektavo_test(tst_ClipboardMonitor ${CMAKE_CURRENT_LIST_DIR}/tst_ClipboardMonitor.cpp)
lektavo_test(tst_ReadingAsPlayer ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingAsPlayer.cpp)
