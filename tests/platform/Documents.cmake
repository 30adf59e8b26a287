# The document converters. The corpus and LibreOffice tests run the real LibreOffice that
# scripts/deps installs.
set(documents_tests ${CMAKE_CURRENT_LIST_DIR}/documents)
lektavo_test(tst_TextDecoding ${documents_tests}/tst_TextDecoding.cpp LIBS lektavo_documents)
