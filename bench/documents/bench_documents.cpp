// The converters on the test documents and the 3 MB book: the median time of a conversion from the file's name to
// its text, LibreOffice's from a cold start (a process of its own each time, the first time with a
// new profile too), and the time and peak memory of the worst inputs, each in a process of its own.
#include "DocumentSamples.h"
#include "platform/documents/DocumentConversion.h"
#include "testsupport/TestDocuments.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kRounds = 21;
constexpr int kLibreOfficeRounds = 5;
constexpr qint64 kMegabyte = 1024 * 1024;

const struct {
    const char *figure;
    const char *document;
} kDocumentFigures[] = {
    {"open_docx", "ru_story.docx"},
    {"open_odt", "mixed_story.odt"},
    {"open_fb2", "ru_story.cp1251.fb2"},
    {"open_epub", "ru_story.epub"},
    {"open_html", "ru_story.html"},
    {"open_pdf", "ru_story.pdf"},
};

const QString Book = QStringLiteral(LEKTAVO_BENCH_BOOK);

QString Document(const char *name)
{
    return TestDocuments::Path(QLatin1String(name));
}

// Milliseconds of one conversion, whether it gave a text or not.
double ElapsedMs(DocumentConverter &converter, const QString &path, bool &converted)
{
    QElapsedTimer elapsed;
    elapsed.start();
    converted = converter.Convert(path, {}).IsConverted();
    return double(elapsed.nsecsElapsed()) / 1e6;
}

// Milliseconds of a conversion that must give a text; negative when it failed.
double ConvertMs(DocumentConverter &converter, const QString &path)
{
    bool converted = false;
    const double ms = ElapsedMs(converter, path, converted);
    return converted ? ms : -1;
}

double MedianMs(DocumentConverter &converter, const QString &path, int rounds)
{
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round)
        times.push_back(ConvertMs(converter, path));
    std::sort(times.begin(), times.end());
    return times.front() < 0 ? -1 : times[times.size() / 2];
}

bool Print(const char *figure, double value, const char *unit)
{
    if (value < 0) {
        std::fprintf(stderr, "documents: %s failed\n", figure);
        return false;
    }
    std::printf("BENCH %s %.1f %s\n", figure, value, unit);
    return true;
}

LibreOfficeSetup SetupIn(const QTemporaryDir &folder)
{
    LibreOfficeSetup setup = InstalledLibreOffice(folder.path() + u'/');
    setup.profileFolder = folder.filePath(QStringLiteral("profile"));
    setup.workFolder = folder.path();
    return setup;
}

// The child's part: converts path and prints whether it gave a text, its time and the peak
// resident memory of the process.
int MeasureChild(const QString &path)
{
    QTemporaryDir folder;
    DocumentConversion converter(SetupIn(folder));
    bool converted = false;
    const double ms = ElapsedMs(converter, path, converted);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%d %.1f %.1f\n", int(converted), ms, double(usage.ru_maxrss) / 1024.0);
    return 0;
}

// The figures of one input converted (or refused, as wanted) in a child process.
bool MeasureInChild(const char *figure, const QString &path, bool convertible)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), path});
    if (!child.waitForFinished(120'000))
        return Print(figure, -1, "");
    const QStringList values = QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(u' ');
    if (values.size() != 3 || (values[0] == u"1") != convertible)
        return Print(figure, -1, "");
    return Print(figure, values[1].toDouble(), "ms") && Print((QByteArray(figure) + "_rss").constData(), values[2].toDouble(), "MB");
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool WorstInputs()
{
    QTemporaryDir folder;
    const QString bomb = folder.filePath(QStringLiteral("bomb.epub"));
    const QString paragraph = folder.filePath(QStringLiteral("paragraph.html"));
    const QString line = folder.filePath(QStringLiteral("line.txt"));
    const QString huge = folder.filePath(QStringLiteral("huge.txt"));
    const bool made = Write(bomb, DocumentSamples::ZipBombEpub(1024 * kMegabyte))
                   && Write(paragraph, DocumentSamples::OneParagraphHtml(2 * kMegabyte))
                   && DocumentSamples::WriteRepeated(line, "one long line ", 30 * kMegabyte)
                   && DocumentSamples::WriteRepeated(huge, "Строка текста.\n", 100 * kMegabyte);
    if (!made) {
        std::fprintf(stderr, "documents: cannot write the worst inputs\n");
        return false;
    }
    bool measured = MeasureInChild("convert_txt_3mb_alone", Book, true);
    measured = MeasureInChild("refuse_zip_bomb_1gb", bomb, false) && measured;
    measured = MeasureInChild("convert_html_2mb_paragraph", paragraph, true) && measured;
    measured = MeasureInChild("convert_txt_30mb_line", line, true) && measured;
    measured = MeasureInChild("refuse_txt_100mb", huge, false) && measured;
    return measured;
}

bool LibreOfficeFigures()
{
    QTemporaryDir folder;
    DocumentConversion converter(SetupIn(folder));
    const QString document = Document("ru_story.doc");
    bool measured = Print("open_doc_libreoffice_new_profile", ConvertMs(converter, document), "ms");
    return Print("open_doc_libreoffice", MedianMs(converter, document, kLibreOfficeRounds), "ms") && measured;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--child")
        return MeasureChild(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir folder;
    DocumentConversion converter(SetupIn(folder));
    bool measured = true;
    for (const auto &figure : kDocumentFigures)
        measured = Print(figure.figure, MedianMs(converter, Document(figure.document), kRounds), "ms") && measured;
    measured = Print("convert_txt_3mb", MedianMs(converter, Book, kRounds), "ms") && measured;
    measured = LibreOfficeFigures() && measured;
    measured = WorstInputs() && measured;
    return measured ? 0 : 1;
}
