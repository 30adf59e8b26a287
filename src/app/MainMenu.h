#pragma once
#include "workspace/MenuRules.h"
#include <QList>
#include <QPoint>
#include <QString>
#include <functional>

class CommandTable;
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;

// The main menu Mm1 and the context menus Pu1 (the text area), Pu2 (the find field) and Pu3 (the
// speed reader's display), each item under its component name calling a command of the window.
// Each time a menu opens its items are enabled, shown and checked by the menu rules; a checkable
// item shows its command's check mark meanwhile.
class MainMenu {
public:
    MainMenu(QMainWindow &window, CommandTable &commands, std::function<MenuFacts()> facts);

    QMenu *Menu(const QString &name) const;  // "MnFile" … "N4", "Pu1", "Pu2", "Pu3"
    // Before a context menu is shown at a point of the screen; also when the tab changes ("Правка"
    // is on the menu bar only on the reading tab).
    void ShowContextMenu(const QString &name, const QPoint &globalPosition);
    // The context menu of a control, after beforeShown when there is one.
    void AttachContextMenu(QWidget *control, const char *name, std::function<void()> beforeShown = {});
    void FollowTab();
    void OpenFromKeyboard();  // F10: the first menu open, the arrows go on from there

private:
    struct Item;
    QMenu *Build(QWidget *parent, const char *name, const QString &title, const QList<Item> &items);
    void ApplyRules(QMenu *menu);

    CommandTable &commands;
    std::function<MenuFacts()> facts;
    QMenuBar *bar;
    QList<QMenu *> menus;
    QMenu *editMenu = nullptr;
};
