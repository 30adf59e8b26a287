lektavo_test(tst_QtAppearance ${CMAKE_CURRENT_LIST_DIR}/tst_QtAppearance.cpp GUI LIBS lektavo_ui)
