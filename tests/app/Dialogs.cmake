# Passes when the one message box that no test answered failed its test with the box's text, and
# every other case passed.
lektavo_test(tst_Dialogs ${CMAKE_CURRENT_LIST_DIR}/tst_Dialogs.cpp GUI LIBS lektavo_ui TIMEOUT 30)
set_tests_properties(tst_Dialogs PROPERTIES PASS_REGULAR_EXPRESSION
  "FAIL!  : TestDialogs::aMessageNobodyAnsweredFailsTheTest\\(\\) a message box that the test did not answer: Nobody answers this\\..*Totals: 7 passed, 1 failed")
