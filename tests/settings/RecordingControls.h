#pragma once
#include "settings/SettingsControls.h"
#include <QStringList>

// Controls that hold their values in memory and log every change, in order, as "Name=value".
// Bind() connects all of them to a SettingsControls.
struct RecordingControls {
    std::map<OptionField, int> options;
    std::map<SettingsField, int> numbers;
    std::map<SettingsField, ColorRef> colours;
    std::map<SettingsField, FontDescription> fonts;
    std::map<SettingsField, QByteArray> soundData;
    WindowPlacement window;
    WindowBounds desktop{0, 0, 1280, 1024};
    QString text;
    QStringList log;

    SettingsControls Bind()
    {
        SettingsControls c;
        for (const auto &row : kOptionFields) {
            if (row.type == FieldType::Reserved)
                continue;
            c.options[row.field] = {[this, f = row.field] { return options[f]; },
                                     [this, f = row.field](int v) { options[f] = v; Log(Row(f).name, v); }};
        }
        for (SettingsField f : {SettingsField::UdLength, SettingsField::UdDelay, SettingsField::Indicators1,
                                SettingsField::MnTaCenter, SettingsField::MnFind1})
            c.numbers[f] = {[this, f] { return numbers[f]; }, [this, f](int v) { numbers[f] = v; Log(Row(f).name, v); }};
        for (SettingsField f : {SettingsField::TextBackground, SettingsField::DisplayBackground,
                                SettingsField::HighlightTextColor, SettingsField::HighlightBackColor})
            c.colours[f] = [this, f](ColorRef v) { colours[f] = v; Log(Row(f).name, qint64(v)); };
        for (SettingsField f : {SettingsField::TextFont, SettingsField::DisplayFont})
            c.fonts[f] = [this, f](const FontDescription &v) { fonts[f] = v; Log(Row(f).name, v.size); };
        for (SettingsField f : {SettingsField::Sound1, SettingsField::Sound2})
            c.soundData[f] = [this, f] { return soundData[f]; };
        c.window = {[this] { return window; },
                    [this](const WindowPlacement &p) { window = p; Log("window", int(p.state)); },
                    [this] { return desktop; }};
        c.AcSoundEnables = [this] { log << "AcSoundEnables"; };
        c.AcDelay = [this] { log << "AcDelay"; };
        c.text = [this] { return text; };
        c.stopVoices = [this] { log << "stopVoices"; };
        return c;
    }

    void Log(const char *name, qint64 value) { log << QString("%1=%2").arg(name).arg(value); }
};
