#include "settings/QSettingsOptions.h"
#include <QSettings>

namespace {

QSettings ProgramSettings()
{
    return QSettings(QStringLiteral("Lektavo"), QStringLiteral("Lektavo"));
}

QString KeyOf(OptionsStore::Switch option)
{
    switch (option) {
    case OptionsStore::Switch::MarkWord:
        return QStringLiteral("MarkWord");
    case OptionsStore::Switch::FocusPoint:
        return QStringLiteral("FocusPoint");
    case OptionsStore::Switch::WordsPerMinute:
        return QStringLiteral("WordsPerMinute");
    case OptionsStore::Switch::ContextWhenStopped:
        return QStringLiteral("ContextWhenStopped");
    case OptionsStore::Switch::SmoothStart:
        return QStringLiteral("SmoothStart");
    case OptionsStore::Switch::Abbreviations:
        return QStringLiteral("Abbreviations");
    case OptionsStore::Switch::EnglishRuns:
        return QStringLiteral("EnglishRuns");
    case OptionsStore::Switch::HyphensByDictionary:
        return QStringLiteral("HyphensByDictionary");
    }
    return {};
}

} // namespace

bool QSettingsOptions::IsOn(Switch option) const
{
    return ProgramSettings().value(KeyOf(option), false).toBool();
}

void QSettingsOptions::Set(Switch option, bool on)
{
    ProgramSettings().setValue(KeyOf(option), on);
}

int QSettingsOptions::Chosen(Choice) const
{
    return ProgramSettings().value(QStringLiteral("SleepTimer"), 0).toInt();
}

void QSettingsOptions::Choose(Choice, int item)
{
    ProgramSettings().setValue(QStringLiteral("SleepTimer"), item);
}

void QSettingsOptions::SetLocation(const QString &programFolder)
{
    ProgramSettings().setValue(QStringLiteral("Location"), programFolder);
}
