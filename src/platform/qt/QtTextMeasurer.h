#pragma once
#include "platform/TextMeasurer.h"
#include <QPointer>
#include <QWidget>

// Measures text in the current font of a widget, so the widths always follow the font the
// widget shows its text in.
class QtTextMeasurer : public TextMeasurer {
public:
    explicit QtTextMeasurer(QWidget *widget);
    int TextWidth(const QString &text) const override;

private:
    QPointer<QWidget> widget;
};
