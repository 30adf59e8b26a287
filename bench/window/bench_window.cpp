// A tab switch into and out of the speed reader with the 3 MB book in the text area: from the
// click on the tab to the window painted with the text area rebuilt for the new tab.
#include "testsupport/ScriptedVoices.h"
#include "testsupport/Named.h"
#include "app/TFormHello.h"
#include "app/TLektavo.h"
#include "platform/qt/QtTextArea.h"
#include "settings/TextEncoding.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rounds = 7;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the tab change to the window painted.
double SwitchTo(TLektavo &window, int tab)
{
    QElapsedTimer elapsed;
    elapsed.start();
    Named<QTabWidget>(window, "PageControl1")->setCurrentIndex(tab);
    QCoreApplication::processEvents();
    window.repaint();
    return elapsed.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFile book(QStringLiteral(LEKTAVO_BENCH_BOOK));
    if (!book.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(book.fileName()));
        return 1;
    }
    const QString text = DecodeUtf8Or1251(book.readAll());

    QTemporaryDir folder;
    TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
    window.resize(900, 700);
    window.show();
    window.Text().SetText(text);
    window.Text().SetSelStart(int(text.size() / 2));
    window.Text().SetSelLength(40);
    const int length = window.Text().TextLength();
    QCoreApplication::processEvents();

    std::vector<double> in, out;
    bool rewrapped = true;
    for (int round = 0; round < Rounds; ++round) {
        in.push_back(SwitchTo(window, TLektavo::TsSrIndex));
        rewrapped = rewrapped && Named<QPlainTextEdit>(window, "Re1")->lineWrapMode() == QPlainTextEdit::NoWrap;
        out.push_back(SwitchTo(window, TLektavo::TsReIndex));
        rewrapped = rewrapped && Named<QPlainTextEdit>(window, "Re1")->lineWrapMode() == QPlainTextEdit::WidgetWidth;
    }
    std::printf("BENCH tab_switch_in %.1f ms\n", Median(in));
    std::printf("BENCH tab_switch_out %.1f ms\n", Median(out));
    if (!rewrapped || window.Text().TextLength() != length) {
        std::fprintf(stderr, "the switches did not rebuild the text area as they should\n");
        return 1;
    }
    return 0;
}
