#include "Accessibility.h"
#include <QLabel>
#include <QWidget>

void NameAfterComponent(QWidget *control)
{
    control->setAccessibleName(control->objectName());
}

void NameAfterLabel(QWidget *control, QLabel *label)
{
    label->setBuddy(control);
    control->setAccessibleName(label->text().trimmed());
}

void ShowAccessibleText(QWidget *control, const QString &text)
{
    control->setAccessibleDescription(text);
}
