#include "settings/WindowPlacement.h"
#include <QTest>

namespace {

const WindowBounds kDesktop{0, 0, 1280, 1024};

SettingsRecord Stored(WindowBounds bounds, quint8 state, quint8 border, bool maximisedBefore = false)
{
    SettingsRecord record = DefaultSettings();
    StorePlacement(record, {bounds, WindowState::Normal, BorderStyle::Sizeable});
    record.SetByte(SettingsField::WindowState, state);
    record.SetByte(SettingsField::BorderStyle, border);
    record.SetFlag(SettingsField::MaximisedBeforeFullScreen, maximisedBefore);
    return record;
}

}  // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void aZeroEdgeOrSizeGivesTheDesignedPlacement_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("left edge 0") << 0 << 120 << 700 << 400;
        QTest::newRow("top edge 0") << 100 << 0 << 700 << 400;
        QTest::newRow("no width") << 100 << 120 << 0 << 400;
        QTest::newRow("no height") << 100 << 120 << 700 << 0;
        QTest::newRow("off the desktop") << -32000 << -32000 << 700 << 400;
        QTest::newRow("negative size") << 100 << 120 << -700 << 400;
        QTest::newRow("off the desktop once shrunk to it") << -2000 << 100 << 5000 << 400;
    }
    void aZeroEdgeOrSizeGivesTheDesignedPlacement()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        SettingsRecord record = Stored({left, top, width, height}, 2, 0, true);
        const SettingsRecord before = record;
        QCOMPARE(StartPlacement(record, kDesktop), kDesignedPlacement);
        QCOMPARE(record, before);
    }

    void aWindowLargerThanTheDesktopIsShrunkToIt()
    {
        SettingsRecord record = Stored({10, 10, 5000, 3000}, 0, 2);
        const WindowBounds bounds = StartPlacement(record, kDesktop).bounds;
        QCOMPARE(bounds, (WindowBounds{10, 10, 1280, 1024}));
    }

    void aWindowClosedMaximisedReopensMaximisedOverItsEarlierBounds()
    {
        SettingsRecord record = DefaultSettings();
        StorePlacement(record, {{100, 120, 700, 400}, WindowState::Normal, BorderStyle::Sizeable});
        StorePlacement(record, {{0, 0, 1280, 1024}, WindowState::Maximised, BorderStyle::Sizeable});
        const WindowPlacement placement = StartPlacement(record, kDesktop);
        QCOMPARE(placement, (WindowPlacement{{100, 120, 700, 400}, WindowState::Maximised, BorderStyle::Sizeable}));
    }

    void fullScreenReopensAndWindowModeRestoresTheStateBefore_data()
    {
        QTest::addColumn<int>("stateBefore");
        QTest::newRow("from a normal window") << int(WindowState::Normal);
        QTest::newRow("from a maximised window") << int(WindowState::Maximised);
    }
    void fullScreenReopensAndWindowModeRestoresTheStateBefore()
    {
        QFETCH(int, stateBefore);
        const WindowBounds normalBounds{100, 120, 700, 400};
        SettingsRecord record = DefaultSettings();
        StorePlacement(record, {normalBounds, WindowState::Normal, BorderStyle::Sizeable});
        StoreBeforeFullScreen(record, {normalBounds, WindowState(stateBefore), BorderStyle::Sizeable});
        StorePlacement(record, {{0, 0, 1280, 1024}, WindowState::Maximised, BorderStyle::None});

        const WindowPlacement start = StartPlacement(record, kDesktop);
        QVERIFY(start.FullScreen());
        QCOMPARE(start.state, WindowState::Maximised);
        QCOMPARE(WindowModePlacement(record), (WindowPlacement{normalBounds, WindowState(stateBefore), BorderStyle::Sizeable}));
    }

    void unknownStoredStatesAndBordersMeanANormalWindow()
    {
        SettingsRecord record = Stored({100, 120, 700, 400}, 7, 1);
        QCOMPARE(StartPlacement(record, kDesktop).state, WindowState::Normal);
        QCOMPARE(StartPlacement(record, kDesktop).border, BorderStyle::Sizeable);
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_WindowPlacement.moc"
