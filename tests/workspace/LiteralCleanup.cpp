#include "LiteralCleanup.h"
#include "reading/BlankText.h"
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

const QString CrLf = u"\r\n"_s;

// Lines end at CR LF, CR or LF; a line break at the very end starts no further line.
QStringList Lines(QString text)
{
    QStringList lines = text.replace(CrLf, u"\n"_s).replace(u'\r', u'\n').split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString TrimLeft(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && IsBlankChar(text[first]))
        ++first;
    return text.mid(first);
}

QString EachFollowedByCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + CrLf;
    return text;
}

} // namespace

namespace Literal {

QString RemoveHyphenation(const QString &text)
{
    QStringList lines = Lines(text);
    if (lines.isEmpty())
        return text;
    qsizetype i = 0;
    while (i < lines.size() - 1) {
        QString t = TrimBlanks(lines[i]);
        if (!t.isEmpty() && t.endsWith(u'-')) {
            t.chop(1);
            t = TrimBlanks(t);
            lines[i] = t + lines[i + 1];
            lines.removeAt(i + 1);
        } else {
            ++i;
        }
    }
    return EachFollowedByCrLf(lines);
}

QString SplitIntoSentences(const QString &text)
{
    if (TrimBlanks(text).isEmpty())
        return text;
    QStringList a = Lines(TrimBlanks(text));

    for (QString &line : a) {
        line.replace(u"Mrs. "_s, u"gh#@$@%"_s);
        line.replace(u"Mr. "_s, u"7h#@$@%"_s);
    }

    for (qsizetype i = a.size() - 1; i >= 0; --i)
        a[i].replace(u". "_s, u".\r\n\r\n"_s);

    QStringList b{QString()};
    for (const QString &entry : a) {
        if (IsBlankText(entry)) {
            b.append(QString());
            b.append(QString());
        } else {
            b.last() = b.last() + u' ' + entry;
        }
    }

    a.clear();
    for (QString t : b) {
        t.replace(u". "_s, u".\r\n\r\n"_s);
        t.replace(u"? "_s, u"?\r\n\r\n"_s);
        t.replace(u"! "_s, u"!\r\n\r\n"_s);
        t.replace(u".\" "_s, u".\"\r\n\r\n"_s);
        t.replace(u"?\" "_s, u"?\"\r\n\r\n"_s);
        t.replace(u"!\" "_s, u"!\"\r\n\r\n"_s);

        t.replace(u"gh#@$@%"_s, u"Mrs. "_s);
        t.replace(u"7h#@$@%"_s, u"Mr. "_s);

        t.replace(u"    "_s, u" "_s);
        t = TrimLeft(t);
        while (t.contains(u"  "_s)) {
            t.replace(u"  "_s, u" "_s);
            t = TrimLeft(t);
        }
        a.append(t);
    }

    qsizetype i = 0;
    while (a.size() - 1 >= i + 2) {
        if (IsBlankText(a[i + 1]) && IsBlankText(a[i + 2]))
            a.removeAt(i + 2);
        else
            ++i;
    }

    return TrimBlanks(EachFollowedByCrLf(a));
}

} // namespace Literal
