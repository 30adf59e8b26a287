#pragma once
#include <QString>
#include <optional>

// What the document commands need of the window: the open and save dialogs, a message, and the
// pointer that tells that a document is being converted.
class DocumentView {
public:
    virtual ~DocumentView() = default;

    // The document chosen, starting in folder; nothing when cancelled.
    virtual std::optional<QString> ChooseDocumentToOpen(const QString &folder) = 0;
    // The file to save into, proposed as fileName in folder; nothing when cancelled.
    virtual std::optional<QString> ChooseFileToSave(const QString &folder, const QString &fileName) = 0;
    virtual void ShowMessage(const QString &message) = 0;
    virtual void ShowBusy(bool busy) = 0;
};
