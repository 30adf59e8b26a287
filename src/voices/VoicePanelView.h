#pragma once
#include <QString>
#include <QStringList>

// What a voice panel shows: the visible voice list and the three sliders. The panel calls these
// after its own state has changed; a view shows the values without reporting them back.
class VoicePanelView {
public:
    virtual ~VoicePanelView() = default;

    virtual void ShowVoices(const QStringList &names) = 0;
    virtual void ShowVoiceIndex(int index) = 0;  // -1: nothing chosen
    virtual void ShowSpeed(int position) = 0;
    virtual void ShowPitch(int position) = 0;
    virtual void ShowVolume(int position) = 0;
    virtual void ShowTestPhrase(const QString &phrase) = 0;  // what the test button will say
};
