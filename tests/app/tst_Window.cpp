#include "app/ReadingAloud.h"
#include "app/ReadingOptions.h"
#include "app/TFormHello.h"
#include "app/TLektavo.h"
#include "platform/qt/QtTextArea.h"
#include "platform/qt/QtTimer.h"
#include "settings/SettingsStore.h"
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

QString NumberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("строка %1").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

struct ShownWindow {
    ShownWindow()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    SettingsRecord &Record() { return window.Settings->Record(); }

    QTemporaryDir folder;
    TLektavo window{{}, folder.path() + '/'};
};

int LeftIn(const QWidget *widget, const QWidget *ancestor)
{
    return widget->mapTo(ancestor, QPoint(0, 0)).x();
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void fullScreenAndBackRestoresTheWindowMode_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("from a normal window") << false;
        QTest::newRow("from a maximised window") << true;
    }
    void fullScreenAndBackRestoresTheWindowMode()
    {
        QFETCH(bool, maximised);
        ShownWindow w;
        w.window.setGeometry(120, 90, 700, 450);
        if (maximised)
            w.window.setWindowState(Qt::WindowMaximized);
        QTRY_COMPARE(w.window.isMaximized(), maximised);
        const QRect before = w.window.geometry();

        w.window.mnScreen->trigger();
        QTRY_VERIFY(w.window.isFullScreen());
        QCOMPARE(w.Record().Flag(SettingsField::MaximisedBeforeFullScreen), maximised);
        QCOMPARE(w.Record().Byte(SettingsField::WindowState), quint8(maximised ? 2 : 0));
        if (!maximised)
            QCOMPARE(w.Record().Int(SettingsField::WindowWidth), 700);

        w.window.mnWindow->trigger();
        QTRY_VERIFY(!w.window.isFullScreen());
        QCOMPARE(w.window.isMaximized(), maximised);
        QTRY_COMPARE(w.window.geometry(), before);
        w.window.setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(w.window.geometry().size(), QSize(700, 450));
    }

    void aResizeLaysOutTheColumnsOfTheSoundTab_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("designed") << 594;
        QTest::newRow("wide") << 1000;
    }
    void aResizeLaysOutTheColumnsOfTheSoundTab()
    {
        QFETCH(int, width);
        ShownWindow w;
        w.window.PageControl1->setCurrentIndex(TLektavo::TsSoundIndex);
        w.window.resize(width, 500);
        QTRY_COMPARE(w.window.width(), width);
        QCoreApplication::processEvents();

        const int half = w.window.PnSound->width() / 2;
        QVERIFY(half > 250);
        QCOMPARE(w.window.PnSoundLeft->width(), half);
        const ReadingOptions &options = *w.window.Reading->Options;
        for (QWidget *row : {(QWidget *)options.Gb222, (QWidget *)options.Gb2222, (QWidget *)options.Gb22222,
                             (QWidget *)options.RgLangs}) {
            QCOMPARE(row->width(), half - 19);
            QCOMPARE(LeftIn(row, w.window.PnSoundLeft), 10);
        }
        for (QWidget *row : {(QWidget *)w.window.GbEnglish, (QWidget *)w.window.GbRussian}) {
            QCOMPARE(row->width(), half - 19);
            QCOMPARE(LeftIn(row, w.window.PnSoundRight), 5);
        }
    }

    // The visible lines follow the text area's height and its font.
    void visibleLinesFollowTheTextAreaAndItsFont()
    {
        ShownWindow w;
        w.window.resize(600, 500);
        QFont font = w.window.Re1->font();
        font.setPixelSize(14);
        w.window.Re1->setFont(font);
        QTRY_COMPARE(w.window.LbTest->font().pixelSize(), 14);
        const int line = QFontMetrics(font).lineSpacing();
        const int client = w.window.Re1->viewport()->height() - 2 * int(w.window.Re1->document()->documentMargin());
        QCOMPARE(w.window.VisibleLineCount, client / line);
        QCOMPARE(w.window.Reading->Stepper.VisibleLineCount, client / line);

        font.setPixelSize(28);
        w.window.Re1->setFont(font);
        QCOMPARE(w.window.VisibleLineCount, client / QFontMetrics(font).lineSpacing());
        const int fewer = w.window.VisibleLineCount;
        w.window.resize(600, 700);
        QTRY_VERIFY(w.window.VisibleLineCount > fewer);
    }

    // Centring the text keeps the user's place: the same selection and the same first line.
    void centringTheTextKeepsTheViewAndIsRemembered()
    {
        ShownWindow w;
        w.window.Re1Area->SetText(NumberedLines(400));
        w.window.Re1Area->SetSelStart(w.window.Re1Area->LineIndex(150) + 2);
        w.window.Re1Area->SetSelLength(5);
        w.window.Re1Area->ScrollLines(140 - w.window.Re1Area->FirstVisibleLine());
        w.window.Re1->document()->setModified(false);
        QCOMPARE(w.window.Re1Area->FirstVisibleLine(), 140);

        w.window.MnTaCenter->trigger();
        QVERIFY(w.window.MnTaCenter->isChecked());
        QCOMPARE(w.window.Re1->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        QVERIFY(w.Record().Flag(SettingsField::MnTaCenter));
        QCOMPARE(w.window.Re1Area->FirstVisibleLine(), 140);
        QCOMPARE(w.window.Re1Area->SelText(), QStringLiteral("рока "));
        QVERIFY(!w.window.Re1->document()->isModified());

        w.window.MnTaCenter->trigger();
        QCOMPARE(w.window.Re1->document()->defaultTextOption().alignment(), Qt::AlignLeft);
        QVERIFY(!w.Record().Flag(SettingsField::MnTaCenter));
    }

    void centredTextComesBackAtTheNextStart()
    {
        QTemporaryDir folder;
        {
            TLektavo window({}, folder.path() + '/');
            window.MnTaCenter->trigger();
            window.close();
        }
        TLektavo window({}, folder.path() + '/');
        QVERIFY(window.MnTaCenter->isChecked());
        QCOMPARE(window.Re1->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    }

    // The view modes keep the text, its selection and its first line, and remember the selection.
    void theViewModesKeepTheText()
    {
        ShownWindow w;
        w.window.Re1Area->SetText(NumberedLines(400));
        w.window.Re1Area->SetSelStart(w.window.Re1Area->LineIndex(60));
        w.window.Re1Area->SetSelLength(9);
        w.window.Re1Area->ScrollLines(55 - w.window.Re1Area->FirstVisibleLine());
        const QString text = w.window.Re1Area->Text();

        w.window.mnScreen->trigger();
        QTRY_VERIFY(w.window.isFullScreen());
        QCOMPARE(w.window.Re1Area->Text(), text);
        QCOMPARE(w.window.Re1Area->FirstVisibleLine(), 55);
        QCOMPARE(w.Record().Int(SettingsField::SelStart), w.window.Re1Area->LineIndex(60));
        QCOMPARE(w.Record().Int(SettingsField::SelLength), 9);

        w.window.mnWindow->trigger();
        QTRY_VERIFY(!w.window.isFullScreen());
        QCOMPARE(w.window.Re1Area->Text(), text);
        QCOMPARE(w.window.Re1Area->SelStart(), w.window.Re1Area->LineIndex(60));
        QCOMPARE(w.window.Re1Area->SelLength(), 9);
    }

    // A second "Полный экран" must not store full screen as the mode to go back to.
    void fullScreenTwiceStillGoesBackToTheWindow()
    {
        ShownWindow w;
        w.window.setGeometry(100, 100, 640, 420);
        QTRY_COMPARE(w.window.width(), 640);
        w.window.mnScreen->trigger();
        QTRY_VERIFY(w.window.isFullScreen());
        w.window.mnScreen->trigger();
        w.window.mnWindow->trigger();
        QTRY_VERIFY(!w.window.isFullScreen());
        QVERIFY(!w.window.isMaximized());
        QTRY_COMPARE(w.window.geometry().size(), QSize(640, 420));
    }

    void aCaptionMessageLastsTwentySeconds()
    {
        ShownWindow w;
        w.window.ShowCaptionMessage(QStringLiteral("Найдено"));
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Найдено"));
        QVERIFY(w.window.TmCaption->Enabled());
        QCOMPARE(w.window.TmCaption->Interval(), 20000);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_Window.moc"
