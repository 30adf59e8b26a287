#include "LektavoVersion.h"
#include "app/RunningProgram.h"
#include "testsupport/TestDocuments.h"
#include <QImage>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSettings>
#include <memory>

// The .deb that scripts/package makes of this build, unpacked into a temporary root as
// `dpkg-deb -x` does: what it holds, what the validators say of it, and the program started from
// there.
namespace {

const QString DesktopId = QStringLiteral(LEKTAVO_DESKTOP_ID);
const QString Version = QStringLiteral(LEKTAVO_VERSION);

struct Result {
    int exitCode = -1;  // -1 when the tool crashed or did not end in time
    QString output;     // standard output and error together
};

Result RunTool(const QString &tool, const QStringList &arguments, int timeoutMs = 120000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, tool + " did not end in time: " + QString::fromUtf8(process.readAll())};
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, QString::fromUtf8(process.readAll())};
}

// "Key: value" lines, as the package's control fields and a desktop entry's group have them.
QString FieldOf(const QString &lines, const QString &key, QChar separator)
{
    const QRegularExpression field("^" + QRegularExpression::escape(key) + separator + " *(.*)$",
                                   QRegularExpression::MultilineOption);
    return field.match(lines).captured(1).trimmed();
}

} // namespace

class TestPackage : public QObject {
    Q_OBJECT

    QString Installed(const QString &path) const { return root.filePath("usr/" + path); }
    QString DesktopEntry() const { return Installed("share/applications/" + DesktopId + ".desktop"); }
    QString DesktopValue(const QString &key) const
    {
        QFile entry(DesktopEntry());
        return entry.open(QIODevice::ReadOnly) ? FieldOf(QString::fromUtf8(entry.readAll()), key, '=') : QString();
    }
    QString Unzipped(const QString &path) const { return RunTool("zcat", {Installed(path)}).output; }

    QTemporaryDir work;
    QTemporaryDir root;
    QString deb;

private slots:
    void initTestCase()
    {
        const Result packed = RunTool(LEKTAVO_SOURCE_DIR "/scripts/package", {LEKTAVO_BUILD_DIR, work.path()}, 300000);
        QVERIFY2(packed.exitCode == 0, qPrintable(packed.output));
        deb = packed.output.trimmed().section('\n', -1);
        QVERIFY2(QFileInfo(deb).fileName().startsWith("lektavo_" + Version + "_"), qPrintable(deb));
        const Result unpacked = RunTool("dpkg-deb", {"-x", deb, root.path()});
        QVERIFY2(unpacked.exitCode == 0, qPrintable(unpacked.output));
    }

    void lintianReportsNoError()
    {
        const Result lintian = RunTool("lintian", {"--fail-on", "error", deb}, 300000);
        QVERIFY2(lintian.exitCode == 0, qPrintable(lintian.output));
    }

    void theLibrariesAreDependedOnAndTheServicesRecommended()
    {
        const QString fields = RunTool("dpkg-deb", {"-f", deb}).output;
        const QStringList depends = FieldOf(fields, "Depends", ':').split(", ");
        for (const QString library : {"libc6", "libqt6widgets6", "libqt6multimedia6", "libespeak-ng1", "libspeechd2",
                                      "libpoppler-cpp0v5", "libzip4", "librcd0"}) {
            QVERIFY2(depends.filter(QRegularExpression("^" + library + " \\(>= ")).size() == 1, qPrintable(library));
        }
        QVERIFY(depends.contains("qt6-translations-l10n"));
        const QStringList recommends = FieldOf(fields, "Recommends", ':').split(", ");
        for (const QString service : {"speech-dispatcher", "speech-dispatcher-espeak-ng", "speech-dispatcher-festival",
                                      "libreoffice-writer-nogui | libreoffice-writer"})
            QVERIFY2(recommends.contains(service), qPrintable(service));
        QVERIFY(RunTool("dpkg-deb", {"-f", deb, "Description"}).output.count('\n') > 5);
    }

    // Debian 12's validator has nothing to say of the entry, not even a hint.
    void theDesktopEntryIsValid()
    {
        const Result check = RunTool("desktop-file-validate", {DesktopEntry()});
        QCOMPARE(check.output, QString());
        QCOMPARE(check.exitCode, 0);
        QCOMPARE(DesktopValue("X-GNOME-SingleWindow"), "true");
        QCOMPARE(DesktopValue("Exec"), "lektavo %f");
        QVERIFY(QFileInfo(Installed(DesktopValue("TryExec").prepend("bin/"))).isExecutable());
    }

