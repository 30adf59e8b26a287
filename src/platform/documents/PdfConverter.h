#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>
#include <stop_token>
#include <vector>

// A PDF's text through poppler, page by page in the order of its content, with page numbers left
// out and words hyphenated at a line end joined again. Nothing for a file poppler cannot read or
// one locked by a password.
std::optional<QString> PdfToText(QByteArrayView bytes, const std::stop_token &stop);

// The lines of the pages as one text. A page's first or last line that is only a number is its
// page number when two pages or more, and half of them at least, carry one at that place counting
// alike; those lines go. A line ending in a hyphen after a letter, followed by a line starting in lower case, is
// joined with it, the hyphen dropped unless the next word is a particle that always takes one
// (кто-/либо, что-/нибудь, всё-/таки).
QString JoinPages(const std::vector<QStringList> &pages);
