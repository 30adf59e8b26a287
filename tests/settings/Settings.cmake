lektavo_test(tst_SettingsRecord ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsRecord.cpp)
lektavo_test(tst_TextEncoding ${CMAKE_CURRENT_LIST_DIR}/tst_TextEncoding.cpp)
