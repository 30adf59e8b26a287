#pragma once
#include "app/AudioExportWindow.h"
#include "platform/audio/SndfileAudioFiles.h"
#include "workspace/AudioExportCommands.h"

class ReadingController;
class TextArea;
class VoicePanel;

// "Сохранить как аудио...": the export of the reading with its dialogs, rendered by the renderer
// the start-up made (the embedded voices) and written through libsndfile.
class SaveAsAudio {
public:
    struct Parts {
        QWidget *window;
        const TextArea &re1;
        const VoicePanel &foreignVoice, &russianVoice;
        const ReadingController &reading;  // CbLangApart and UpDown1
        std::function<QString()> documentPath;
        SpeechRenderer &renderer;
    };

    explicit SaveAsAudio(const Parts &parts);

    AudioExportCommands &Commands() { return commands; }

private:
    SndfileAudioFiles files;
    AudioExportWindow view;
    AudioExportCommands commands;
};
