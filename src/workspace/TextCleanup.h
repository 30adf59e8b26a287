#pragma once
#include <QString>
#include <QStringView>
#include <functional>

// The two clean-up commands of "Правка" as transformations of the whole text. Lines end at
// CR LF, at a lone CR and at a lone LF; a line break at the very end starts no further line.
// Both take time in proportion to the length of the text.

// Whether a word broken at a line end keeps its hyphen when joined: given the letters before the
// hyphen and the letters the next line starts with.
using HyphenJudge = std::function<bool(QStringView head, QStringView tail)>;

// Joins every line whose trimmed text ends in "-" to the line after it: the dash and the blanks
// around it go, the next line follows untouched, and a chain of such lines becomes one line.
// The last line keeps its dash. The lines come back each followed by CR LF; a text without any
// line comes back as it was. With a judge, a dash right after a letter and before a line that
// starts with one stays where the judge keeps it.
QString RemoveHyphenation(const QString &text, const HyphenJudge &judge = {});

// Joins the lines of each paragraph with single spaces and puts every sentence that a space
// follows into a paragraph of its own, with an empty line after it. "Mr. " and "Mrs. " on one
// line do not end a sentence, nor, when knowAbbreviations, the full stops that the common
// abbreviations hold. Runs of spaces become one space, surplus empty lines go, and the result is
// trimmed; a text of blanks only comes back as it was.
QString SplitIntoSentences(const QString &text, bool knowAbbreviations = false);
