lektavo_test(tst_speedreaderpages ${CMAKE_CURRENT_LIST_DIR}/tst_speedreaderpages.cpp GUI LIBS lektavo_ui)
