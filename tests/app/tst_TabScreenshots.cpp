#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include "testsupport/Named.h"
#include "testsupport/ScriptedVoices.h"
#include "testsupport/app/LayoutFaults.h"
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The four tabs of the window at its first-run size on a real X server with its window manager,
// as a new user sees them: laid out without faults in the display's fonts, and photographed into
// the build's test output folder for a person to look at.
class TestTabScreenshots : public QObject {
    Q_OBJECT
private slots:
    void theTabsAtTheFirstRunSize()
    {
        QTemporaryDir folder;
        TLektavo window({}, folder.path() + '/', ScriptedVoices().Take());
        window.Text().SetText(QStringLiteral("Lektavo читает текст вслух по предложениям. Reading aloud helps."));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(594, 346));
        QVERIFY(QDir().mkpath(LEKTAVO_TEST_OUTPUT));

        const char *names[] = {"Govorilka", "Bystrochitalka", "Nastroyki", "Zvuk"};
        QSet<QByteArray> shots;
        for (int tab = 0; tab < 4; ++tab) {
            Named<QTabWidget>(window, "PageControl1")->setCurrentIndex(tab);
            QTest::qWait(200);  // the X server draws what the window painted
            window.repaint();
            const QStringList faults = LayoutFaults(window);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

            const QImage shot = window.screen()->grabWindow(window.winId()).toImage();
            QCOMPARE(shot.size(), QSize(594, 346));
            const QString path = QStringLiteral(LEKTAVO_TEST_OUTPUT "/tab-%1-%2.png").arg(tab).arg(names[tab]);
            QVERIFY(shot.save(path));
            shots.insert(QByteArray(reinterpret_cast<const char *>(shot.constBits()), shot.sizeInBytes()));
        }
        QCOMPARE(shots.size(), 4);
    }
};

QTEST_MAIN(TestTabScreenshots)
#include "tst_TabScreenshots.moc"
