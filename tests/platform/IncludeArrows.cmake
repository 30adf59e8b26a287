add_test(NAME tst_IncludeArrows COMMAND ${CMAKE_CURRENT_LIST_DIR}/include-arrows ${CMAKE_SOURCE_DIR}/src)
