#pragma once
#include <QByteArray>
#include <QString>

// The documents the tests open: the project's own, made by scripts/make-test-documents.
namespace TestDocuments {
QString Path(const QString &name);
QByteArray Bytes(const QString &name);  // empty when the document cannot be read
QString Folder();

// A larger set of documents the tests may check besides: the folder that LEKTAVO_CORPUS names,
// in the environment or when the build was configured; empty when it names no folder.
QString ExtraFolder();
}
