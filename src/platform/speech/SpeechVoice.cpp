#include "SpeechVoice.h"
#include "WindowsLanguageId.h"
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString EmbeddedMaker = "eSpeak NG";
const QString ServiceMaker = "Speech Dispatcher";

int LanguageRank(const QString &language)
{
    const QString tag = language.toLower();
    if (tag == "ru")
        return 0;
    if (tag.startsWith("ru-"))
        return 1;
    if (tag == "en-us")
        return 2;
    if (tag == "en-gb" || tag == "en")
        return 3;
    if (tag.startsWith("en-"))
        return 4;
    return 5;
}

}  // namespace

QList<SpeechVoice> EmbeddedVoiceList(QList<EspeakVoiceEntry> voices)
{
    std::stable_sort(voices.begin(), voices.end(), [](const auto &a, const auto &b) {
        const int rankA = LanguageRank(a.language), rankB = LanguageRank(b.language);
        if (rankA != rankB)
            return rankA < rankB;
        if (a.name != b.name)
            return a.name < b.name;
        return a.identifier < b.identifier;
    });
    QList<SpeechVoice> list;
    for (const EspeakVoiceEntry &voice : voices) {
        SpeechVoice entry;
        entry.backend = SpeechVoice::Backend::Embedded;
        entry.modeName = voice.name;
        entry.mfgName = EmbeddedMaker;
        entry.productName = EmbeddedMaker;
        entry.speakerName = QString::fromUtf8(voice.identifier);
        entry.language = voice.language.toLower();
        entry.languageId = WindowsLanguageId(voice.language);
        entry.synthesisName = voice.identifier;
        list.append(entry);
    }
    return list;
}

namespace {

// Generic modules (such as Piper's) report the voice type of their configuration, MALE1 to
// CHILD_FEMALE, where other modules report a variant.
bool IsVariant(const ServiceVoiceEntry &voice)
{
    static const QRegularExpression voiceType("^(MALE|FEMALE)[1-3]$|^CHILD_(MALE|FEMALE)$");
    if (voice.name.contains('+'))
        return true;
    return !voice.variant.isEmpty() && voice.variant != "none" && !voiceType.match(voice.variant).hasMatch();
}

}  // namespace

QList<SpeechVoice> ServiceVoiceList(const QString &module, const QList<ServiceVoiceEntry> &voices)
{
    QList<SpeechVoice> list;
    for (const ServiceVoiceEntry &voice : voices) {
        const bool variant = IsVariant(voice);
        if (voice.name.isEmpty() || variant)
            continue;
        SpeechVoice entry;
        entry.backend = SpeechVoice::Backend::Service;
        entry.modeName = voice.name + " (" + module + ")";
        entry.mfgName = ServiceMaker;
        entry.productName = module;
        entry.speakerName = voice.name;
        const bool known = !voice.language.isEmpty() && voice.language != "none";
        entry.language = (known ? voice.language : LanguageTagFromVoiceName(voice.name)).toLower();
        entry.languageId = entry.language.isEmpty() ? UnspecifiedLanguageId
                                                    : WindowsLanguageId(entry.language);
        entry.synthesisName = voice.name.toUtf8();
        entry.module = module.toUtf8();
        list.append(entry);
    }
    return list;
}

QList<SpeechVoice> EspeakModuleVoiceList(const QString &module, const QList<SpeechVoice> &embedded)
{
    QList<ServiceVoiceEntry> voices;
    for (const SpeechVoice &voice : embedded)
        voices.append({voice.modeName, voice.language, "none"});
    return ServiceVoiceList(module, voices);
}
