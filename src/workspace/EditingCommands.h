#pragma once
#include "workspace/TextCleanup.h"
#include <functional>

class Clipboard;
class EditingView;
class TextArea;

// The clipboard commands of the text area Re1 ("Выделить все", "Вырезать", "Копировать",
// "Вставить"), the actions that serve the find field instead while it has the focus, and the
// clean-up commands "Удалить переносы" and "Разбить на предложения". Pastes and clean-ups are
// each one step of the text area's undo history; only plain text is ever pasted.
class EditingCommands {
public:
    // stopSpeedReader: the speed reader's full stop, back to the start of the text.
    EditingCommands(TextArea &re1, Clipboard &clipboard, EditingView &view,
                    std::function<void()> stopSpeedReader);

    void SelectAll1Click();  // everything, or nothing when everything was selected
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();

    void AcSelectAllExecute();
    void AcCutExecute();
    void AcCopyExecute();
    void AcPasteExecute();

    void DelMin1Click();
    void Sentences1Click();

    // Whether "Разбить на предложения" lets the common abbreviations keep their full stops.
    std::function<bool()> KnowAbbreviations;
    // Who decides, for one run of "Удалить переносы", whether a broken word keeps its hyphen;
    // no one (the hyphen always goes) while this is empty or gives an empty judge.
    std::function<HyphenJudge()> JudgeForHyphens;

private:
    TextArea &re1;
    Clipboard &clipboard;
    EditingView &view;
    std::function<void()> stopSpeedReader;
};
