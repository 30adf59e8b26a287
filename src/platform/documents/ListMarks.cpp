#include "ListMarks.h"

namespace {

constexpr int kLargestLettered = 4000;  // past it letters and Roman numerals grow too long

QString Letters(int n, char16_t a)
{
    const int repeats = (n - 1) / 26 + 1;
    return QString(repeats, QChar(char16_t(a + (n - 1) % 26)));
}

QString Roman(int n)
{
    static const struct {
        int value;
        const char *digits;
    } kNumerals[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"},
                     {50, "l"},   {40, "xl"},  {10, "x"},  {9, "ix"},   {5, "v"},   {4, "iv"}, {1, "i"}};
    QString roman;
    for (const auto &numeral : kNumerals) {
        for (; n >= numeral.value; n -= numeral.value)
            roman += QLatin1String(numeral.digits);
    }
    return roman;
}

}  // namespace

QString ListNumber(QStringView style, int n)
{
    if (n < 1 || n >= kLargestLettered)
        return QString::number(n);
    if (style == u"a")
        return Letters(n, u'a');
    if (style == u"A")
        return Letters(n, u'A');
    if (style == u"i")
        return Roman(n);
    if (style == u"I")
        return Roman(n).toUpper();
    return QString::number(n);
}

QString ShownBullet(QStringView bullet)
{
    QString shown;
    for (const QChar c : bullet) {
        const bool symbolFont = c.unicode() >= 0xF000 && c.unicode() <= 0xF0FF;
        shown += symbolFont ? QChar(kBullet) : c;
    }
    return shown;
}
