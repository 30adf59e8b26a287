#pragma once
#include "workspace/DocumentCommands.h"
#include "workspace/MenuRules.h"
#include <QStringList>

class Clipboard;
class ReadingController;
class SettingsStore;
class SpeedReaderController;
class TextArea;

// What the rules between the parts ask of the window.
class PartRulesView {
public:
    virtual ~PartRulesView() = default;

    virtual bool ReadingTabShown() const = 0;
    virtual bool SpeedReaderTabShown() const = 0;
    // The menus' facts only the window knows: full screen, the find field and bar, centred text.
    virtual MenuFacts WindowFacts() const = 0;
    // A question with its buttons; the index of the button chosen.
    virtual int Ask(const QString &question, const QStringList &buttons) = 0;
};

// The rules between the parts of the main window, each kept here once: what a new text, an edit
// or an open dialog does to the two readers, what the menus see, the text of the last run at
// start, and what closing keeps.
class PartRules {
public:
    static constexpr auto LastTextNotKeptMessage =
        "Текст не удалось сохранить для следующего запуска в «%1»: %2.\n\n"
        "Сохраните его в другой файл, иначе при следующем запуске он не вернётся.";

    struct Parts {
        TextArea &re1;
        ReadingController &reading;
        SpeedReaderController &speedReader;
        SettingsStore &settings;
        const Clipboard &clipboard;
        PartRulesView &view;
        int readingTabIndex;  // the tab a document named on the command line is shown on
    };
    explicit PartRules(const Parts &parts);

    // A new text stops reading aloud and sends the speed reader back to the top; off its tab the
    // speed reader reads on from the selection.
    DocumentCommands::Readers NewTextStopsReaders();
    // The document commands, made with the readers above.
    void UseDocuments(DocumentCommands &commands) { documents = &commands; }

    void TextEdited();                             // by a command: the speed reader stops
    void DialogOpen(bool open);                    // the speed reader holds while one is open
    void TextAvailabilityChanged(bool available);  // "Старт" of the speed reader follows

    MenuFacts MenuState() const;

    // The text of the last run comes back with its selection. A document named on the command
    // line takes its place on the reading tab once it is converted; when it cannot be opened, the
    // last text stays, so that it is never replaced by nothing at exit.
    void RestoreLastText(const QStringList &arguments);

    // Closing: the speed reader's group becomes the selection on its tab, the selection and the
    // reader's place are remembered, and the text is kept in "LastEdit" for the next start. When
    // that cannot be written the user is asked first, and may save the text elsewhere or stay:
    // false then.
    bool CloseQuery();

private:
    bool LastTextKeptOrLetGo();

    TextArea &re1;
    ReadingController &reading;
    SpeedReaderController &speedReader;
    SettingsStore &settings;
    const Clipboard &clipboard;
    PartRulesView &view;
    int readingTabIndex;
    DocumentCommands *documents = nullptr;
};
