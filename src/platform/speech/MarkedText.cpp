#include "MarkedText.h"

namespace {

const QByteArray EndMark = "end";
const QByteArray WordMarkPrefix = "w";

bool IsBlank(QChar c)
{
    return c.unicode() <= 32 || c.isSpace();
}

// Characters XML does not allow (other control characters, unpaired surrogates, U+FFFE, U+FFFF)
// would make the service refuse the whole document: they are spoken as blanks.
bool XmlAllows(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 32)
        return u == u'\t' || u == u'\n' || u == u'\r';
    return !c.isSurrogate() && u != 0xFFFE && u != 0xFFFF;
}

void AppendEscaped(QString &ssml, QStringView part)
{
    for (qsizetype i = 0; i < part.size(); ++i) {
        const QChar c = part[i];
        if (c.isHighSurrogate() && i + 1 < part.size() && part[i + 1].isLowSurrogate()) {
            ssml += c;
            ssml += part[++i];
        } else if (c == u'&') {
            ssml += QStringLiteral("&amp;");
        } else if (c == u'<') {
            ssml += QStringLiteral("&lt;");
        } else if (c == u'>') {
            ssml += QStringLiteral("&gt;");
        } else {
            ssml += XmlAllows(c) ? c : QChar(u' ');
        }
    }
}

void AppendMark(QString &ssml, const QByteArray &name)
{
    ssml += QStringLiteral("<mark name=\"%1\"/>").arg(QString::fromLatin1(name));
}

}  // namespace

MarkedText::MarkedText(const QString &text) : text(text)
{
    const int size = int(text.size());
    for (int i = 0; i < size;) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        const int run = i;
        while (i < size && !IsBlank(text[i]))
            ++i;
        soundEnd = i;
        int first = run, last = i;
        while (first < last && !text[first].isLetterOrNumber())
            ++first;
        while (last > first && !text[last - 1].isLetterOrNumber())
            --last;
        if (first < last)
            words.append({run, first, last - first});
    }
}

QByteArray MarkedText::Ssml(int from) const
{
    QString ssml = QStringLiteral("<speak>");
    int done = from > 0 && from < words.size() ? words[from].run : 0;
    for (int i = std::max(from, 0); i < words.size(); ++i) {
        AppendEscaped(ssml, QStringView(text).mid(done, words[i].run - done));
        AppendMark(ssml, WordMarkPrefix + QByteArray::number(i));
        done = words[i].run;
    }
    AppendEscaped(ssml, QStringView(text).mid(done, soundEnd - done));
    AppendMark(ssml, EndMark);
    ssml += QStringLiteral("</speak>");
    return ssml.toUtf8();
}

std::optional<int> MarkedText::WordOfMark(const QByteArray &name) const
{
    if (!name.startsWith(WordMarkPrefix))
        return std::nullopt;
    bool ok = false;
    const int word = name.mid(WordMarkPrefix.size()).toInt(&ok);
    if (!ok || word < 0 || word >= words.size())
        return std::nullopt;
    return word;
}

bool MarkedText::IsEndMark(const QByteArray &name)
{
    return name == EndMark;
}
