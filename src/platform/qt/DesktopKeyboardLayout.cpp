#include "platform/qt/DesktopKeyboardLayout.h"
#include <QGuiApplication>
#include <QList>
// Xlib's headers define names such as None and Status: they come last.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>

namespace {

// The XKB layout of each Windows layout identifier that the program activates.
QByteArray XkbLayoutOf(const QString &identifier)
{
    return identifier == QLatin1String(KeyboardLayout::Russian) ? QByteArray("ru") : QByteArray();
}

QByteArray RuleNames(Display *display)
{
    const Atom names = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (names == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), names, 0, 1024, False,
                                          XA_STRING, &type, &format, &count, &remaining, &data);
    QByteArray value;
    if (status == Success && data && format == 8)
        value = QByteArray(reinterpret_cast<const char *>(data), qsizetype(count));
    if (data)
        XFree(data);
    return value;
}

} // namespace

X11KeyboardLayout::X11KeyboardLayout(Display *display)
    : display(display)
{
}

int X11KeyboardLayout::GroupOf(QByteArrayView layout, QByteArrayView ruleNames)
{
    const QList<QByteArray> fields = ruleNames.toByteArray().split('\0');
    return layout.isEmpty() || fields.size() < 3 ? -1 : int(fields[2].split(',').indexOf(layout));
}

void X11KeyboardLayout::Activate(const QString &identifier)
{
    const int group = GroupOf(XkbLayoutOf(identifier), RuleNames(display));
    if (group < 0 || group >= XkbNumKbdGroups)
        return;
    XkbLockGroup(display, XkbUseCoreKbd, unsigned(group));
    XFlush(display);
}

std::unique_ptr<KeyboardLayout> DesktopKeyboardLayout()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->display())
        return std::make_unique<X11KeyboardLayout>(x11->display());
    return std::make_unique<FixedKeyboardLayout>();
}
