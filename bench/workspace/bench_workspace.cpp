// The find and clean-up commands on the 3 MB novel in a shown text area of a usual window size.
// find_next_3mb: one press of "Найти" that goes round from the end of the text, for a text that
// occurs once, near the end, and is selected: the search runs through the whole book. The press
// right after an edit, when the area has to read its text again, is find_next_after_edit_3mb.
// remove_hyphenation_3mb (on the novel broken into hyphenated lines of 70 characters, as a
// document read from a printed page comes) and split_sentences_3mb: the text read from the area,
// cleaned up and put back as one undo step, up to the area painted.
#include "../BenchSupport.h"
#include "platform/qt/DesktopKeyboardLayout.h"
#include "platform/qt/QtTextArea.h"
#include "testsupport/HyphenatedText.h"
#include "testsupport/RecordingFindView.h"
#include "workspace/TextCleanup.h"
#include "workspace/TextFinder.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int FindPresses = 41;
constexpr int CleanUps = 5;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MillisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer elapsed;
    elapsed.start();
    work();
    return double(elapsed.nsecsElapsed()) / 1e6;
}

// A piece of the text that occurs only once, regardless of case, starting near a position.
int UniquePieceNear(const QString &text, int position, int length)
{
    for (int p = position; p + length <= text.size(); ++p) {
        const QStringView piece = QStringView(text).mid(p, length);
        if (text.indexOf(piece, 0, Qt::CaseInsensitive) == p
            && text.indexOf(piece, p + 1, Qt::CaseInsensitive) < 0)
            return p;
    }
    return -1;
}

struct ShownArea {
    QPlainTextEdit edit;
    QtTextArea area{&edit};

    ShownArea()
    {
        edit.resize(900, 650);
        edit.show();
        QCoreApplication::processEvents();
    }
    int VisibleLines() const { return edit.viewport()->height() / edit.fontMetrics().lineSpacing(); }
};

// Each press goes round the whole text back to the one occurrence, which stays selected.
bool MeasureFind(const QString &book)
{
    ShownArea shown;
    QtTextArea &area = shown.area;
    area.SetText(book);
    RecordingFindView view;
    view.visibleLines = shown.VisibleLines();
    FixedKeyboardLayout keyboard;
    TextFinder finder(area, view, keyboard);
    const int length = 24;
    const int position = UniquePieceNear(area.Text(), area.TextLength() - 3000, length);
    if (position < 0)
        return false;
    view.searchText = area.TextRange(position, length).toUpper();
    const auto press = [&] {
        area.SetSelStart(position);
        area.SetSelLength(length);
        return MillisecondsOf([&] { finder.BtFindClick(); });
    };
    press();
    std::vector<double> warm, afterEdit;
    for (int i = 0; i < FindPresses; ++i) {
        warm.push_back(press());
        QCoreApplication::processEvents();
        QTextCursor typing(shown.edit.document());
        typing.insertText(QStringLiteral("ж"));
        typing.deletePreviousChar();
        afterEdit.push_back(press());
        QCoreApplication::processEvents();
    }
    const bool foundOnce = area.SelStart() == position && area.SelLength() == length
                           && view.messages.size() == 2 * FindPresses + 1
                           && view.caption == QString::fromUtf8(TextFinder::FoundOnceMessage);
    if (!foundOnce)
        return false;
    std::printf("BENCH find_next_3mb %.3f ms\n", Median(warm));
    std::printf("BENCH find_next_after_edit_3mb %.3f ms\n", Median(afterEdit));
    return true;
}

bool MeasureCleanUp(const char *name, const QString &text,
                    const std::function<QString(const QString &)> &cleanUp)
{
    ShownArea shown;
    std::vector<double> times;
    for (int i = 0; i < CleanUps; ++i) {
        shown.area.SetText(text);
        QCoreApplication::processEvents();
        const QString before = shown.area.Text();
        times.push_back(MillisecondsOf([&] {
            shown.area.ReplaceText(cleanUp(shown.area.Text()));
            QCoreApplication::processEvents();
        }));
        const bool changed = shown.area.Text() != before;
        shown.edit.undo();
        if (!changed || shown.area.Text() != before)
            return false;
    }
    std::printf("BENCH %s %.1f ms\n", name, Median(times));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    UseOffscreenUnlessTold();
    QApplication app(argc, argv);
    const std::optional<QString> read = ReadBook();
    if (!read)
        return 1;
    const QString &book = *read;
    if (!MeasureFind(book)) {
        std::fprintf(stderr, "workspace: the press did not come back to the one occurrence\n");
        return 1;
    }
    const auto removeHyphenation = [](const QString &text) { return RemoveHyphenation(text); };
    const auto splitIntoSentences = [](const QString &text) { return SplitIntoSentences(text); };
    if (!MeasureCleanUp("remove_hyphenation_3mb", HyphenatedText(book, 70), removeHyphenation)
        || !MeasureCleanUp("split_sentences_3mb", book, splitIntoSentences)) {
        std::fprintf(stderr, "workspace: a clean-up changed nothing or its undo lost the text\n");
        return 1;
    }
    return 0;
}
