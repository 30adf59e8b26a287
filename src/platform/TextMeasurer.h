#pragma once
#include <QString>

// The width of a text in the speed reader's display font, in pixels.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(const QString &text) const = 0;
};
