#pragma once
#include <QList>
#include <QString>
#include <functional>
#include <utility>

// The words of a text that carry a stress mark ("пот+ом": a "+" between letters, before a vowel)
// as phoneme input for the built-in engine, which reads "+" aloud and cannot be told a stress
// otherwise: the engine's own transcription of the word, its stress moved to the marked vowel,
// between "[[" and "]]". The rest of the text stays as it is.
struct PhonemeInput {
    struct Word {
        int start = 0, length = 0;        // in text
        int original = 0, originalLength = 0;  // the marked word in the text given
    };
    QString text;
    QList<Word> words;

    // A span of text (a word the engine reports) as the span of the text given.
    std::pair<int, int> Original(int position, int length) const;
};

// transcribe gives the engine's phonemes of a word, empty when it has none; a word whose
// transcription cannot take the mark is read as written, without the "+".
using Transcribe = std::function<QString(const QString &word)>;
PhonemeInput WithPhonemeInput(const QString &text, const Transcribe &transcribe);

// The transcription with its stress on the vowel stressedVowel (from 0) of the word: that vowel
// gets its full sound and the stress mark, the one stressed before is reduced as an unstressed
// vowel of its letter. Empty when the transcription's vowels do not match the word's.
QString MoveStress(const QString &phonemes, const QString &word, int stressedVowel);
