lektavo_test(tst_TSound ${CMAKE_CURRENT_LIST_DIR}/tst_TSound.cpp GUI LIBS lektavo_ui)
