lektavo_test(tst_ReadingAloudRunning ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingAloudRunning.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/speech/MonitorRecorder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/speech/SpeechTestSupport.cpp XVFB SOUND LIBS lektavo_ui TIMEOUT 120)
set_property(TEST tst_ReadingAloudRunning APPEND PROPERTY RESOURCE_LOCK x11-clipboard)
