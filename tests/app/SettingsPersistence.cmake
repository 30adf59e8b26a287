lektavo_test(tst_SettingsPersistence ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsPersistence.cpp XVFB LIBS lektavo_ui
  TIMEOUT 300)
lektavo_test(tst_SettingsInWindow ${CMAKE_CURRENT_LIST_DIR}/tst_SettingsInWindow.cpp XVFB LIBS lektavo_ui)
