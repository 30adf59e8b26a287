lektavo_test(tst_SentenceStepper ${CMAKE_CURRENT_LIST_DIR}/tst_SentenceStepper.cpp)
