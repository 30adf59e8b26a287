#include "testsupport/app/AnsweredMessages.h"
#include "app/Application.h"
#include "app/Dialogs.h"
#include "app/TLektavo.h"
#include "app/WindowDocuments.h"
#include "speedreader/SpeedReaderController.h"
#include "testsupport/ScriptedVoices.h"
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
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

    // The speed reader of the window stands still while any of them is on screen, and only then.
    void everyDialogHoldsTheSpeedReader()
    {
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        QList<bool> held;
        const auto heldNow = [&] { held << window.SpeedReading().DialogOpen(); };
        Answering message(Dialogs::MessageHook, {[&](const QString &) { heldNow(); }});
        Answering question(Dialogs::QuestionHook, {[&](const QString &, const QStringList &) { heldNow(); return 0; }});
        Answering font(Dialogs::FontHook, {[&](const QFont &) { heldNow(); return std::optional<QFont>(); }});
        Answering colour(Dialogs::ColourHook, {[&](const QColor &) { heldNow(); return std::optional<QColor>(); }});
        Answering open(Dialogs::OpenFileHook, {[&](const QString &) { heldNow(); return std::optional<QString>(); }});
        Answering save(Dialogs::SaveFileHook,
                       {[&](const QString &, const QString &) { heldNow(); return std::optional<QString>(); }});
        Dialogs::ShowMessage(&window, "Held?");
        Dialogs::Ask(&window, "Held?", {"Да"});
        Dialogs::ChooseFont(&window, window.font());
        Dialogs::ChooseColour(&window, Qt::red);
        Dialogs::ChooseOpenFile(&window, folder.path(), {});
        Dialogs::ChooseSaveFile(&window, folder.path(), "a.txt", {});
        QCOMPARE(held, QList<bool>(6, true));
        QVERIFY(!window.SpeedReading().DialogOpen());
    }

    // A stored face that is not installed here starts the dialog at the installed face that
    // shows the text, at the stored size.
    void theFontDialogStartsAtTheFaceShown()
    {
        const QFont current(QStringLiteral("Нигде Не Установленный"), 17);
        std::optional<QFont> start;
        Answering font(Dialogs::FontHook, {[&](const QFont &offered) {
            start = offered;
            return std::optional<QFont>();
        }});
        Dialogs::ChooseFont(nullptr, current);
        QVERIFY(start && QFontDatabase::families().contains(start->family()));
        QCOMPARE(start->family(), QFontInfo(current).family());
        QCOMPARE(start->pointSize(), 17);
    }

    // Qt's own captions speak Russian, the font dialog's sample too; the open dialog names what it
    // offers, the save dialog offers what it writes.
    void theStandardDialogsSpeakRussian()
    {
        QVERIFY(SpeakRussian(*qApp));
        const auto captions = [](QFileDialog &dialog) {
            QStringList texts;
            for (QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons())
                texts << button->text().remove('&');
            return texts;
        };
        const auto open = Dialogs::NewFileDialog(nullptr, {}, WindowDocuments::OpenFilters, QFileDialog::AcceptOpen);
        const auto save = Dialogs::NewFileDialog(nullptr, {}, WindowDocuments::SaveFilters, QFileDialog::AcceptSave);
        for (QFileDialog *dialog : {open.get(), save.get()})
            dialog->setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(captions(*open), (QStringList{"Открыть", "Отмена"}));
        QCOMPARE(captions(*save), (QStringList{"Сохранить", "Отмена"}));
        QVERIFY(open->nameFilters().first().startsWith("Документы (*.txt "));
        QCOMPARE(save->nameFilters(), (QStringList{"Текстовые файлы (*.txt)", "Все файлы (*)"}));

        const auto font = Dialogs::NewFontDialog(nullptr, QFont());
        QCOMPARE(font->windowTitle(), "Выбор шрифта");
        QStringList fields;
        for (const QLineEdit *field : font->findChildren<QLineEdit *>())
            fields << field->text();
        QVERIFY2(fields.contains(QFontDatabase::writingSystemSample(QFontDatabase::Cyrillic)), qPrintable(fields.join('|')));
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
