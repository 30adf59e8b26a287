#pragma once
#include "workspace/DocumentView.h"
#include <functional>

class QWidget;

// The open and save dialogs of the main window, its messages and its busy pointer. While a
// dialog is open the speed reader pauses.
class WindowDocuments : public DocumentView {
public:
    WindowDocuments(QWidget *window, std::function<void(bool open)> dialogOpen);
    ~WindowDocuments() override;

    std::optional<QString> ChooseDocumentToOpen(const QString &folder) override;
    std::optional<QString> ChooseFileToSave(const QString &folder, const QString &fileName) override;
    void ShowMessage(const QString &message) override;
    void ShowBusy(bool busy) override;

private:
    QWidget *window;
    std::function<void(bool open)> dialogOpen;
    bool busy = false;
};
