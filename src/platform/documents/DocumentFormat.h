#pragma once
#include <QByteArrayView>
#include <QStringView>

// Which converter reads a document.
enum class DocumentFormat { PlainText, Html, Fb2, Epub, Docx, Odt, Pdf, LibreOffice, Unknown };

// Decided by the content first: the signatures of PDF, zip packages (EPUB, OpenDocument text and
// Word documents by what they hold), RTF, the binary word-processor files and FB2 or HTML markup in
// text. Where the content does not tell, the file name's extension decides (in any letter case);
// other text is plain text and other binary data is Unknown.
DocumentFormat SniffFormat(QByteArrayView bytes, QStringView fileName);
