// Inputs that must neither hang, crash nor grow the program: each ends with the open-failure
// message or a sound text. How long they take and how much memory they need is measured by
// bench/documents.
#include "DocumentSamples.h"
#include "testsupport/TestDocuments.h"
#include "platform/documents/DocumentConversion.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;
constexpr uid_t kNobody = 65534;

QByteArray RandomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(12);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// Root reads every file, so the unreadable one is tried as the unprivileged user then.
class AsUnprivilegedUser {
public:
    AsUnprivilegedUser()
        : wasRoot(geteuid() == 0)
    {
        if (wasRoot && seteuid(kNobody) != 0)
            wasRoot = false;
    }
    ~AsUnprivilegedUser()
    {
        if (wasRoot && seteuid(0) != 0)
            qFatal("cannot become root again");
    }
    AsUnprivilegedUser(const AsUnprivilegedUser &) = delete;
    AsUnprivilegedUser &operator=(const AsUnprivilegedUser &) = delete;

private:
    bool wasRoot;
};

}  // namespace

class TestBadDocuments : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<DocumentConverter> converter;

    QString Path(const char *name) const { return folder.filePath(QLatin1String(name)); }

    bool Write(const char *name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    void Refused(const QString &path)
    {
        const ConvertedDocument document = converter->Convert(path, {});
        QCOMPARE(document.outcome, ConvertedDocument::Outcome::Failed);
        QCOMPARE(document.message, QString::fromUtf8(kOpenFailedMessage));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder.isValid());
        QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x7755)));
        converter = MakeDocumentConverter(folder.path() + u'/');
        QVERIFY(Write("empty.txt", {}));
        QVERIFY(Write("binary.txt", RandomBytes(4096)));
        QVERIFY(Write("random.docx", RandomBytes(8192)));
        const QByteArray docx = TestDocuments::Bytes(QStringLiteral("ru_story.docx"));
        QVERIFY(Write("truncated.docx", docx.first(docx.size() / 2)));
        QVERIFY(Write("story.doc", TestDocuments::Bytes(QStringLiteral("ru_story.cp1251.rtf"))));
        QVERIFY(Write("bomb.epub", DocumentSamples::ZipBombEpub(200 * kMegabyte)));
        QVERIFY(Write("small.epub", DocumentSamples::ZipBombEpub(kMegabyte)));
        QVERIFY(Write("paragraph.html", DocumentSamples::OneParagraphHtml(2 * kMegabyte)));
        QVERIFY(DocumentSamples::WriteRepeated(Path("line.txt"), "one long line ", 30 * kMegabyte));
        QVERIFY(DocumentSamples::WriteRepeated(Path("huge.txt"), "Строка текста.\n", 100 * kMegabyte));
        QVERIFY(Write("no text.docx", DocumentSamples::Docx("<w:p><w:r><w:drawing/></w:r></w:p>")));
        QVERIFY(Write("unreadable.txt", "secret"));
        QVERIFY(QFile::setPermissions(Path("unreadable.txt"), {}));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.txt")));
        QCOMPARE(QProcess::execute(QStringLiteral("qpdf"),
                                   {QStringLiteral("--encrypt"), QStringLiteral("user"), QStringLiteral("owner"),
                                    QStringLiteral("256"), QStringLiteral("--"),
                                    TestDocuments::Path(QStringLiteral("ru_story.pdf")), Path("locked.pdf")}),
                 0);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"binary.txt", "random.docx", "truncated.docx", "bomb.epub", "huge.txt", "locked.pdf",
                                 "no text.docx", "folder.txt", "deleted.txt"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void refused()
    {
        QFETCH(QString, name);
        Refused(folder.filePath(name));
    }

    void refusedWithoutReadPermission()
    {
        const AsUnprivilegedUser unprivileged;
        Refused(Path("unreadable.txt"));
    }

    void anEmptyFileIsAnEmptyText()
    {
        const ConvertedDocument document = converter->Convert(Path("empty.txt"), {});
        QVERIFY(document.IsConverted());
        QCOMPARE(document.text, QString());
    }

    void rtfNamedDocOpensThroughLibreOffice()
    {
        const ConvertedDocument document = converter->Convert(Path("story.doc"), {});
        QVERIFY2(document.IsConverted(), qPrintable(document.message));
        QVERIFY(document.text.contains(QStringLiteral("На обложке было написано")));
    }

    void aPackageThatUnpacksToLessOpens()
    {
        const ConvertedDocument document = converter->Convert(Path("small.epub"), {});
        QVERIFY(document.IsConverted());
        QCOMPARE(document.text, QString(kMegabyte, u'a'));
    }

    void oneLongParagraphStaysOneLine()
    {
        const ConvertedDocument document = converter->Convert(Path("paragraph.html"), {});
        QVERIFY(document.IsConverted());
        QCOMPARE(document.text.count(u'\n'), 0);
        QCOMPARE(document.text.count(QStringLiteral("слово")), 2 * kMegabyte / QByteArray("слово ").size());
    }

    void aLineOf30MbIsTakenWhole()
    {
        const ConvertedDocument document = converter->Convert(Path("line.txt"), {});
        QVERIFY(document.IsConverted());
        QCOMPARE(document.text.size(), 30 * kMegabyte);
        QVERIFY(!document.text.contains(u'\n'));
    }
};

QTEST_GUILESS_MAIN(TestBadDocuments)
#include "tst_BadDocuments.moc"
