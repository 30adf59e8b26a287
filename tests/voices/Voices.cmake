lektavo_test(tst_SoundData ${CMAKE_CURRENT_LIST_DIR}/tst_SoundData.cpp)
lektavo_test(tst_VoiceCatalogue ${CMAKE_CURRENT_LIST_DIR}/tst_VoiceCatalogue.cpp)
lektavo_test(tst_VoicePanel ${CMAKE_CURRENT_LIST_DIR}/tst_VoicePanel.cpp)
