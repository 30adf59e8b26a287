// A whole book read aloud without a slip: a text of SOAK_SENTENCES sentences (2000 unless told;
// short lines of dialogue, long paragraphs, chapter headings, dashes, English runs) read by the
// reading controller with both embedded voices at their highest speed on the null sink.
// soak_pieces: the pieces spoken wrongly (a piece of the text not started, started twice or out of
// order, or cut: its last word never heard). soak_gap_p99: the silence between two pieces as the
// voices' played position tells it, from the end of one to the first word of the next.
// soak_rss_growth: the resident memory over the last hundred pieces less over the first hundred
// (over the last and first thirds of a run of fewer than 300).
#include "platform/LanguageIds.h"
#include "platform/qt/QtTimer.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechSystem.h"
#include "reading/LanguageDispatch.h"
#include "reading/ReadingController.h"
#include "reading/SentenceStepper.h"
#include "testsupport/FakeReadingView.h"
#include "testsupport/MemoryClipboard.h"
#include "workspace/PlainTextArea.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

QString Book(int sentences)
{
    const QStringList dialogue = {QStringLiteral("— Ты придёшь? — спросил он."), QStringLiteral("— Приду."),
                                  QStringLiteral("— Когда?"), QStringLiteral("— Завтра, — ответила она, — к вечеру.")};
    const QString longSentence = QStringLiteral(
        "Дорога шла через лес, потом вдоль реки, мимо старой мельницы и заброшенных огородов, и всё это "
        "время он думал о том, что скажет, когда наконец дойдёт до дома, где его давно уже никто не ждал");
    const QStringList english = {QStringLiteral("He said: the weather is fine today."),
                                 QStringLiteral("Good morning, my friend.")};
    QString text;
    for (int n = 0, chapter = 1; n < sentences; ++n) {
        if (n % 100 == 0)
            text += QStringLiteral("\r\nГлава %1\r\n\r\n").arg(chapter++);
        switch (n % 5) {
        case 0:
        case 1: text += dialogue[n % dialogue.size()] + QStringLiteral("\r\n"); break;
        case 2: text += longSentence + QStringLiteral(" (%1). ").arg(n); break;
        case 3: text += english[n % english.size()] + ' '; break;
        default: text += QStringLiteral("Он замолчал — надолго. \r\n"); break;
        }
    }
    return text;
}

// The pieces the stepper selects in the text, in order, as the reading takes them: what must be
// heard.
QStringList PiecesOf(const QString &text)
{
    PlainTextArea area(text);
    SentenceStepper stepper;
    bool ended = false;
    stepper.AcStopBoth = [&] { ended = true; };
    QStringList pieces;
    while (!ended)
        if (stepper.NextSpokenPiece(area))
            pieces << area.SelText();
    return pieces;
}

double ResidentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double Mean(const std::vector<double> &values, std::size_t from, std::size_t count)
{
    const auto begin = values.begin() + qsizetype(std::min(from, values.size()));
    const auto end = begin + qsizetype(std::min(count, std::size_t(values.end() - begin)));
    return begin == end ? 0 : std::accumulate(begin, end, 0.0) / double(end - begin);
}

int FindVoice(const QList<SpeechVoice> &voices, int languageId)
{
    for (int i = 0; i < voices.size(); ++i)
        if (voices[i].backend == SpeechVoice::Backend::Embedded && voices[i].languageId == languageId)
            return i + 1;
    return 0;
}

// A piece as one voice was given it and what was heard of it.
struct Heard {
    QString text;
    int lastWordEnd = -1;  // behind the last word told
    Clock::time_point started, firstWord, ended;
    bool wordTold = false, endTold = false;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int sentences =
        qEnvironmentVariableIsSet("SOAK_SENTENCES") ? qEnvironmentVariableIntValue("SOAK_SENTENCES") : 2000;
    SpeechSystem speech;
    const int foreignVoice = FindVoice(speech.Voices(), EnglishLanguageId);
    const int russianVoice = FindVoice(speech.Voices(), RussianLanguageId);
    if (!foreignVoice || !russianVoice) {
        std::fprintf(stderr, "no embedded English and Russian voices\n");
        return 1;
    }
    const std::unique_ptr<SpeechEngine> foreign = speech.NewEngine(), russian = speech.NewEngine();
    foreign->Select(foreignVoice);
    russian->Select(russianVoice);
    for (SpeechEngine *engine : {foreign.get(), russian.get()})
        engine->SetSpeed(engine->MaxSpeed());

