#pragma once
#include "workspace/PartRules.h"

// The window as the rules between its parts see it, as plain fields; each question is kept and
// answered with Answer.
class ScriptedRulesView : public PartRulesView {
public:
    bool SpeedReaderTab = false;
    MenuFacts Facts;
    int Answer = -1;
    QStringList Questions;

    bool ReadingTabShown() const override { return !SpeedReaderTab; }
    bool SpeedReaderTabShown() const override { return SpeedReaderTab; }
    MenuFacts WindowFacts() const override { return Facts; }
    int Ask(const QString &question, const QStringList &) override
    {
        Questions << question;
        return Answer;
    }
};
