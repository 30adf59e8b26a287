#pragma once
#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class QAction;
class QWidget;

// A command of the main window: the named action that menus, context menus and shortcuts
// trigger. A checkable command draws its check mark from the state it reports.
struct Command {
    const char *name;  // the action's object name
    QString caption;
    QKeySequence shortcut = {};
    std::function<void()> run;
    std::function<bool()> checked = {};
};

// The window's commands as actions on the window, so that their shortcuts work with every menu
// closed. Each run is a boundary: a failure ends it and is dropped.
class CommandTable {
public:
    explicit CommandTable(QWidget *window) : window(window) {}
    CommandTable(const CommandTable &) = delete;
    CommandTable &operator=(const CommandTable &) = delete;

    void Add(const QList<Command> &commands);
    QAction *Action(const QString &name) const;  // nullptr for a name not in the table
    void ShowChecks();  // the check marks from the state again

private:
    struct Entry {
        QAction *action;
        std::function<bool()> checked;
    };
    QWidget *window;
    QList<Entry> entries;
};
