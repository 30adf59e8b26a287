lektavo_test(tst_ListeningRunning ${CMAKE_CURRENT_LIST_DIR}/tst_ListeningRunning.cpp XVFB SOUND LIBS lektavo_ui)
lektavo_test(tst_MediaPlayer ${CMAKE_CURRENT_LIST_DIR}/tst_MediaPlayer.cpp GUI LIBS lektavo_ui)
lektavo_test(tst_SleepTimerMenu ${CMAKE_CURRENT_LIST_DIR}/tst_SleepTimerMenu.cpp GUI LIBS lektavo_ui)
