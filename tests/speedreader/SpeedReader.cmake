lektavo_test(tst_WordChunker ${CMAKE_CURRENT_LIST_DIR}/tst_WordChunker.cpp)
lektavo_test(tst_FocusPoint ${CMAKE_CURRENT_LIST_DIR}/tst_FocusPoint.cpp)
lektavo_test(tst_SpeedReaderController ${CMAKE_CURRENT_LIST_DIR}/tst_SpeedReaderController.cpp)
