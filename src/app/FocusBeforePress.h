#pragma once
#include "app/ControlFilters.h"

class QPlainTextEdit;

// A right click in the text leaves the keyboard focus where it was before the click: Qt gives the
// text the focus before the press reaches the text's viewport, so the control the press took it
// from is noted as the focus moves.
class FocusBeforePress : public ControlFilter {
public:
    explicit FocusBeforePress(QPlainTextEdit *re1);

    void GiveBack();  // to the control that had the focus at the last press

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> activeAtPress;
    QPointer<QWidget> takenByPress;
};
