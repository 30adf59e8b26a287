#include "reading/PronunciationDictionary.h"
#include <QStringList>
#include <algorithm>
#include <optional>

namespace {

constexpr QChar Stress = u'+';
constexpr QChar FormsMark = u'*';

bool IsVowel(QChar c)
{
    switch (c.toLower().unicode()) {
    case u'а': case u'е': case u'ё': case u'и': case u'о': case u'у': case u'ы': case u'э': case u'ю': case u'я':
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'y':
        return true;
    default:
        return false;
    }
}

bool IsLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'а' && u <= u'я') || (u >= u'А' && u <= u'Я') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z')
        || (u > 0x7f && c.isLetter());
}

bool IsYo(QChar c)
{
    return c == u'ё' || c == u'Ё';
}

bool IsJoiner(QChar c)
{
    return c == u'-' || c == u'\'' || c == u'\u2019';
}

QString WithoutStress(QStringView text)
{
    QString plain = text.toString();
    plain.remove(Stress);
    return plain;
}

// At most one "+", and only before a vowel.
bool StressMarksFit(QStringView reading)
{
    const qsizetype at = reading.indexOf(Stress);
    if (at < 0)
        return true;
    return reading.indexOf(Stress, at + 1) < 0 && at + 1 < reading.size() && IsVowel(reading[at + 1]);
}

bool IsOneWord(QStringView text)
{
    const auto words = WordsOf(text);
    return words.size() == 1 && words.first() == std::pair<int, int>(0, int(text.size()));
}

// Letters of the Russian and English alphabets are folded without Qt's tables: every word of a
// text read aloud is folded to be looked up.
QChar FoldedLetter(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'A' && u <= u'Z') || (u >= u'А' && u <= u'Я'))
        return QChar(char16_t(u + 0x20));
    if ((u >= u'a' && u <= u'z') || (u >= u'а' && u <= u'я'))
        return c;
    return IsYo(c) ? QChar(u'е') : c.toLower();
}

void FoldInto(QStringView word, QString &folded)
{
    folded.resize(word.size());
    QChar *out = folded.data();
    for (QChar c : word)
        *out++ = FoldedLetter(c);
}

// The reading is the key's letters, "ё" for "е" and a "+" allowed: no respelling.
bool ReadsAsWritten(const PronunciationEntry &entry)
{
    qsizetype k = 0;
    for (QChar c : entry.reading) {
        if (c == Stress)
            continue;
        if (k == entry.key.size() || FoldedLetter(c) != FoldedLetter(entry.key[k++]))
            return false;
    }
    return k == entry.key.size();
}

int VowelsBefore(QStringView text, qsizetype end)
{
    return int(std::count_if(text.begin(), text.begin() + end, IsVowel));
}

// Which vowel the "+" or else the first "ё" marks, among the vowels of the text without "+".
int StressedVowel(QStringView marked)
{
    const qsizetype stress = marked.indexOf(Stress);
    if (stress >= 0)
        return VowelsBefore(marked, stress);
    const auto yo = std::find_if(marked.begin(), marked.end(), IsYo);
    return yo == marked.end() ? -1 : VowelsBefore(marked, yo - marked.begin());
}

std::optional<PronunciationEntry> EntryOfLine(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    QStringView key = (equals < 0 ? line : line.first(equals)).trimmed();
    PronunciationEntry entry;
    entry.forms = key.endsWith(FormsMark);
    if (entry.forms)
        key.chop(1);
    entry.reading = (equals < 0 ? key : line.sliced(equals + 1).trimmed()).toString();
    entry.key = WithoutStress(key);
    if (!PronunciationDictionary::MakesSense(entry))
        return std::nullopt;
    return entry;
}

} // namespace

