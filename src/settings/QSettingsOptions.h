#pragma once
#include "settings/OptionsStore.h"

// The options in the program's QSettings (organisation and application "Lektavo"), each under its
// own name beside "Location"; failures to write are ignored.
class QSettingsOptions : public OptionsStore {
public:
    bool IsOn(Switch option) const override;
    void Set(Switch option, bool on) override;
    int Chosen(Choice option) const override;
    void Choose(Choice option, int item) override;
    void SetLocation(const QString &programFolder) override;
};
