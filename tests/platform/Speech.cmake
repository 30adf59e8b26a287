# The speech engines: voice list and silence trimming run anywhere; the engines themselves play
# to the null sink and talk to the speech-dispatcher that scripts/test starts.
set(speech_tests ${CMAKE_CURRENT_LIST_DIR}/speech)
lektavo_test(tst_SpeechVoiceList ${speech_tests}/tst_SpeechVoiceList.cpp LIBS lektavo_ui)
lektavo_test(tst_SilenceTrimmer ${speech_tests}/tst_SilenceTrimmer.cpp LIBS lektavo_ui)
lektavo_test(tst_MarkedText ${speech_tests}/tst_MarkedText.cpp LIBS lektavo_ui)
lektavo_test(tst_PhonemeInput ${speech_tests}/tst_PhonemeInput.cpp LIBS lektavo_ui)
lektavo_test(tst_EspeakWords ${speech_tests}/tst_EspeakWords.cpp LIBS lektavo_ui)
lektavo_test(tst_EspeakSpeech ${speech_tests}/tst_EspeakSpeech.cpp ${speech_tests}/MonitorRecorder.cpp
  ${speech_tests}/SpeechTestSupport.cpp SOUND LIBS lektavo_ui TIMEOUT 300)
lektavo_test(tst_SpeechDispatcherSpeech ${speech_tests}/tst_SpeechDispatcherSpeech.cpp
  ${speech_tests}/MonitorRecorder.cpp ${speech_tests}/SpeechTestSupport.cpp SOUND LIBS lektavo_ui
  TIMEOUT 300)
