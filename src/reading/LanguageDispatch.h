#pragma once
#include "reading/LanguageRule.h"
#include "reading/PronunciationDictionary.h"
#include <QString>
#include <functional>

class TDirectSS;

// Hands each piece to the foreign or the Russian engine by the language rule, a piece of several
// runs one run after the other. The dispatch hears both engines' end of speech and tells the end
// of the last run on as the end of the piece, and the words they play, where they are in the piece.
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
    // The dictionary the Russian voice reads the words of a piece by, asked for each run; none
    // while it is not set.
    std::function<const PronunciationDictionary &()> Pronunciation;
    std::function<PronunciationStyle()> RussianStyle;

    // Silences both voices and starts the text on the voice of its language. A failing Speak of
    // its first run is thrown on; of a later run, it ends the piece without a word.
    void SpeakText(const QString &text);

    // Silences both voices and says a word marked as the dictionary marks it ("пот+ом") with the
    // Russian voice, in the form its module understands. A failing Speak is thrown on.
    void SayWord(const QString &marked);

    // Both voices at once, foreign first; a failing engine is skipped.
    void ResetVoices();
    void PauseVoices();
    void ResumeVoices();

private:
    void SpeakRun();
    void RunSpoken();

    TDirectSS &foreign;
    TDirectSS &russian;
    QString piece;
    QList<LanguageRun> runs;
    qsizetype run = 0;    // the run being spoken
    SpokenPiece spoken;  // the run as its voice was given it
};
