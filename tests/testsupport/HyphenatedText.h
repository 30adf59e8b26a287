#pragma once
#include <QString>
#include <QStringList>

// A text as a typesetter breaks it into a column: every line cut into pieces of at most width
// characters, each cut between two letters and marked with a dash at the end of its piece. Lines
// come back each followed by CR LF; a line without two letters to cut between is kept whole.
inline QString HyphenatedText(const QString &text, int width)
{
    QString broken;
    for (const QString &line : text.split(u'\n')) {
        qsizetype start = 0;
        while (line.size() - start > width) {
            qsizetype cut = start + width;
            while (cut > start + 1 && !(line[cut - 1].isLetter() && line[cut].isLetter()))
                --cut;
            if (cut == start + 1)
                break;
            broken += line.mid(start, cut - start) + QStringLiteral("-\r\n");
            start = cut;
        }
        broken += line.mid(start) + QStringLiteral("\r\n");
    }
    return broken;
}
