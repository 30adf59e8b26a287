#include "app/Dialogs.h"
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/app/AnsweredMessages.h"
#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString NumberedLines(const QString &word, int count)
{
    QString text;
    for (int line = 1; line <= count; ++line)
        text += QStringLiteral("%1 %2.\n").arg(word).arg(line);
    return text;
}

bool WriteText(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
}

// Opens path through "Загрузить из файла..." and waits until it is shown.
bool Open(TLektavo &window, const QString &path, const QString &text)
{
    Answering<decltype(Dialogs::OpenFileHook)> chosen{Dialogs::OpenFileHook,
                                                       [&](const QString &) { return std::optional(path); }};
    window.Command("LoadFromFile1Click")->trigger();
    return QTest::qWaitFor([&] { return window.Text().Text() == QString(text).replace("\n", "\r\n"); }, 10000);
}

bool CaretInView(TLektavo &window)
{
    auto *re1 = Named<QPlainTextEdit>(window, "Re1");
    return re1->viewport()->rect().contains(re1->cursorRect().center());
}

} // namespace

class TestReadingPlacesInWindow : public QObject {
    Q_OBJECT
private slots:
    void aBookComesBackWhereItWasLeftInThisRunAndTheNextOnes()
    {
        QTemporaryDir program, books;
        const QString book = books.filePath("Книга.txt"), other = books.filePath("Другая.txt");
        const QString bookText = NumberedLines("Строка", 400), otherText = NumberedLines("Line", 3);
        QVERIFY(WriteText(book, bookText) && WriteText(other, otherText));
        const int place = int(bookText.indexOf("Строка 300.")) + 299;  // CR LF in the area
        {
            TLektavo window({}, program.path() + '/', ScriptedVoices().Take());
            window.resize(600, 400);
            QVERIFY(Open(window, book, bookText));
            window.Text().SetSelStart(place);
            window.Text().SetSelLength(6);
            QVERIFY(Open(window, other, otherText));
            QCOMPARE(window.Text().SelStart(), 0);
            QVERIFY(Open(window, book, bookText));
            QCOMPARE(window.Text().SelStart(), place);
            QCOMPARE(window.Text().SelLength(), 6);
            QVERIFY(CaretInView(window));
            window.Text().SetSelStart(place + 20);
            window.close();
        }
        {
            TLektavo window({}, program.path() + '/', ScriptedVoices().Take());  // the book's text is back
            QCOMPARE(window.Text().SelStart(), place + 20);
            window.Text().SetSelStart(place + 40);
            QVERIFY(Open(window, other, otherText));
            QVERIFY(Open(window, book, bookText));
            QCOMPARE(window.Text().SelStart(), place + 40);
            window.Text().SetSelStart(place + 60);
            window.close();
        }
        TLektavo window({}, program.path() + '/', ScriptedVoices().Take());
        QVERIFY(Open(window, other, otherText));
        QVERIFY(Open(window, book, bookText));
        QCOMPARE(window.Text().SelStart(), place + 60);
    }
};

QTEST_MAIN(TestReadingPlacesInWindow)
#include "tst_ReadingPlacesInWindow.moc"
