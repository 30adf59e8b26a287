#pragma once
#include <QByteArrayView>
#include <QString>
#include <array>

// A text for the clean-up commands made from bytes: one below 128 is that ASCII character, one
// above picks a piece that the commands treat specially (line breaks, runs of spaces, dashes,
// sentence ends, titles and their disguises, letters, blanks and characters outside
// Windows-1251), so that short inputs reach every step.
inline QString TextFromBytes(QByteArrayView bytes)
{
    using namespace Qt::StringLiterals;
    static const std::array<QString, 40> pieces = {
        u"\r\n"_s, u"\r"_s, u"\n"_s, u"\n\r"_s, u" "_s, u"  "_s, u"    "_s, u"\t"_s,
        u"-"_s, u" -"_s, u"- "_s, u"-\r\n"_s, u". "_s, u"? "_s, u"! "_s, u".\" "_s,
        u"?\" "_s, u"!\" "_s, u"\""_s, u"Mr. "_s, u"Mrs. "_s, u"Mr."_s, u"mr. "_s, u"Mrs"_s,
        u"gh#@$@%"_s, u"7h#@$@%"_s, u"Быстро"_s, u"чтение"_s, u"ё"_s, u"Ж"_s, u"word"_s,
        u"x"_s, u"\u00A0"_s, u"\u0001"_s, u"\u2029"_s, u"\U0001F600"_s, QString(QChar(0xD800)),
        u"\u20AC"_s, u"\u0000"_s, u"."_s,
    };
    QString text;
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 128)
            text += QChar(value);
        else
            text += pieces[(value - 128) % pieces.size()];
    }
    return text;
}
