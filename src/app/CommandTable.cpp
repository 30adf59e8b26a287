#include "app/CommandTable.h"
#include "platform/Guarded.h"
#include <QAction>
#include <QWidget>

void CommandTable::Add(const QList<Command> &commands)
{
    for (const Command &command : commands) {
        auto *action = new QAction(command.caption, window);
        action->setObjectName(command.name);
        action->setShortcut(command.shortcut);
        action->setCheckable(bool(command.checked));
        QObject::connect(action, &QAction::triggered, window, [this, name = command.name, run = command.run] {
            Guarded(name, run, Failure::Seen);
            ShowChecks();
        });
        window->addAction(action);
        entries.append({action, command.checked});
    }
    ShowChecks();
}

QAction *CommandTable::Action(const QString &name) const
{
    for (const Entry &entry : entries)
        if (entry.action->objectName() == name)
            return entry.action;
    return nullptr;
}

void CommandTable::ShowChecks()
{
    for (const Entry &entry : entries)
        if (entry.checked)
            entry.action->setChecked(entry.checked());
}
