#pragma once
#include "platform/SpeechRendering.h"
#include "workspace/AudioExport.h"
#include <QString>
#include <functional>
#include <memory>

class AudioExportView;
class AudioFiles;
class BackgroundTask;
class TextArea;

// "Сохранить как аудио...": the selection, or the whole text when nothing is selected, read into
// audio files away from the window as "Вслух" would read it, with the voices, options and extra
// pause of the moment it starts.
class AudioExportCommands {
public:
    static constexpr auto StandInNotice =
        "Голос «%1» не умеет писать в файл: его части прочтёт встроенный голос «%2».";
    static constexpr auto ExportFailedMessage = "Аудио не сохранено в файл «%1»: %2";
    static constexpr auto DefaultSuffix = "flac";

    // What the export takes from the rest of the window when it starts.
    struct Reading {
        std::function<RenderVoice()> foreignVoice, russianVoice;
        std::function<bool()> langApart;
        std::function<int()> pauseSeconds;
        std::function<QString()> documentPath;  // the file last opened, empty for none
        std::function<ReadingRules()> rules;
    };

    // Renderer and files are used from the task's thread while an export runs.
    AudioExportCommands(const TextArea &re1, AudioExportView &view, SpeechRenderer &renderer,
                        AudioFiles &files, std::unique_ptr<BackgroundTask> task, Reading reading);
    ~AudioExportCommands();  // an export under way is cancelled and its files removed

    void SaveAsAudio1Click();
    void CancelExport();  // "Отмена" of the progress
    bool Exporting() const { return exporting; }

private:
    QString TextToRead() const;
    QStringList StandInNotices(const ExportRequest &request) const;
    void Start(const ExportRequest &request);
    void Finished(const QString &path, const QString &failure);

    const TextArea &re1;
    AudioExportView &view;
    SpeechRenderer &renderer;
    AudioFiles &files;
    Reading reading;
    ExportParts lastParts;  // the dialog proposes the choice made last
    QString lastFolder;
    bool exporting = false;
    std::unique_ptr<BackgroundTask> task;  // last, so that it ends before the rest goes
};
