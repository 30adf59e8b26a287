# The .deb of this build: scripts/package packs it, the test unpacks, validates and starts it.
if(NOT LEKTAVO_SANITIZE)
  lektavo_test(tst_Package ${CMAKE_CURRENT_LIST_DIR}/tst_Package.cpp XVFB TIMEOUT 400 LIBS Qt6::Gui)
  target_compile_definitions(tst_Package PRIVATE LEKTAVO_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    LEKTAVO_BUILD_DIR="${CMAKE_BINARY_DIR}")
  add_dependencies(tst_Package lektavo lektavo_data)
endif()
