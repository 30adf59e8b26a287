#include "reading/Abbreviations.h"
#include "reading/BlankText.h"
#include <array>

namespace {

// A space in an entry stands for any run of blanks, also none ("т.е.").
constexpr std::array<QStringView, 22> Common = {
    u"т. е.", u"т. д.", u"т. п.", u"т. к.", u"и др.", u"и пр.", u"гг.", u"в.", u"вв.", u"см.", u"стр.",
    u"рис.", u"д.", u"напр.", u"млн.", u"млрд.", u"тыс.", u"руб.", u"коп.", u"e. g.", u"i. e.", u"etc.",
};
// Always followed by a name.
constexpr std::array<QStringView, 6> Titles = {u"mr.", u"mrs.", u"dr.", u"st.", u"им.", u"ул."};
constexpr QStringView City = u"г.";  // a year when a number stands before it

bool SameLetter(QChar a, QChar b)
{
    return a.toLower() == b.toLower();
}

// Whether the entry, its full stop at dot laid over the stop of the text, stands there as a word
// of its own.
bool EntryAt(QStringView text, qsizetype stop, QStringView entry, qsizetype dot)
{
    qsizetype t = stop - 1;
    for (qsizetype e = dot - 1; e >= 0; --e) {
        if (entry[e] == u' ') {
            while (t >= 0 && IsBlankChar(text[t]))
                --t;
        } else if (t < 0 || !SameLetter(entry[e], text[t--])) {
            return false;
        }
    }
    if (t >= 0 && text[t].isLetterOrNumber())
        return false;
    t = stop + 1;
    for (qsizetype e = dot + 1; e < entry.size(); ++e) {
        if (entry[e] == u' ') {
            while (t < text.size() && IsBlankChar(text[t]))
                ++t;
        } else if (t >= text.size() || !SameLetter(entry[e], text[t++])) {
            return false;
        }
    }
    return true;
}

bool EntryHolds(QStringView text, qsizetype stop, QStringView entry)
{
    for (qsizetype dot = entry.indexOf(u'.'); dot >= 0; dot = entry.indexOf(u'.', dot + 1)) {
        if (EntryAt(text, stop, entry, dot))
            return true;
    }
    return false;
}

template <std::size_t N>
bool AnyHolds(QStringView text, qsizetype stop, const std::array<QStringView, N> &entries)
{
    for (QStringView entry : entries) {
        if (EntryHolds(text, stop, entry))
            return true;
    }
    return false;
}

QChar NextNonBlank(QStringView text, qsizetype from)
{
    while (from < text.size() && IsBlankChar(text[from]))
        ++from;
    return from < text.size() ? text[from] : QChar();
}

// "1987 г." and "1987г.": a number stands in front of the "г".
bool IsYear(QStringView text, qsizetype stop)
{
    if (stop < 2 || !SameLetter(text[stop - 1], City[0]))
        return false;
    qsizetype t = stop - 2;
    while (t >= 0 && IsBlankChar(text[t]))
        --t;
    return t >= 0 && text[t].isDigit();
}

// A capital letter alone, after a blank or at the start, before a capital letter.
bool IsInitial(QStringView text, qsizetype stop)
{
    if (stop < 1 || !text[stop - 1].isUpper() || (stop >= 2 && !IsBlankChar(text[stop - 2])))
        return false;
    return NextNonBlank(text, stop + 1).isUpper();
}

} // namespace

bool Abbreviations::HoldsStop(QStringView text, qsizetype stop)
{
    if (AnyHolds(text, stop, Titles) || IsInitial(text, stop))
        return true;
    if (EntryAt(text, stop, City, 1) && !IsYear(text, stop))
        return true;
    if (!AnyHolds(text, stop, Common) && !IsYear(text, stop))
        return false;
    return !NextNonBlank(text, stop + 1).isUpper();
}
