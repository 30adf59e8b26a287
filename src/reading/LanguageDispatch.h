#pragma once
#include <QString>
#include <functional>

class TDirectSS;

// Chooses the voice of a piece by its alphabet: the first Latin letter sends it to the foreign
// voice, the first Cyrillic letter to the Russian one. A piece is never split; one without any
// such letter keeps the voice of the piece before it. The dispatch hears both engines' end of
// speech and tells it on as the end of the piece, and the words they play.
class LanguageDispatch {
public:
    static constexpr int ScanLimit = 100;  // only the first characters decide

    LanguageDispatch(TDirectSS &foreignEngine, TDirectSS &russianEngine);
    ~LanguageDispatch();
    LanguageDispatch(const LanguageDispatch &) = delete;
    LanguageDispatch &operator=(const LanguageDispatch &) = delete;

    // A voice has played its piece to the end.
    std::function<void()> OnPieceSpoken;
    // A voice is playing the word at position, of length, in the text of the piece.
    std::function<void(int position, int length)> OnWordSpoken;

    // Silences both voices and starts the text on the voice of its language (the Russian voice
    // speaks everything while the languages are not told apart). A failing Speak is thrown on.
    void SpeakText(const QString &text);
    void DetectForeign(const QString &text);
    static bool IsRussianText(const QString &text);

    // Both voices at once, foreign first; a failing engine is skipped.
    void ResetVoices();
    void PauseVoices();
    void ResumeVoices();

    bool LangApart = true;     // the state of CbLangApart
    bool ForeignText = false;  // the current piece goes to the foreign voice

private:
    TDirectSS &foreign;
    TDirectSS &russian;
};
