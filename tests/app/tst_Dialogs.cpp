#include "testsupport/app/AnsweredMessages.h"
#include "app/Dialogs.h"
#include <QTest>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

// Inside a test the program's message boxes never wait for a click: a test answers them, or
// the box fails the test with its text (Dialogs.cmake expects exactly that one failure).
class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void answeredMessagesAreCollected()
    {
        AnsweredMessages messages;
        Dialogs::ShowMessage(nullptr, "First.");
        Dialogs::ShowMessage(nullptr, "Second.");
        QCOMPARE(messages.Texts, (QStringList{"First.", "Second."}));
    }

    void aMessageNobodyAnsweredFailsTheTest()
    {
        { AnsweredMessages answeredEarlier; }
        Dialogs::ShowMessage(nullptr, "Nobody answers this.");
    }

    void aWriteToAClosedSocketFailsWithoutEndingTheProgram()
    {
        int ends[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
        ::close(ends[1]);
        QCOMPARE(::write(ends[0], "x", 1), ssize_t(-1));
        QCOMPARE(errno, EPIPE);
        ::close(ends[0]);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_Dialogs.moc"
