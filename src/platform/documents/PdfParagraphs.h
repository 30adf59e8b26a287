#pragma once
#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

// A word as a PDF page lays it out: its box in points from the page's top left corner, the size of
// its font (or any measure growing with it, such as the box's height), and whether a space
// follows it.
struct PdfWord {
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double fontSize = 0;
    bool spaceAfter = true;
};

// A page's words in the order of its content: a column's lines one after the other, each line's
// words from left to right.
struct PdfPage {
    double height = 0;
    std::vector<PdfWord> words;
};

// Whether a word broken at a line end keeps its hyphen when joined: given the part before the
// hyphen and the part after it.
using KeepsHyphen = std::function<bool(QStringView head, QStringView tail)>;

// Keeps the hyphen only before a particle that always takes one (кто-/либо, что-/нибудь,
// всё-/таки).
bool KeepsHyphenBeforeParticle(QStringView head, QStringView tail);

// The pages' text as paragraphs, one a line, as a word processor's document gives it. The lines of
// a paragraph are joined: a new paragraph starts at a line set off by a larger gap, indented
// against the line before, in another font size (a heading), or after a line that ends short of
// its column with the end of a sentence when the document does not set its paragraphs apart by
// gaps. The top and bottom lines that repeat from page to page (running headers and footers) and
// page numbers counting with the pages go. A small or raised number right behind a word is a note
// mark, written "[n]"; the lines at the foot of a column that start with a marked number are the
// notes, written after the text as "[n] text". A word hyphenated at a line end is joined again,
// with its hyphen when keepsHyphen says so.
QString PdfParagraphText(const std::vector<PdfPage> &pages, const KeepsHyphen &keepsHyphen = KeepsHyphenBeforeParticle);
