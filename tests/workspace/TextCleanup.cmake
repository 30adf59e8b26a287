lektavo_test(tst_TextCleanup ${CMAKE_CURRENT_LIST_DIR}/tst_TextCleanup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LiteralCleanup.cpp ${CMAKE_CURRENT_LIST_DIR}/LiteralCleanup.h
  ${CMAKE_CURRENT_LIST_DIR}/TextFromBytes.h)
