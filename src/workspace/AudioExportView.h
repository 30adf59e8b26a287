#pragma once
#include "workspace/AudioExport.h"
#include <QString>
#include <QStringList>
#include <optional>

// What the export of the reading needs of the window: the save dialog, the choice of the parts,
// the progress with its "Отмена", and a message.
class AudioExportView {
public:
    virtual ~AudioExportView() = default;

    // The file to write, proposed as fileName in folder; nothing when cancelled. The extension
    // names the format.
    virtual std::optional<QString> ChooseAudioFile(const QString &folder, const QString &fileName) = 0;
    // How to cut the export into files, asked under the notices; nothing when cancelled.
    virtual std::optional<ExportParts> ChooseExportParts(const QStringList &notices,
                                                         const ExportParts &proposed) = 0;
    // The progress, shown with "Отмена" from the first call until CloseExportProgress.
    virtual void ShowExportProgress(int percent) = 0;
    virtual void CloseExportProgress() = 0;
    virtual void ShowMessage(const QString &message) = 0;
};
