#include "PhonemeInput.h"
#include <algorithm>

namespace {

constexpr QChar Mark = u'+';
constexpr QChar Primary = u'\'', Secondary = u',';

const QString VowelLetters = QStringLiteral("аеёиоуыэюя");
const QString VowelPhonemes = QStringLiteral("aeiouyEVIU@8");
const QString StressedSounds = QStringLiteral("ae8iouyEua");  // of the letters above
const QString ReducedSounds = QStringLiteral("ViiiVuyiui");

bool IsVowelLetter(QChar c)
{
    return VowelLetters.contains(c.toLower());
}

bool IsStressMark(QStringView text, qsizetype i)
{
    return text[i] == Mark && i > 0 && text[i - 1].isLetter() && i + 1 < text.size() && IsVowelLetter(text[i + 1]);
}

// The word around the mark at i: letters and the mark.
std::pair<qsizetype, qsizetype> MarkedWord(QStringView text, qsizetype i)
{
    qsizetype start = i, end = i + 1;
    while (start > 0 && text[start - 1].isLetter())
        --start;
    while (end < text.size() && (text[end].isLetter() || IsStressMark(text, end)))
        ++end;
    return {start, end};
}

} // namespace

std::pair<int, int> PhonemeInput::Original(int position, int length) const
{
    int shift = 0;
    for (const Word &word : words) {
        if (position < word.start)
            break;
        if (position < word.start + word.length)
            return {word.original, word.originalLength};
        shift = (word.original + word.originalLength) - (word.start + word.length);
    }
    return {position + shift, length};
}

QString MoveStress(const QString &phonemes, const QString &word, int stressedVowel)
{
    QList<qsizetype> letters;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (IsVowelLetter(word[i]))
            letters << VowelLetters.indexOf(word[i].toLower());
    const auto vowels = std::count_if(phonemes.begin(), phonemes.end(), [](QChar c) { return VowelPhonemes.contains(c); });
    if (vowels != letters.size() || stressedVowel < 0 || stressedVowel >= letters.size())
        return {};
    QString moved;
    bool stressedBefore = false;
    int vowel = 0;
    for (QChar c : phonemes) {
        if (c == Primary || c == Secondary) {
            stressedBefore = stressedBefore || c == Primary;
            continue;
        }
        if (!VowelPhonemes.contains(c)) {
            moved += c;
            continue;
        }
        const qsizetype letter = letters[vowel];
        if (vowel == stressedVowel)
            moved += QString(Primary) + StressedSounds[letter];
        else
            moved += stressedBefore ? ReducedSounds[letter] : c;
        stressedBefore = false;
        ++vowel;
    }
    return moved;
}

PhonemeInput WithPhonemeInput(const QString &text, const Transcribe &transcribe)
{
    PhonemeInput input;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsStressMark(text, i))
            continue;
        const auto [start, end] = MarkedWord(text, i);
        const QStringView marked = QStringView(text).sliced(start, end - start);
        QString plain = marked.toString();
        plain.remove(Mark);
        const auto stressed = std::count_if(marked.begin(), marked.begin() + (i - start), IsVowelLetter);
        const QString phonemes = MoveStress(transcribe(plain), plain, int(stressed));
        input.text += QStringView(text).sliced(copied, start - copied);
        const QString said = phonemes.isEmpty() ? plain : QStringLiteral("[[%1]]").arg(phonemes);
        input.words.append({int(input.text.size()), int(said.size()), int(start), int(end - start)});
        input.text += said;
        copied = end;
        i = end - 1;
    }
    input.text += QStringView(text).sliced(copied);
    return input;
}
