# The document converters. The corpus, bad-input and LibreOffice tests run the real LibreOffice
# that scripts/deps installs.
set(documents_tests ${CMAKE_CURRENT_LIST_DIR}/documents)
add_library(lektavo_document_samples STATIC ${documents_tests}/DocumentSamples.cpp ${documents_tests}/DocumentSamples.h)
target_include_directories(lektavo_document_samples PUBLIC ${documents_tests})
target_link_libraries(lektavo_document_samples PUBLIC Qt6::Core PRIVATE PkgConfig::LIBZIP)

lektavo_test(tst_TextDecoding ${documents_tests}/tst_TextDecoding.cpp LIBS lektavo_documents)
lektavo_test(tst_BuiltInConverters ${documents_tests}/tst_BuiltInConverters.cpp
  LIBS lektavo_documents lektavo_document_samples)
