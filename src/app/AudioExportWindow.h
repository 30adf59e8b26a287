#pragma once
#include "workspace/AudioExportView.h"
#include <QPointer>
#include <functional>

class QDialog;
class QProgressBar;
class QWidget;

// The dialogs of "Сохранить как аудио...": the save dialog with the audio formats, the choice of
// the parts under the notices, and the progress with "Отмена", which keeps the window from input
// without a loop of its own: the export's steps arrive through the window's event loop.
class AudioExportWindow : public AudioExportView {
public:
    using PartsAnswer = std::function<std::optional<ExportParts>(const QStringList &notices,
                                                                 const ExportParts &proposed)>;
    // Tests answer the choice of the parts here instead of a dialog being shown.
    static PartsAnswer PartsHook;

    explicit AudioExportWindow(QWidget *window);
    ~AudioExportWindow() override;

    std::function<void()> Cancelled;  // "Отмена" of the progress

    std::optional<QString> ChooseAudioFile(const QString &folder, const QString &fileName) override;
    std::optional<ExportParts> ChooseExportParts(const QStringList &notices,
                                                 const ExportParts &proposed) override;
    void ShowExportProgress(int percent) override;
    void CloseExportProgress() override;
    void ShowMessage(const QString &message) override;

private:
    QWidget *window;
    QPointer<QDialog> progress;
    QProgressBar *progressBar = nullptr;
};
