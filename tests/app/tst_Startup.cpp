#include "testsupport/TestDocuments.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/app/AnsweredMessages.h"
#include "app/Application.h"
#include "app/TFormHello.h"
#include "app/TLektavo.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/SingleInstance.h"
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
class ThrowingObject : public QObject {
public:
    int events = 0;
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            ++events;
            throw std::runtime_error("a handler failed");
        }
        return QObject::event(e);
    }
};

// The square sizes an icon has, smallest first.
QList<int> Sizes(const QIcon &icon)
{
    QList<int> sizes;
    for (const QSize &size : icon.availableSizes())
        sizes << (size.width() == size.height() ? size.width() : -1);
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

void LeaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::listen(fd, 1);
    ::close(fd);  // the file stays behind, as after a crash
}
}

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void missingSpeechShowsTheMessageAndWritesNothing()
    {
        QTemporaryDir runtime;
        const QStringList before = QDir(QCoreApplication::applicationDirPath()).entryList();
        AnsweredMessages messages;

        StartupEnvironment environment;
        environment.socketPath = runtime.filePath("socket");
        environment.speechAvailable = [] { return false; };
        QCOMPARE(StartLektavo(environment), 1);

        QCOMPARE(messages.Texts, QStringList{QString::fromUtf8(TFormHello::MissingSpeechMessage)});
        QCOMPARE(QDir(QCoreApplication::applicationDirPath()).entryList(), before);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                             [](QWidget *w) { return w->isVisible(); }));
    }

    void anEngineThatThrowsCountsAsMissing()
    {
        AnsweredMessages messages;
        TFormHello hello;
        QVERIFY(!hello.FormCreate([]() -> bool { throw std::runtime_error("no engine"); }));
        QCOMPARE(messages.Texts.size(), 1);
    }

    void commandsReachTheRunningInstance()
    {
        QTemporaryDir runtime;
        const QString path = runtime.filePath("socket");
        SingleInstance first(path);
        QVERIFY(!first.SendToRunning("raise"));
        QVERIFY(first.Listen());
        QSignalSpy received(&first, &SingleInstance::CommandReceived);

        SingleInstance second(path);
        QVERIFY(second.SendToRunning("raise"));
        QVERIFY(second.SendToRunning("activate"));
        QTRY_COMPARE(received.size(), 2);
        QCOMPARE(received[0][0].toString(), "raise");
        QCOMPARE(received[1][0].toString(), "activate");
        QVERIFY(!second.Listen());
    }

    void aStaleSocketDoesNotBlockTheStart()
    {
        QTemporaryDir runtime;
        const QString path = runtime.filePath("socket");
        LeaveStaleSocket(path);
        QVERIFY(QFile::exists(path));

        SingleInstance instance(path);
        QVERIFY(!instance.SendToRunning("raise"));
        QVERIFY(instance.Listen());
        QVERIFY(SingleInstance(path).SendToRunning("raise"));
    }

    // executable: the executable's folder, relative to a fresh folder unless absolute; made: the
    // folders made there first.
    void programFolderIsTheExecutablesUnlessItIsASystemFolder_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<bool>("keptThere");
        QTest::newRow("a writable folder") << "portable" << QStringList{"portable"} << true;
        QTest::newRow("a system folder") << "/usr/bin" << QStringList{} << false;
        QTest::newRow("a folder that is gone") << "gone" << QStringList{} << false;
        QTest::newRow("bin of an installed tree") << "root/usr/bin" << QStringList{"root/usr/bin", "root/usr/share"} << false;
        QTest::newRow("a bin folder alone") << "tools/bin" << QStringList{"tools/bin"} << true;
    }
    void programFolderIsTheExecutablesUnlessItIsASystemFolder()
    {
        QFETCH(QString, executable);
        QFETCH(QStringList, made);
        QFETCH(bool, keptThere);
        QTemporaryDir home, data;
        for (const QString &folder : made)
            QVERIFY(QDir(home.path()).mkpath(folder));
        const QString folder = QDir(home.path()).filePath(executable);

        const QString chosen = ChooseProgramFolder(folder, data.filePath("Lektavo"));
        QCOMPARE(chosen, (keptThere ? folder : data.filePath("Lektavo")) + "/");
        QVERIFY(QDir(chosen).exists());
    }

    // A later start names its document relative to its own folder; every character of the name
    // reaches the running instance through the socket.
    void aHandedOverDocumentArrivesByItsAbsolutePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "book.txt";
        QTest::newRow("spaces and Cyrillic") << "Новая книга 2.fb2";
        QTest::newRow("a line end") << "two\nlines.txt";
        QTest::newRow("address characters") << "50% #1 ?a=b.txt";
    }
    void aHandedOverDocumentArrivesByItsAbsolutePath()
    {
        QFETCH(QString, name);
        QTemporaryDir runtime, documents;
        SingleInstance first(runtime.filePath("socket"));
        QVERIFY(first.Listen());
        QSignalSpy received(&first, &SingleInstance::CommandReceived);
        const QString workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(documents.path()));
        const QString command = SingleInstance::OpenCommand(name);
        QVERIFY(QDir::setCurrent(workingFolder));

        QVERIFY(SingleInstance(runtime.filePath("socket")).SendToRunning(command));
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(SingleInstance::DocumentToOpen(received[0][0].toString()), documents.filePath(name));
    }

    void otherCommandsOpenNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("raise") << "raise";
        QTest::newRow("activate") << "activate";
        QTest::newRow("not a file") << "open https://example.org/book.txt";
        QTest::newRow("no address") << "open ";
    }
    void otherCommandsOpenNothing()
    {
        QFETCH(QString, command);
        QCOMPARE(SingleInstance::DocumentToOpen(command), QString());
    }

    void theSplashAndTheWindowCarryTheIcon()
    {
        const QList<int> sizes{16, 32, 48, 64, 128, 256};
        TFormHello splash;
        QCOMPARE(Sizes(splash.windowIcon()), sizes);
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        Named<QTimer>(window, "TmShowForm")->stop();
        QCOMPARE(Sizes(window.windowIcon()), sizes);
    }

    void anExceptionEscapingAHandlerIsDropped()
    {
        ThrowingObject object;
        QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(object.events, 2);
    }

    void theWindowHasFourTabsInOrderAndStartsHidden()
    {
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        QVERIFY(!window.isVisible());
        QCOMPARE(window.windowTitle(), "Lektavo 3.19");
        QCOMPARE(Named<QTabWidget>(window, "PageControl1")->count(), 4);
        const QStringList captions{"Говорилка", "Быстрочиталка", "Настройки", "Звук"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(Named<QTabWidget>(window, "PageControl1")->tabText(i), captions[i]);
        QCOMPARE(Named<QTabWidget>(window, "PageControl1")->currentWidget(), Named<QWidget>(window, "TsRe"));
        QVERIFY(Named<QPlainTextEdit>(window, "Re1")->isVisibleTo(&window));
        QVERIFY(!Named<QPlainTextEdit>(window, "Re2")->isVisibleTo(&window));
        QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 2000);
        QVERIFY(window.Settings().SettingsPath().endsWith("/Data.dat"));
        QVERIFY(window.Settings().LastEditPath().endsWith("/LastEdit"));
    }

    void activationMessageNeedsTheOptionAndTheReadingTab()
    {
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        Named<QTimer>(window, "TmShowForm")->stop();
        window.showMinimized();
        window.ActivationMessage();
        QVERIFY(window.isMinimized());

        Named<QCheckBox>(window, "CbAutoActive")->setChecked(true);
        Named<QTabWidget>(window, "PageControl1")->setCurrentIndex(TLektavo::TsSoundIndex);
        window.ActivationMessage();
        QVERIFY(window.isMinimized());

        Named<QTabWidget>(window, "PageControl1")->setCurrentIndex(TLektavo::TsReIndex);
        window.ActivationMessage();
        QVERIFY(!window.isMinimized());
    }

    void aDocumentOnTheCommandLineOpensOnTheReadingTab()
    {
        QTemporaryDir folder;
        TLektavo window({TestDocuments::Path("ru_short.cp1251.txt")}, folder.path() + '/', ScriptedVoices().Take());
        Named<QTimer>(window, "TmShowForm")->stop();
        QTRY_VERIFY(Named<QPlainTextEdit>(window, "Re1")->toPlainText().startsWith(QStringLiteral("Поезд ушёл в полночь.")));
        QCOMPARE(Named<QTabWidget>(window, "PageControl1")->currentIndex(), int(TLektavo::TsReIndex));
    }

    void aDocumentThatCannotBeOpenedKeepsTheLastText()
    {
        QTemporaryDir folder;
        QFile binary(folder.filePath("binary.docx"));
        QVERIFY(binary.open(QIODevice::WriteOnly));
        binary.write(QByteArray("\x01\x02\x03\x00\xFF binary", 12));
        binary.close();
        QFile lastEdit(folder.filePath("LastEdit"));
        QVERIFY(lastEdit.open(QIODevice::WriteOnly));
        lastEdit.write(QStringLiteral("Мой текст.").toUtf8());
        lastEdit.close();
        {
            AnsweredMessages messages;
            TLektavo window({binary.fileName()}, folder.path() + '/', ScriptedVoices().Take());
            Named<QTimer>(window, "TmShowForm")->stop();
            QTRY_COMPARE(messages.Texts, QStringList{"Could not open file. Try to work with files *.txt"});
            QCOMPARE(Named<QPlainTextEdit>(window, "Re1")->toPlainText(), QStringLiteral("Мой текст."));
        }
        QVERIFY(lastEdit.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(lastEdit.readAll()), QStringLiteral("Мой текст."));
    }

    void everyControlHasAnAccessibleName()
    {
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        Named<QTimer>(window, "TmShowForm")->stop();
        const auto controls = window.findChildren<QWidget *>();
        for (QWidget *control : controls) {
            const bool operable = qobject_cast<QAbstractButton *>(control) ||
                                  qobject_cast<QAbstractSpinBox *>(control) ||
                                  qobject_cast<QPlainTextEdit *>(control);
            if (!operable)
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }
};

int main(int argc, char *argv[])
{
    LektavoApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Startup.moc"
