#pragma once
#include <QByteArray>
#include <QString>
#include <QTest>

// The shared test documents, read where they lie: the corpus beside the clone (LEKTAVO_CORPUS).
namespace Corpus {
QString Path(const QString &name);
// What keeps the test from the document: the corpus missing, or the document missing from it;
// empty when the document is there.
QString Missing(const QString &name);
QByteArray Bytes(const QString &name);  // empty when the document cannot be read
}

// Fails the running test at once, telling where the corpus was looked for, unless the document
// is there.
#define REQUIRE_IN_CORPUS(name)                                      \
    do {                                                             \
        const QString missingFromCorpus = Corpus::Missing(name);     \
        QVERIFY2(missingFromCorpus.isEmpty(), qPrintable(missingFromCorpus)); \
    } while (false)
