#pragma once
#include <QString>

// What the editing commands need of the window: the find field Edit1, which the clipboard
// actions serve while it has the focus, the text area's focus and the busy pointer.
class EditingView {
public:
    virtual ~EditingView() = default;

    virtual bool FindFieldFocused() const = 0;
    virtual void SelectAllInFindField() = 0;
    virtual void CutFromFindField() = 0;
    virtual void CopyFromFindField() = 0;
    virtual void PasteIntoFindField(const QString &text) = 0;  // in place of its selection

    virtual void FocusTextArea() = 0;
    virtual void ShowBusy(bool busy) = 0;  // the pointer tells that work is going on
};
