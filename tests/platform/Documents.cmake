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
# The same checks over the extra documents that LEKTAVO_CORPUS names (ctest -L corpus); skipped
# when it names no folder.
add_test(NAME tst_ExtraDocuments COMMAND tst_DocumentCorpus)
set_tests_properties(tst_ExtraDocuments PROPERTIES LABELS corpus TIMEOUT 300
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LEKTAVO_DOCUMENT_SET=extra")
lektavo_test(tst_BadDocuments ${documents_tests}/tst_BadDocuments.cpp
  LIBS lektavo_documents lektavo_document_samples TIMEOUT 300)
lektavo_test(tst_LibreOfficeConverter ${documents_tests}/tst_LibreOfficeConverter.cpp
  LIBS lektavo_documents lektavo_document_samples TIMEOUT 300)
lektavo_test(tst_HyphenDictionary ${documents_tests}/tst_HyphenDictionary.cpp LIBS lektavo_documents)
lektavo_test(tst_DocumentThread ${documents_tests}/tst_DocumentThread.cpp LIBS lektavo_documents)

# The encoding detection's and the built-in converters' fuzz target: one program, the converter
# chosen by LEKTAVO_FUZZ_CONVERTER, seeded with the test documents of its format. A test runs
# each for a few seconds, bench/fuzz-documents longer.
if(LEKTAVO_FUZZER_WORKS)
  set(fuzzed ${CMAKE_SOURCE_DIR}/src/platform/documents)
  set(fuzz_documents_sources ${documents_tests}/fuzz_documents.cpp ${fuzzed}/TextDecoding.cpp
    ${fuzzed}/ParagraphWriter.cpp ${fuzzed}/ListMarks.cpp ${fuzzed}/XmlWalk.cpp ${fuzzed}/ZipArchive.cpp
    ${fuzzed}/HtmlConverter.cpp ${fuzzed}/Fb2Converter.cpp ${fuzzed}/EpubConverter.cpp
    ${fuzzed}/DocxConverter.cpp ${fuzzed}/OdtConverter.cpp ${fuzzed}/PdfConverter.cpp ${fuzzed}/PdfParagraphs.cpp
    ${fuzzed}/HyphenDictionary.cpp)
  file(GLOB fuzz_documents_headers CONFIGURE_DEPENDS ${fuzzed}/*.h)
  lektavo_fuzz(fuzz_documents OWN_RUNS
    SOURCES ${fuzz_documents_sources} DEPENDS ${fuzz_documents_headers}
    INCLUDES ${LIBXML_INCLUDE_DIRS} ${POPPLER_INCLUDE_DIRS} ${LIBZIP_INCLUDE_DIRS} ${RCD_INCLUDE_DIRS}
      ${HUNSPELL_INCLUDE_DIRS}
    LINK ${LIBZIP_LINK_LIBRARIES} ${LIBXML_LINK_LIBRARIES} ${POPPLER_LINK_LIBRARIES} ${RCD_LINK_LIBRARIES}
      ${HUNSPELL_LINK_LIBRARIES})
  # The PDF paragraph builder over any layout of words, as poppler hands them over.
  lektavo_fuzz(fuzz_pdf_paragraphs MAX_LEN 4096
    SOURCES ${documents_tests}/fuzz_pdf_paragraphs.cpp ${fuzzed}/PdfParagraphs.cpp ${fuzzed}/ParagraphWriter.cpp
    DEPENDS ${fuzzed}/PdfParagraphs.h ${fuzzed}/ParagraphWriter.h ${fuzzed}/DocumentLimits.h)
  set(fuzz_seeds_encoding ru_caps.koi8r.txt ru_short.cp1251.txt ru_story.cp1251.txt
    mixed_story.utf16le.txt ru_story.koi8r.txt)
  set(fuzz_seeds_html ru_story.html ru_story.cp1251.htm)
  set(fuzz_seeds_fb2 ru_story.fb2 ru_story.cp1251.fb2)
  set(fuzz_seeds_epub ru_story.epub)
  set(fuzz_seeds_docx en_story.docx ru_story.docx)
  set(fuzz_seeds_odt mixed_story.odt ru_story.odt)
  set(fuzz_seeds_pdf ru_story.pdf ru_stories.columns.pdf)
  set(LEKTAVO_FUZZ_DOCUMENTS_CONVERTERS encoding html fb2 epub docx odt pdf CACHE INTERNAL "fuzzed converters")
  foreach(converter ${LEKTAVO_FUZZ_DOCUMENTS_CONVERTERS})
    list(TRANSFORM fuzz_seeds_${converter} PREPEND ${CMAKE_SOURCE_DIR}/tests/documents/)
    list(JOIN fuzz_seeds_${converter} "," seeds)
    set(LEKTAVO_FUZZ_SEEDS_${converter} ${seeds} CACHE INTERNAL "${converter} fuzz seeds")
    add_test(NAME fuzz_documents_${converter}
      COMMAND ${LEKTAVO_FUZZ_PROGRAM_fuzz_documents} -max_total_time=5 -seed=1 -max_len=65536 -timeout=10
        -rss_limit_mb=2048 -seed_inputs=${seeds}
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    set_tests_properties(fuzz_documents_${converter} PROPERTIES TIMEOUT 60
      ENVIRONMENT LEKTAVO_FUZZ_CONVERTER=${converter})
  endforeach()
endif()
