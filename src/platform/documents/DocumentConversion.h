#pragma once
#include "LibreOfficeConverter.h"
#include "platform/DocumentConverter.h"
#include <memory>

// The converter of the program: it reads the file (at most kMaxDocumentBytes), decides its format
// by SniffFormat and hands it to the built-in converter of that format or to LibreOffice. Every
// failure, a missing, unreadable or too large file included, answers the open-failure message;
// a missing LibreOffice answers its own. A document other than plain text that gives no text at
// all (a scanned PDF, a picture in a Word file) fails too, so that it never replaces a text by
// nothing; an empty plain-text file is an empty text.
class DocumentConversion : public DocumentConverter {
public:
    explicit DocumentConversion(LibreOfficeSetup libreOffice);
    ConvertedDocument Convert(const QString &path, std::stop_token stop) override;

private:
    LibreOfficeConverter libreOffice;
};

// The converter for this machine, its conversion file in programFolder (ending in a slash).
std::unique_ptr<DocumentConverter> MakeDocumentConverter(const QString &programFolder);
