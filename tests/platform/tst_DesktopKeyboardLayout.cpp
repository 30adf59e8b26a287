#include "platform/qt/DesktopKeyboardLayout.h"
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <X11/XKBlib.h>

namespace {

Display *X11Display()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

unsigned char LockedGroup(Display *display)
{
    XkbStateRec state;
    XkbGetState(display, XkbUseCoreKbd, &state);
    return state.locked_group;
}

bool SetLayouts(const char *layouts)
{
    return QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QLatin1String(layouts)}) == 0;
}

} // namespace

class TestDesktopKeyboardLayout : public QObject {
    Q_OBJECT

private slots:
    void groupOfALayout_data();
    void groupOfALayout();
    void switchesTheGroupOfAnXServer();
};

void TestDesktopKeyboardLayout::groupOfALayout_data()
{
    QTest::addColumn<QByteArray>("layout");
    QTest::addColumn<QByteArray>("ruleNames");
    QTest::addColumn<int>("group");
    const QByteArray usRu("evdev\0pc105\0us,ru\0,\0grp:alt_shift_toggle\0", 41);
    QTest::newRow("second") << QByteArray("ru") << usRu << 1;
    QTest::newRow("first") << QByteArray("us") << usRu << 0;
    QTest::newRow("absent") << QByteArray("de") << usRu << -1;
    QTest::newRow("only one") << QByteArray("ru") << QByteArray("evdev\0pc105\0ru\0\0\0", 18) << 0;
    QTest::newRow("no layout list") << QByteArray("ru") << QByteArray("evdev\0pc105", 11) << -1;
    QTest::newRow("no names") << QByteArray("ru") << QByteArray() << -1;
    QTest::newRow("layout unknown") << QByteArray() << QByteArray("evdev\0pc105\0us,,ru\0", 19) << -1;
}

void TestDesktopKeyboardLayout::groupOfALayout()
{
    QFETCH(QByteArray, layout);
    QFETCH(QByteArray, ruleNames);
    QFETCH(int, group);
    QCOMPARE(X11KeyboardLayout::GroupOf(layout, ruleNames), group);
}

void TestDesktopKeyboardLayout::switchesTheGroupOfAnXServer()
{
    Display *display = X11Display();
    QVERIFY(display);
    const std::unique_ptr<KeyboardLayout> layouts = DesktopKeyboardLayout();

    QVERIFY(SetLayouts("us,ru"));
    XkbLockGroup(display, XkbUseCoreKbd, 0);
    layouts->Activate(KeyboardLayout::Russian);
    QCOMPARE(LockedGroup(display), 1);
    layouts->Activate(QStringLiteral("00000409"));
    QCOMPARE(LockedGroup(display), 1);

    QVERIFY(SetLayouts("de,fr"));
    XkbLockGroup(display, XkbUseCoreKbd, 1);
    layouts->Activate(KeyboardLayout::Russian);
    QCOMPARE(LockedGroup(display), 1);
}

QTEST_MAIN(TestDesktopKeyboardLayout)
#include "tst_DesktopKeyboardLayout.moc"
