#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// One voice of the combined list: what the catalogue is told about it and how to speak with it.
struct SpeechVoice {
    enum class Backend { Embedded, Service };

    Backend backend = Backend::Embedded;
    QString modeName;  // shown to the user
    QString mfgName;
    QString productName;
    QString speakerName;
    QString language;  // language tag, "ru", "en-us"
    int languageId = 0;  // the Windows language identifier of the tag
    QByteArray synthesisName;  // the espeak-ng voice identifier, or the service's voice name
    QByteArray module;         // the service's output module
};

// A voice as libespeak-ng lists it.
struct EspeakVoiceEntry {
    QString name;           // "Russian", "English (America)"
    QByteArray identifier;  // "zle/ru", "gmw/en-US"
    QString language;       // its main language tag: "ru", "en-us"
};

// A voice as a speech-dispatcher output module lists it.
struct ServiceVoiceEntry {
    QString name;
    QString language;  // "none" when the module does not know it
    QString variant;   // "none" for a voice of its own
};

// The embedded engine's voices in a fixed order: Russian first, then English (American, British,
// the others), then every other language by name.
QList<SpeechVoice> EmbeddedVoiceList(QList<EspeakVoiceEntry> voices);

// The service voices of one output module, in the module's order, without the variants
// ("Russian+Alex") that some modules derive from each voice.
QList<SpeechVoice> ServiceVoiceList(const QString &module, const QList<ServiceVoiceEntry> &voices);

// The voices of the service's espeak-ng module: the same espeak-ng voices as the embedded ones.
// Asking the module for them would take seconds, for thousands of variants.
QList<SpeechVoice> EspeakModuleVoiceList(const QString &module, const QList<SpeechVoice> &embedded);