    const QString text = Book(sentences);
    const QStringList expected = PiecesOf(text);
    PlainTextArea re1(text), re2;
    FakeReadingView view;
    SentenceStepper stepper;
    LanguageDispatch dispatch(*foreign, *russian);
    QtTimer tmSleep;
    MemoryClipboard clipboard;
    ReadingController reading(view, re1, re2, stepper, dispatch, tmSleep, clipboard);
    ReadingController::Options options = reading.CurrentOptions();
    options.ExtraPause = 0;
    reading.SetOptions(options);

    std::vector<Heard> heard;
    std::vector<double> resident;
    reading.OnPieceStarted = [&](int, const QString &piece) {
        heard.push_back({piece, -1, Clock::now(), {}, {}, false, false});
        resident.push_back(ResidentMb());
    };
    const auto wordOn = dispatch.OnWordSpoken;
    dispatch.OnWordSpoken = [&](int position, int length) {
        if (!heard.empty()) {
            Heard &piece = heard.back();
            if (!std::exchange(piece.wordTold, true))
                piece.firstWord = Clock::now();
            piece.lastWordEnd = std::max(piece.lastWordEnd, position + length);
        }
        wordOn(position, length);
    };
    const auto pieceOn = dispatch.OnPieceSpoken;
    dispatch.OnPieceSpoken = [&] {
        if (!heard.empty()) {
            heard.back().ended = Clock::now();
            heard.back().endTold = true;
        }
        pieceOn();
    };

    // A voice that stops telling anything for half a minute ends the run; what it left unread counts.
    reading.BtStartSpeakingClick();
    QElapsedTimer quiet;
    quiet.start();
    std::size_t piecesSeen = 0;
    while (reading.ReadingActive() && quiet.elapsed() < 30000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (heard.size() != std::exchange(piecesSeen, heard.size()))
            quiet.restart();
    }

    static const QRegularExpression word(QStringLiteral("[\\w]+"), QRegularExpression::UseUnicodePropertiesOption);
    int wrong = std::abs(int(expected.size()) - int(heard.size()));
    std::vector<double> gaps;
    for (std::size_t i = 0; i < heard.size(); ++i) {
        const Heard &piece = heard[i];
        const QString spoken = QString(piece.text).remove('`');
        int lastWordStart = -1;
        for (auto match = word.globalMatch(spoken); match.hasNext();)
            lastWordStart = int(match.next().capturedStart());
        const bool inOrder = qsizetype(i) < expected.size() && expected[qsizetype(i)] == piece.text;
        const bool cut = !piece.endTold || (lastWordStart >= 0 && piece.lastWordEnd <= lastWordStart);
        if (!inOrder || cut)
            ++wrong;
        if (i > 0 && heard[i - 1].endTold && piece.wordTold)
            gaps.push_back(std::chrono::duration<double, std::milli>(piece.firstWord - heard[i - 1].ended).count());
    }
    std::sort(gaps.begin(), gaps.end());
    const double p99 = gaps.empty() ? 0 : gaps[std::min(gaps.size() - 1, gaps.size() * 99 / 100)];
    std::printf("BENCH soak_pieces %d count\n", wrong);
    std::printf("BENCH soak_gap_p99 %.1f ms\n", p99);
    // A short run compares its first and last thirds.
    const std::size_t window = std::min<std::size_t>(100, resident.size() / 3);
    std::printf("BENCH soak_rss_growth %.2f MB\n",
                Mean(resident, resident.size() - window, window) - Mean(resident, 0, window));
    return 0;
}
