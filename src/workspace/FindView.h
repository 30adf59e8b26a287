#pragma once
#include <QString>

// What the find bar's commands need of the window: the field Edit1, the button BtFind, the
// window's caption and the height of the text area's view.
class FindView {
public:
    virtual ~FindView() = default;

    virtual QString SearchText() const = 0;         // Edit1
    virtual void SetFindEnabled(bool enabled) = 0;  // BtFind
    virtual QString Caption() const = 0;            // the caption as it reads now
    virtual void ShowCaptionMessage(const QString &message) = 0;  // until TmCaption gives it back
    virtual void RestoreCaption() = 0;              // InitialCaption again
    virtual int VisibleLineCount() const = 0;       // whole lines that fit in Re1
};
