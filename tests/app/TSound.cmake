lektavo_test(tst_TSound ${CMAKE_CURRENT_LIST_DIR}/tst_TSound.cpp GUI LIBS lektavo_ui)
lektavo_test(tst_VoicesAtStart ${CMAKE_CURRENT_LIST_DIR}/tst_VoicesAtStart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/speech/MonitorRecorder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/speech/SpeechTestSupport.cpp SOUND LIBS lektavo_ui TIMEOUT 120)
