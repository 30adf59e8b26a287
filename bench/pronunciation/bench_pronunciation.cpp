// The pronunciation dictionary over the 3 MB novel:
//   pronounce_3mb_10k_entries: every word of the whole text looked up in a dictionary of 10 000
//   entries (the novel's own words, a tenth of them as forms keys) and the text with the "+"
//   marks made, as a voice would be given it. Median of several runs.
#include "../BenchSupport.h"
#include "reading/PronunciationDictionary.h"
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Entries = 10'000;
constexpr int Runs = 5;

// The distinct words of the text with a vowel, each with the stress on its first vowel, then
// words of made-up syllables.
PronunciationDictionary DictionaryOf(const QString &text)
{
    QString lines;
    QSet<QString> seen;
    for (const auto &[start, length] : WordsOf(text)) {
        if (seen.size() == Entries)
            break;
        const QString word = PronunciationDictionary::Folded(QStringView(text).sliced(start, length));
        static const QRegularExpression vowels(QStringLiteral("[аеиоуыэюя]"));
        const qsizetype vowel = word.indexOf(vowels);
        if (vowel < 0 || seen.contains(word))
            continue;
        seen.insert(word);
        const bool forms = seen.size() % 10 == 0 && word.size() > 4;
        lines += word + (forms ? "*=" : "=") + word.left(vowel) + '+' + word.mid(vowel) + '\n';
    }
    const QStringList syllables = QStringLiteral("бу вы гэ дю жы зу йо кэ лю мы ну пэ рю су тю фы хэ цу чю шэ щы").split(' ');
    for (qsizetype i = 0; seen.size() < Entries; ++i) {
        QString word;  // i written in syllables, at least three
        for (qsizetype k = i + syllables.size() * syllables.size(); k > 0; k /= syllables.size())
            word += syllables[k % syllables.size()];
        seen.insert(word);
        lines += word + '=' + word.left(1) + '+' + word.mid(1) + '\n';
    }
    return PronunciationDictionary::Parse(lines);
}

} // namespace

int main()
{
    const std::optional<QString> book = ReadBook();
    if (!book)
        return 1;
    const PronunciationDictionary dictionary = DictionaryOf(*book);
    if (dictionary.Entries().size() < Entries) {
        std::fprintf(stderr, "pronunciation: only %d entries\n", int(dictionary.Entries().size()));
        return 1;
    }
    std::vector<double> times;
    qsizetype changes = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const SpokenPiece spoken = ApplyPronunciation(*book, dictionary, [](const SpokenWord &word) {
            return WordForVoice(word, PronunciationStyle::StressMarks);
        });
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        changes = spoken.changes.size();
    }
    std::sort(times.begin(), times.end());
    std::fprintf(stderr, "pronunciation: %lld words changed\n", qint64(changes));
    std::printf("BENCH pronounce_3mb_10k_entries %.1f ms\n", times[times.size() / 2]);
    return 0;
}