QList<std::pair<int, int>> WordsOf(QStringView text)
{
    QList<std::pair<int, int>> words;
    for (qsizetype i = 0; i < text.size();) {
        if (!IsLetter(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() &&
               (IsLetter(text[i]) || (IsJoiner(text[i]) && i + 1 < text.size() && IsLetter(text[i + 1]))))
            ++i;
        words.append({int(start), int(i - start)});
    }
    return words;
}

QString PronunciationDictionary::Folded(QStringView word)
{
    QString folded;
    FoldInto(word, folded);
    return folded;
}

bool PronunciationDictionary::MakesSense(const PronunciationEntry &entry)
{
    const QString plain = WithoutStress(entry.reading);
    if (!IsOneWord(entry.key) || !IsOneWord(plain) || !StressMarksFit(entry.reading))
        return false;
    if (!ReadsAsWritten(entry))
        return true;  // a respelling
    return entry.reading.contains(Stress) || std::any_of(plain.begin(), plain.end(), IsYo);
}

PronunciationDictionary PronunciationDictionary::Parse(const QString &text, QList<int> *badLines)
{
    PronunciationDictionary dictionary;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = QStringView(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (const auto entry = EntryOfLine(line))
            dictionary.entries.append(*entry);
        else if (badLines)
            badLines->append(int(i + 1));
    }
    dictionary.Index();
    return dictionary;
}

QString PronunciationDictionary::ToText() const
{
    QString text;
    for (const PronunciationEntry &entry : entries)
        text += entry.key + (entry.forms ? QString(FormsMark) : QString()) + u'=' + entry.reading + u'\n';
    return text;
}

bool PronunciationDictionary::Set(const PronunciationEntry &entry)
{
    if (!MakesSense(entry))
        return false;
    QHash<QString, qsizetype> &index = entry.forms ? forms : whole;
    const QString key = Folded(entry.key);
    if (const auto same = index.constFind(key); same != index.constEnd()) {
        entries[*same] = entry;
        return true;
    }
    index.insert(key, entries.size());
    entries.append(entry);
    if (entry.forms)
        NoteForm(entry.key);
    return true;
}

void PronunciationDictionary::Remove(const QString &key, bool forms)
{
    const QString folded = Folded(key);
    entries.removeIf([&](const PronunciationEntry &e) { return e.forms == forms && Folded(e.key) == folded; });
    Index();
}

PronunciationDictionary PronunciationDictionary::Combined(const PronunciationDictionary &book,
                                                          const PronunciationDictionary &everyText)
{
    PronunciationDictionary combined = everyText;
    for (const PronunciationEntry &entry : book.entries)
        combined.Set(entry);
    return combined;
}

void PronunciationDictionary::Index()
{
    whole.clear();
    forms.clear();
    longestForm = 0;
    formLengths = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const PronunciationEntry &entry = entries[i];
        (entry.forms ? forms : whole).insert(Folded(entry.key), i);
        if (entry.forms)
            NoteForm(entry.key);
    }
}

// The word is folded into the thread's one buffer, and its beginnings are tried longest first by
// shortening it in place, only at the lengths some forms key has: new strings would cost more
// than the lookups.
const PronunciationEntry *PronunciationDictionary::Find(QStringView word) const
{
    thread_local QString folded;
    FoldInto(word, folded);
    if (const auto found = whole.constFind(folded); found != whole.constEnd())
        return &entries[*found];
    folded.truncate(std::min<qsizetype>(folded.size(), longestForm));
    for (; !folded.isEmpty(); folded.chop(1)) {
        if (!(formLengths & LengthBit(folded.size())))
            continue;
        if (const auto found = forms.constFind(folded); found != forms.constEnd())
            return &entries[*found];
    }
    return nullptr;
}

void PronunciationDictionary::NoteForm(const QString &key)
{
    longestForm = std::max(longestForm, int(key.size()));
    formLengths |= LengthBit(key.size());
}

quint64 PronunciationDictionary::LengthBit(qsizetype length)
{
    return quint64(1) << std::min<qsizetype>(length, 63);
}

QString SpokenWord::Plain() const
{
    return WithoutStress(text);
}

SpokenWord Pronounce(QStringView word, const PronunciationEntry &entry)
{
    SpokenWord spoken;
    const qsizetype covered = entry.forms ? entry.key.size() : word.size();
    const QStringView rest = word.sliced(covered);
    spoken.respelled = !ReadsAsWritten(entry);
    spoken.text.reserve(entry.reading.size() + rest.size());
    if (spoken.respelled) {
        spoken.text = entry.reading + rest.toString();
    } else {
        qsizetype letter = 0;
        for (QChar c : entry.reading) {
            if (c == Stress) {
                spoken.text += Stress;
                continue;
            }
            const QChar own = word[letter++];
            spoken.text += IsYo(c) && !IsYo(own) ? (own.isUpper() ? QChar(u'Ё') : QChar(u'ё')) : own;
        }
        spoken.text += rest;
    }
    spoken.stressedVowel = StressedVowel(spoken.text);
    return spoken;
}

// The built-in voice turns the marks into its phoneme input.
PronunciationStyle StyleOfModule(const QString &module)
{
    const bool marks = module.compare(u"rhvoice", Qt::CaseInsensitive) == 0 || module == u"eSpeak NG";
    return marks ? PronunciationStyle::StressMarks : PronunciationStyle::Plain;
}

QString WordForVoice(const SpokenWord &word, PronunciationStyle style)
{
    return style == PronunciationStyle::StressMarks ? word.text : word.Plain();
}

std::pair<int, int> SpokenPiece::PieceSpan(int position, int length) const
{
    const auto after = std::upper_bound(changes.begin(), changes.end(), position,
                                        [](int p, const Change &change) { return p < change.spokenStart; });
    if (after == changes.begin())
        return {position, length};
    const Change &change = *(after - 1);
    if (position < change.spokenStart + change.spokenLength)
        return {change.start, change.length};
    return {position + (change.start + change.length) - (change.spokenStart + change.spokenLength), length};
}
