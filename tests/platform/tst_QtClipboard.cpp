#include "platform/qt/QtClipboard.h"
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QTest>
#include <memory>

namespace {

// xclip owning the clipboard with a text of the given target type; it serves until it is ended.
std::unique_ptr<QProcess> OwnClipboard(const QByteArray &data, const QString &target)
{
    auto owner = std::make_unique<QProcess>();
    owner->start("xclip", {"-selection", "clipboard", "-t", target, "-quiet"});
    owner->waitForStarted();
    owner->write(data);
    owner->closeWriteChannel();
    return owner;
}

void End(QProcess &process)
{
    process.kill();
    process.waitForFinished();
}

} // namespace

class TestQtClipboard : public QObject {
    Q_OBJECT

private slots:
    void aTextCopiedByAnotherProgramIsSeen_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        QTest::newRow("Unicode text") << "UTF8_STRING" << QString("Привет, мир — ёж").toUtf8()
                                      << "Привет, мир — ёж";
        QTest::newRow("plain text only") << "STRING" << QString("café").toLatin1() << "café";
        QTest::newRow("no text at all") << "image/png" << QByteArray("\x89PNG\r\n") << "";
    }

    void aTextCopiedByAnotherProgramIsSeen()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, data);
        QFETCH(QString, text);
        QtClipboard clipboard(QGuiApplication::clipboard());
        clipboard.SetText("before");
        auto owner = OwnClipboard(data, target);
        QTRY_VERIFY(clipboard.Text() != "before");
        QCOMPARE(clipboard.Text(), text);
        End(*owner);
    }

    void aTextCopiedHereReachesOtherPrograms()
    {
        QtClipboard clipboard(QGuiApplication::clipboard());
        clipboard.SetText("Слово");
        QCOMPARE(clipboard.Text(), "Слово");
        QProcess reader;
        reader.start("xclip", {"-selection", "clipboard", "-o"});
        QTRY_COMPARE(reader.state(), QProcess::NotRunning);  // the event loop serves the request
        QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()), "Слово");
    }
};

QTEST_MAIN(TestQtClipboard)
#include "tst_QtClipboard.moc"
