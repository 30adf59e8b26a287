#pragma once
#include <QColor>
#include <QFileDialog>
#include <QFont>
#include <QFontDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

// The program's message boxes, its questions and its file, font and colour dialogs. Tests
// pre-answer them by setting the hooks, which then receive what the dialog would start from
// instead of a dialog being shown (nothing from a chooser's hook: cancelled).
namespace Dialogs {
extern std::function<void(const QString &text)> MessageHook;
extern std::function<std::optional<QFont>(const QFont &current)> FontHook;
extern std::function<std::optional<QColor>(const QColor &current)> ColourHook;
extern std::function<std::optional<QString>(const QString &folder)> OpenFileHook;
extern std::function<std::optional<QString>(const QString &folder, const QString &name)> SaveFileHook;
extern std::function<int(const QString &text, const QStringList &answers)> QuestionHook;

// Told true when the first of the program's dialogs, message boxes and questions comes on screen
// (an answering hook counts as on screen) and false when the last one has gone: the main window
// pauses its speed reader meanwhile.
extern std::function<void(bool onScreen)> OnScreenChanged;

// A dialog on screen for its lifetime; every function below holds one, and so does each dialog
// of the program's own while it waits for an answer.
class OnScreen {
public:
    OnScreen();
    ~OnScreen();
    OnScreen(const OnScreen &) = delete;
    OnScreen &operator=(const OnScreen &) = delete;
};

void ShowMessage(QWidget *parent, const QString &text);
// Starts at the face the text is shown in when the stored face is not installed.
std::optional<QFont> ChooseFont(QWidget *parent, const QFont &current);
std::optional<QColor> ChooseColour(QWidget *parent, const QColor &current);
// filters: Qt's filter lines ("Тексты (*.txt *.htm)").
std::optional<QString> ChooseOpenFile(QWidget *parent, const QString &folder, const QStringList &filters);
// Asks before an existing file is replaced; a name without an extension gets defaultSuffix.
std::optional<QString> ChooseSaveFile(QWidget *parent, const QString &folder, const QString &name,
                                      const QStringList &filters,
                                      const QString &defaultSuffix = QStringLiteral("txt"));
// A question with the answers as buttons; the number of the answer given, -1 when none was.
int Ask(QWidget *parent, const QString &text, const QStringList &answers);

// The font dialog that ChooseFont shows, before it is shown.
std::unique_ptr<QFontDialog> NewFontDialog(QWidget *parent, const QFont &current);
// The file dialog that ChooseOpenFile and ChooseSaveFile show, before it is shown; start: a folder,
// or a file's path in it.
std::unique_ptr<QFileDialog> NewFileDialog(QWidget *parent, const QString &start, const QStringList &filters,
                                           QFileDialog::AcceptMode mode);
}
