// A 30 MB plain text without a line break, written by the benchmark into a folder of its own,
// dropped on the main window until the window is painted with it; the text area must then hold the
// text unchanged.
//   open_txt_30mb_line: milliseconds from the drop to the painted window.
//   open_txt_30mb_line_peak_rss: the process's peak resident set once the text has been opened.
#include "WindowOpen.h"
#include "testsupport/ScriptedVoices.h"
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr qsizetype Bytes = 30 * 1000 * 1000;

// Sentences of Russian words one after another, without a line break.
bool WriteOneLine(const QString &path)
{
    const QByteArray sentence = QStringLiteral("Длинная строка идёт без конца, слово за словом, "
                                               "и ни одного перевода строки в ней нет. ").toUtf8();
    QByteArray text;
    text.reserve(Bytes + sentence.size());
    while (text.size() < Bytes)
        text += sentence;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("одна строка.txt"));
    if (!WriteOneLine(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
    window.resize(900, 700);
    window.show();
    QCoreApplication::processEvents();

    const double ms = Open(window, path);
    if (ms < 0) {
        std::fprintf(stderr, "the text did not open\n");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("BENCH open_txt_30mb_line %.1f ms\n", ms);
    std::printf("BENCH open_txt_30mb_line_peak_rss %.1f MB\n", usage.ru_maxrss / 1024.0);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || window.Text().Text() != QString::fromUtf8(file.readAll())) {
        std::fprintf(stderr, "the text area does not hold the text as it was\n");
        return 1;
    }
    return 0;
}
