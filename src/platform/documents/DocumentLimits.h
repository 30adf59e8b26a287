#pragma once
#include <QtGlobal>

// No document may make the program grow without bound: a larger file, a package that unpacks to
// more, or a longer text is refused with the open-failure message.
constexpr qint64 kMaxDocumentBytes = 64 * 1024 * 1024;  // a file read, and all a package unpacks
constexpr qsizetype kMaxTextLength = 64 * 1024 * 1024;  // characters of the text made
