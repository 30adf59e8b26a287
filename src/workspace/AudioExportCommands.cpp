#include "workspace/AudioExportCommands.h"
#include "LektavoVersion.h"
#include "platform/BackgroundTask.h"
#include "platform/TextArea.h"
#include "reading/BlankText.h"
#include "workspace/AudioExportView.h"
#include <QFileInfo>

AudioExportCommands::AudioExportCommands(const TextArea &re1, AudioExportView &view,
                                         SpeechRenderer &renderer, AudioFiles &files,
                                         std::unique_ptr<BackgroundTask> task, Reading reading)
    : re1(re1), view(view), renderer(renderer), files(files), reading(std::move(reading)),
      task(std::move(task))
{
}

AudioExportCommands::~AudioExportCommands()
{
    task.reset();
}

QString AudioExportCommands::TextToRead() const
{
    const QString selection = re1.SelText();
    return IsBlankText(selection) ? re1.Text() : selection;
}

void AudioExportCommands::SaveAsAudio1Click()
{
    if (exporting)
        return;
    const QFileInfo document(reading.documentPath());
    const QString folder = !lastFolder.isEmpty() ? lastFolder
                           : document.fileName().isEmpty() ? QString() : document.absolutePath();
    const QString name = document.fileName().isEmpty()
                             ? QString()
                             : document.completeBaseName() + "." + DefaultSuffix;
    const auto path = view.ChooseAudioFile(folder, name);
    if (!path)
        return;
    lastFolder = QFileInfo(*path).absolutePath();

    ExportRequest request;
    request.text = TextToRead();
    request.path = *path;
    request.title = document.fileName().isEmpty() ? QFileInfo(*path).completeBaseName()
                                                  : document.completeBaseName();
    request.encoder = QStringLiteral("Lektavo " LEKTAVO_VERSION);
    request.langApart = reading.langApart();
    request.pauseSeconds = reading.pauseSeconds();
    request.rules = reading.rules();
    if (!renderer.StandIn(request.russian).isEmpty())
        request.rules.russianStyle = PronunciationStyle::StressMarks;  // the built-in voice reads instead
    request.foreign = reading.foreignVoice();
    request.russian = reading.russianVoice();
    const auto parts = view.ChooseExportParts(StandInNotices(request), lastParts);
    if (!parts)
        return;
    lastParts = *parts;
    request.parts = *parts;
    Start(request);
}

// Only the voices that can speak: the foreign one is silent while the languages are not told apart.
QStringList AudioExportCommands::StandInNotices(const ExportRequest &request) const
{
    QStringList notices;
    QList<const RenderVoice *> voices{&request.russian};
    if (request.langApart)
        voices.prepend(&request.foreign);
    for (const RenderVoice *voice : voices) {
        const QString standIn = renderer.StandIn(*voice);
        if (!standIn.isEmpty())
            notices << QString::fromUtf8(StandInNotice).arg(voice->modeName, standIn);
    }
    return notices;
}

void AudioExportCommands::Start(const ExportRequest &request)
{
    exporting = true;
    view.ShowExportProgress(0);
    SpeechRenderer &renderer = this->renderer;
    AudioFiles &files = this->files;
    task->Start([this, request, &renderer, &files](const BackgroundTask::ToWindow &toWindow,
                                                   const std::atomic_bool &cancelled) {
        QString failure;
        try {
            AudioExport(renderer, files).Run(request, cancelled, [&](int percent) {
                toWindow([this, percent] { view.ShowExportProgress(percent); });
            });
        } catch (const std::exception &error) {
            failure = QString::fromUtf8(error.what());
        }
        toWindow([this, path = request.path, failure] { Finished(path, failure); });
    });
}

void AudioExportCommands::Finished(const QString &path, const QString &failure)
{
    exporting = false;
    view.CloseExportProgress();
    if (!failure.isEmpty())
        view.ShowMessage(QString::fromUtf8(ExportFailedMessage).arg(path, failure));
}

void AudioExportCommands::CancelExport()
{
    task->Cancel();
}
