lektavo_test(tst_SaveAsAudioWindow ${CMAKE_CURRENT_LIST_DIR}/tst_SaveAsAudioWindow.cpp GUI LIBS lektavo_ui)
lektavo_test(tst_ReadingPlacesInWindow ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingPlacesInWindow.cpp GUI LIBS lektavo_ui)
