lektavo_test(tst_PronunciationDialog ${CMAKE_CURRENT_LIST_DIR}/tst_PronunciationDialog.cpp GUI LIBS lektavo_ui)
