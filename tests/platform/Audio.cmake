lektavo_test(tst_AudioFiles ${CMAKE_CURRENT_LIST_DIR}/audio/tst_AudioFiles.cpp
  LIBS lektavo_ui PkgConfig::SNDFILE PkgConfig::TAGLIB)
lektavo_test(tst_EmbeddedExport ${CMAKE_CURRENT_LIST_DIR}/audio/tst_EmbeddedExport.cpp
  LIBS lektavo_ui PkgConfig::SNDFILE)
