#pragma once
#include "reading/LanguageRule.h"
#include <QString>
#include <functional>

class TDirectSS;

// Hands each piece to the foreign or the Russian engine by the language rule. The dispatch hears
// both engines' end of speech and tells it on as the end of the piece, and the words they play.
class LanguageDispatch : public LanguageRule {
public:
    LanguageDispatch(TDirectSS &foreignEngine, TDirectSS &russianEngine);
    ~LanguageDispatch();
    LanguageDispatch(const LanguageDispatch &) = delete;
    LanguageDispatch &operator=(const LanguageDispatch &) = delete;

    // A voice has played its piece to the end.
    std::function<void()> OnPieceSpoken;
    // A voice is playing the word at position, of length, in the text of the piece.
    std::function<void(int position, int length)> OnWordSpoken;

    // Silences both voices and starts the text on the voice of its language. A failing Speak is
    // thrown on.
    void SpeakText(const QString &text);

    // Both voices at once, foreign first; a failing engine is skipped.
    void ResetVoices();
    void PauseVoices();
    void ResumeVoices();

private:
    TDirectSS &foreign;
    TDirectSS &russian;
};
