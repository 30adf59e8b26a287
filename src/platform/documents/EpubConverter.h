#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <stop_token>

// An EPUB 2 or 3 book: the pages of its spine in order, each read as HTML; the navigation page,
// style sheets and images stay out, and a page missing from the package is passed over. Nothing
// when it is no such book or unpacks to too much.
std::optional<QString> EpubToText(QByteArrayView bytes, const std::stop_token &stop);
