#include "Accessibility.h"
#include <QWidget>

void NameAfterComponent(QWidget *control)
{
    control->setAccessibleName(control->objectName());
}

void ShowAccessibleText(QWidget *control, const QString &text)
{
    control->setAccessibleDescription(text);
}
