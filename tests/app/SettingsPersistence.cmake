lektavo_test(tst_SettingsPersistence ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsPersistence.cpp XVFB LIBS lektavo_ui
  TIMEOUT 300)
