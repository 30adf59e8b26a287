#pragma once
#include <QString>

// Chooses the voice of a piece by its alphabet: the first Latin letter sends it to the foreign
// voice, the first Cyrillic letter to the Russian one. A piece is never split; one without any
// such letter keeps the voice of the piece before it.
class LanguageRule {
public:
    static constexpr int ScanLimit = 100;  // only the first characters decide

    // Whether the piece goes to the foreign voice; the Russian voice speaks everything while the
    // languages are not told apart.
    bool TakePiece(const QString &text);
    void DetectForeign(const QString &text);
    static bool IsRussianText(const QString &text);

    bool LangApart = true;     // the state of CbLangApart
    bool ForeignText = false;  // the current piece goes to the foreign voice
};
