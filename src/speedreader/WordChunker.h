#pragma once
#include <QString>
#include <functional>

class TextArea;
class TextMeasurer;

// What shapes a group and how long it stays: the values of the speed reader's spin boxes.
struct ChunkRules {
    int Length = 1;         // greatest group length in characters; groups of several words from 3 on
    int Letters = 8;        // a word longer than this is long
    int LongWord = 0;       // extra ticks for a long word
    int EndOfSentence = 0;  // extra ticks for a group ending in . ! ?
    int Comma = 0;          // extra ticks for a group ending in , : ;
};

// Cuts the lines of a text area into display groups: one word, or a run of words that fits both
// the length limit and the display width and stops behind a word that closes a sentence or a
// clause. A word too wide for the display is cut at a half, a third, ... (at its own hyphen when
// that lies within the piece) and the rest shown by the next call. Words are separated by spaces
// and tabs only, so punctuation stays with its word.
class WordChunker {
public:
    WordChunker(const TextArea &area, const TextMeasurer &measurer);

    // Takes the next group, cut to the rules and to a display displayWidth pixels wide, into
    // CurrentGroup and adds its extra ticks and counts. Returns false, changing nothing shown,
    // when the text has no word left.
    bool NextWordGroup(const ChunkRules &rules, int displayWidth);
    // Whether a word lies behind the reading position.
    bool WordAhead() const;

    // Back to the start of the text, nothing pending and no group.
    void Rewind();
    // Moves the reading position to an offset in a line; a piece of a cut word is dropped.
    void MoveTo(int line, int offset = 0);

    // The characters of the group shown last within the line where it ends, from its first word
    // on that line to the end of its last; line -1 when nothing was shown since the position moved.
    struct Span {
        int line = -1, from = 0, to = 0;
    };
    const Span &Shown() const { return shown; }

    // Where the reader stands behind a group shown, to come back to it.
    struct Place {
        int line = 0, offset = 0, span = 0;
        QString group, remainder;
        Span shown;
    };
    Place Here() const { return {readLine, readOffset, groupSpan, currentGroup, pendingRemainder, shown}; }
    void ReturnTo(const Place &place);

    // The position: the line and the offset behind the group shown, and the characters the group
    // took from the line, blanks before it included (0 when it was the rest of a cut word).
    int ReadLine() const { return readLine; }
    int ReadOffset() const { return readOffset; }
    int GroupSpan() const { return groupSpan; }
    const QString &CurrentGroup() const { return currentGroup; }

    // Ticks the current group stays on beyond its own.
    int ExtraTicks() const { return extraTicks; }
    bool TakeExtraTick();  // false when none is left
    void DropExtraTicks() { extraTicks = 0; }

    // Words and characters shown since the counts were last reset.
    int WordsRead() const { return wordsRead; }
    int SymbolsRead() const { return symbolsRead; }
    void ResetCounts();

    // Told the per cent of the lines read whenever reading enters another line.
    std::function<void(int percent)> OnLineEntered;

private:
    struct Word {
        QString text;
        int start = 0;     // offset of the word in line ReadLine
        int end = 0;       // offset behind the word in line ReadLine
        int consumed = 0;  // characters passed over from ReadOffset, blanks before the word included
    };

    bool FindNextWord(Word &word);
    bool FindWordInLine(const QString &line, int from, Word &word) const;
    bool EnterNextLine();
    void Consume(const Word &word);
    bool FitToWidth();
    bool AddClosingExtra(const QString &word);
    void ExtendGroup();
    bool Fits(const QString &text) const;
    QString ReadableLine(int line) const;

    const TextArea &area;
    const TextMeasurer &measurer;
    ChunkRules rules;
    int displayWidth = 0;

    int readLine = 0;
    int readOffset = 0;
    int groupSpan = 0;
    QString currentGroup;
    QString pendingRemainder;
    Span shown;
    int extraTicks = 0;
    int wordsRead = 0;
    int symbolsRead = 0;
};
