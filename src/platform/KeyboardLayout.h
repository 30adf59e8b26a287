#pragma once
#include <QString>

// The desktop's keyboard layouts, named by their Windows identifiers.
class KeyboardLayout {
public:
    static constexpr auto Russian = "00000419";

    virtual ~KeyboardLayout() = default;

    // Makes the layout the one the keyboard types in; nothing happens where the desktop does not
    // offer it or offers no way to switch.
    virtual void Activate(const QString &identifier) = 0;
};
