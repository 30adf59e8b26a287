#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// A text as SSML for speech-dispatcher, with a mark before each word and one behind the last
// sound, so that the service tells when the audio reaches them. A word is a run of non-blank
// characters holding a letter or a digit; the punctuation around it belongs to the run but not to
// the word. The end mark stands before any trailing blanks: a mark right behind a sentence end
// and a blank is lost.
class MarkedText {
public:
    struct Word {
        int run = 0;       // where its run of non-blank characters starts
        int position = 0;  // its first letter or digit
        int length = 0;
    };

    explicit MarkedText(const QString &text = {});

    const QString &Text() const { return text; }
    const QList<Word> &Words() const { return words; }

    // The SSML document that speaks from the start of word `from` (all of the text for 0) to the
    // end mark; the marks keep their names whatever the start.
    QByteArray Ssml(int from = 0) const;

    // The word a mark's name stands for; nothing for the end mark or a name not made here.
    std::optional<int> WordOfMark(const QByteArray &name) const;
    static bool IsEndMark(const QByteArray &name);

private:
    QString text;
    QList<Word> words;
    int soundEnd = 0;  // behind the last non-blank character
};
