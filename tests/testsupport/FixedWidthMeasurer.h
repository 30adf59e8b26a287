#pragma once
#include "platform/TextMeasurer.h"

// Every character is CharWidth pixels wide.
class FixedWidthMeasurer : public TextMeasurer {
public:
    explicit FixedWidthMeasurer(int charWidth = 10) : CharWidth(charWidth) {}
    int TextWidth(const QString &text) const override { return int(text.size()) * CharWidth; }
    int CharWidth;
};
