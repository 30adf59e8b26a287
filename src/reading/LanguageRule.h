#pragma once
#include <QList>
#include <QString>

// A stretch of a piece and the voice that reads it.
struct LanguageRun {
    int start = 0;
    int length = 0;
    bool foreign = false;
    bool operator==(const LanguageRun &) const = default;
};

// Chooses the voice of a piece by its alphabet: the first Latin letter sends it to the foreign
// voice, the first Cyrillic letter to the Russian one. A piece is split only while EnglishRuns
// is on; one without any such letter keeps the voice of the piece before it.
class LanguageRule {
public:
    static constexpr int ScanLimit = 100;  // only the first characters decide
    static constexpr int LongWord = 4;     // letters of a Latin word that makes a run alone

    // Whether the piece goes to the foreign voice; the Russian voice speaks everything while the
    // languages are not told apart.
    bool TakePiece(const QString &text);
    void DetectForeign(const QString &text);
    static bool IsRussianText(const QString &text);

    // The runs that read the piece, one after the other: with EnglishRuns on (and the languages
    // told apart) a piece with Cyrillic letters gives its English runs to the foreign voice and the
    // rest to the Russian one; otherwise one run of the whole piece by TakePiece.
    QList<LanguageRun> TakeRuns(const QString &text);
    // The English runs of a Russian piece and the Russian runs around them, covering the text:
    // Latin words, with what stands between them, where no Cyrillic letter intervenes, at least
    // two words or one of LongWord letters. Blanks and signs at an end go with the run beside
    // them. None for a text without Cyrillic letters.
    static QList<LanguageRun> EnglishRunsOf(const QString &text);

    bool LangApart = true;     // the state of CbLangApart
    bool EnglishRuns = false;  // the state of CbEnglishRuns
    bool ForeignText = false;  // the current piece goes to the foreign voice
};
