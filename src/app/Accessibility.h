#pragma once
#include <QString>

class QLabel;
class QWidget;

// A control without a caption is named after its component name for screen readers.
void NameAfterComponent(QWidget *control);
// A control whose caption is the label beside it is named after that label.
void NameAfterLabel(QWidget *control, QLabel *label);
// A label or panel whose shown text changes exposes that text as its accessible description.
void ShowAccessibleText(QWidget *control, const QString &text);
