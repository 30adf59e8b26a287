#pragma once
#include "platform/KeyboardLayout.h"
#include <QByteArrayView>
#include <memory>

typedef struct _XDisplay Display;

// Where the desktop offers no way to switch layouts: the keyboard keeps the one the user chose.
class FixedKeyboardLayout : public KeyboardLayout {
public:
    void Activate(const QString &) override {}
};

// The layouts of an X server: the groups of its keyboard, in the order that the layout list of
// its XKB rule names gives them ("us,ru").
class X11KeyboardLayout : public KeyboardLayout {
public:
    explicit X11KeyboardLayout(Display *display);
    void Activate(const QString &identifier) override;

    // The group of an XKB layout ("ru") in the rule names (rules, model, layouts, variants and
    // options, each ended by a NUL); -1 when it is not among them.
    static int GroupOf(QByteArrayView layout, QByteArrayView ruleNames);

private:
    Display *display;
};

// The keyboard layouts of the desktop the application runs on: an X server's, or else fixed.
std::unique_ptr<KeyboardLayout> DesktopKeyboardLayout();
