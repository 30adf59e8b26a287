#include "app/FocusBeforePress.h"
#include <QApplication>
#include <QPlainTextEdit>

FocusBeforePress::FocusBeforePress(QPlainTextEdit *re1) : ControlFilter({re1->viewport()})
{
    connect(qApp, &QApplication::focusChanged, this, [this, re1](QWidget *old, QWidget *now) {
        if (now == re1 && QApplication::mouseButtons() != Qt::NoButton)
            takenByPress = old;
    });
}

void FocusBeforePress::GiveBack()
{
    if (activeAtPress)
        activeAtPress->setFocus(Qt::PopupFocusReason);
}

bool FocusBeforePress::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        QWidget *takenFrom = std::exchange(takenByPress, nullptr).data();
        activeAtPress = takenFrom ? takenFrom : QApplication::focusWidget();
    }
    return false;
}
