# The document converters. The corpus, bad-input and LibreOffice tests run the real LibreOffice
# that scripts/deps installs.
set(documents_tests ${CMAKE_CURRENT_LIST_DIR}/documents)
add_library(lektavo_document_samples STATIC ${documents_tests}/DocumentSamples.cpp ${documents_tests}/DocumentSamples.h)
target_include_directories(lektavo_document_samples PUBLIC ${documents_tests})
target_link_libraries(lektavo_document_samples PUBLIC Qt6::Core PRIVATE PkgConfig::LIBZIP)

lektavo_test(tst_TextDecoding ${documents_tests}/tst_TextDecoding.cpp LIBS lektavo_documents)
lektavo_test(tst_BuiltInConverters ${documents_tests}/tst_BuiltInConverters.cpp
  LIBS lektavo_documents lektavo_document_samples)
lektavo_test(tst_DocumentFormat ${documents_tests}/tst_DocumentFormat.cpp LIBS lektavo_documents)
lektavo_test(tst_DocumentCorpus ${documents_tests}/tst_DocumentCorpus.cpp LIBS lektavo_documents TIMEOUT 300)
lektavo_test(tst_BadDocuments ${documents_tests}/tst_BadDocuments.cpp
  LIBS lektavo_documents lektavo_document_samples TIMEOUT 300)
lektavo_test(tst_LibreOfficeConverter ${documents_tests}/tst_LibreOfficeConverter.cpp LIBS lektavo_documents TIMEOUT 300)
lektavo_test(tst_DocumentThread ${documents_tests}/tst_DocumentThread.cpp LIBS lektavo_documents)
