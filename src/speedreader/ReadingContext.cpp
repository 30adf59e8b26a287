#include "speedreader/ReadingContext.h"

namespace {

QList<ReadingContext::Word> WordsOf(const QString &line)
{
    QList<ReadingContext::Word> words;
    int i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i].unicode() <= 32)
            ++i;
        const int start = i;
        while (i < line.size() && line[i].unicode() > 32)
            ++i;
        if (i > start)
            words.append({line.mid(start, i - start), start, false});
    }
    return words;
}

// A sentence ends at a word whose last mark, closing quotes and brackets aside, is . ! ? or …
bool EndsSentence(const QString &word)
{
    static const QString closing = QStringLiteral("\"'»”’)]}");
    int last = int(word.size()) - 1;
    while (last > 0 && closing.contains(word[last]))
        --last;
    return QStringLiteral(".!?…").contains(word[last]);
}

} // namespace

ReadingContext ReadingContext::Around(const QString &lineText, int line, int from, int to)
{
    QList<Word> words = WordsOf(lineText);
    int first = -1, last = -1;
    for (int i = 0; i < words.size(); ++i) {
        const Word &w = words[i];
        if (w.offset < to && w.offset + w.text.size() > from) {
            words[i].inGroup = true;
            first = first < 0 ? i : first;
            last = i;
        }
    }
    ReadingContext context;
    if (first < 0)
        return context;
    int begin = first;
    while (begin > 0 && first - begin < MaxWordsEachSide && !EndsSentence(words[begin - 1].text))
        --begin;
    int end = last;
    while (end + 1 < words.size() && end - last < MaxWordsEachSide && !EndsSentence(words[end].text))
        ++end;
    context.line = line;
    context.words = words.mid(begin, end - begin + 1);
    return context;
}
