#pragma once
#include "workspace/DocumentView.h"
#include <QStringList>

// Dialogs answered by the test, with what each started from; messages and the pointer logged.
class AnsweredDocumentView : public DocumentView {
public:
    std::optional<QString> ChooseDocumentToOpen(const QString &folder) override
    {
        log << "open in " + folder;
        return open;
    }
    std::optional<QString> ChooseFileToSave(const QString &folder, const QString &fileName) override
    {
        log << "save in " + folder + " as " + fileName;
        return save;
    }
    void ShowMessage(const QString &message) override { log << "message: " + message; }
    void ShowBusy(bool busy) override { busyNow = busy; }

    std::optional<QString> open, save;
    QStringList log;
    bool busyNow = false;
};
