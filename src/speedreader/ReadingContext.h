#pragma once
#include <QList>
#include <QString>

// The sentence around the group shown last, as the speed reader shows it while stopped: up to
// MaxWordsEachSide words before and behind the group, within the group's line, the group's own
// words marked.
struct ReadingContext {
    static constexpr int MaxWordsEachSide = 20;

    struct Word {
        QString text;
        int offset = 0;  // in the line
        bool inGroup = false;
    };

    int line = -1;
    QList<Word> words;

    bool IsEmpty() const { return words.isEmpty(); }

    // The context of the characters from to to of a line (tabs count as blanks); empty when no
    // word of the line lies there.
    static ReadingContext Around(const QString &lineText, int line, int from, int to);
};
