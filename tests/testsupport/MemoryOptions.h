#pragma once
#include "settings/OptionsStore.h"
#include <map>
#include <set>

// The program's own options for one test: nothing is kept beyond the store.
class MemoryOptions : public OptionsStore {
public:
    QString Location;

    bool IsOn(Switch option) const override { return on.count(option) != 0; }
    void Set(Switch option, bool value) override
    {
        if (value)
            on.insert(option);
        else
            on.erase(option);
    }
    int Chosen(Choice option) const override { return chosen.count(option) ? chosen.at(option) : 0; }
    void Choose(Choice option, int item) override { chosen[option] = item; }
    void SetLocation(const QString &programFolder) override { Location = programFolder; }

private:
    std::set<Switch> on;
    std::map<Choice, int> chosen;
};
