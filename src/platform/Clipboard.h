#pragma once
#include <QString>

// The system clipboard's text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString Text() const = 0;  // the Unicode text, else the plain text, else empty
    virtual void SetText(const QString &text) = 0;
};
