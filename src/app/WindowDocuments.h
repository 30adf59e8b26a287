#pragma once
#include "workspace/DocumentView.h"
#include <QStringList>

class QWidget;

// The open and save dialogs of the main window, its messages and its busy pointer.
class WindowDocuments : public DocumentView {
public:
    // The open dialog names its lines; the save dialog offers only what saving writes.
    static const QStringList OpenFilters, SaveFilters;

    explicit WindowDocuments(QWidget *window);
    ~WindowDocuments() override;

    std::optional<QString> ChooseDocumentToOpen(const QString &folder) override;
    std::optional<QString> ChooseFileToSave(const QString &folder, const QString &fileName) override;
    void ShowMessage(const QString &message) override;
    void ShowBusy(bool busy) override;

private:
    QWidget *window;
    bool busy = false;
};