    void theMetainfoIsValidAndLaunchesTheDesktopEntry()
    {
        const Result file = RunTool("appstreamcli", {"validate", "--no-net", Installed("share/metainfo/" + DesktopId + ".metainfo.xml")});
        QVERIFY2(file.exitCode == 0, qPrintable(file.output));
        const Result tree = RunTool("appstreamcli", {"validate-tree", "--no-net", root.path()});
        QVERIFY2(tree.exitCode == 0, qPrintable(tree.output));
    }

    void everyIconHasTheSizeOfItsFolder()
    {
        QCOMPARE(DesktopValue("Icon"), DesktopId);
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage icon(Installed(QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(DesktopId)));
            QCOMPARE(icon.size(), QSize(size, size));
        }
        QVERIFY(QFile::exists(Installed("share/icons/hicolor/scalable/apps/" + DesktopId + ".svg")));
    }

    // "Open with" in a file manager offers Lektavo for every kind of document that it opens.
    void everyDocumentThatOpensIsOfferedToTheFileManager()
    {
        QMimeDatabase mimeTypes;
        const QStringList offered = DesktopValue("MimeType").split(';', Qt::SkipEmptyParts);
        for (const QString &type : offered)
            QVERIFY2(mimeTypes.mimeTypeForName(type).isValid(), qPrintable(type));
        const QFileInfoList documents = QDir(TestDocuments::Folder()).entryInfoList({"*.*"}, QDir::Files);
        QVERIFY(documents.size() > 10);
        for (const QFileInfo &document : documents) {
            if (document.fileName().endsWith(".expected.txt"))
                continue;
            const QString type = mimeTypes.mimeTypeForFile(document).name();
            QVERIFY2(offered.contains(type), qPrintable(document.fileName() + ": " + type));
        }
    }

    void theReleaseNotesAndManualPagesAreOfThisVersion()
    {
        QFile metainfo(Installed("share/metainfo/" + DesktopId + ".metainfo.xml"));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        const QRegularExpression release("<release version=\"([^\"]+)\"");
        QCOMPARE(release.match(QString::fromUtf8(metainfo.readAll())).captured(1), Version);
        QVERIFY(Unzipped("share/doc/lektavo/changelog.gz").startsWith("lektavo (" + Version + ") "));
        QVERIFY(QFile::exists(Installed("share/doc/lektavo/copyright")));
        for (const QString page : {"share/man/man1/lektavo.1.gz", "share/man/ru/man1/lektavo.1.gz"})
            QVERIFY2(Unzipped(page).contains(QRegularExpression("^\\.TH LEKTAVO 1 .* \"Lektavo " + Version + "\"")),
                     qPrintable(page));
    }

    // Started from the unpacked root, whose bin/ is no place for its state: the window shows with
    // the class that the desktop entry names and the icon, and the files go to the user's folder.
    void theUnpackedProgramShowsItsWindowAndKeepsItsFilesInTheUsersFolder()
    {
        RunningProgram program(Installed("bin/lektavo"));
        const QStringList programFiles = QDir(Installed("bin")).entryList(QDir::Files);
        std::unique_ptr<QProcess> running(program.Start());
        const QString caption = "Lektavo " + Version;
        QTRY_COMPARE_WITH_TIMEOUT(RunningProgram::WindowsTitled(*running, caption).size(), 1, 15000);
        const QString window = RunningProgram::WindowsTitled(*running, caption).first();

        const QString classes = RunTool("xprop", {"-id", window, "WM_CLASS"}).output;
        QCOMPARE(QRegularExpression("= \"[^\"]*\", \"([^\"]*)\"").match(classes).captured(1), DesktopValue("StartupWMClass"));
        QVERIFY(RunTool("xprop", {"-id", window, "-len", "8", "_NET_WM_ICON"}).output.startsWith("_NET_WM_ICON(CARDINAL) = "));

        const QString userFolder = program.DataFolder() + "/Lektavo/Lektavo/";
        const QString configuration = program.ConfigFolder() + "/Lektavo/Lektavo.conf";
        QCOMPARE(QSettings(configuration, QSettings::IniFormat).value("Location").toString(), userFolder);
        running->terminate();
        QVERIFY(running->waitForFinished(10000));
        QCOMPARE(running->exitCode(), 0);
        QVERIFY(QFile::exists(userFolder + "Data.dat"));
        QCOMPARE(QDir(Installed("bin")).entryList(QDir::Files), programFiles);
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_Package.moc"
