#pragma once
#include <QMap>
#include <QString>

// What the menus' rules look at when a menu opens.
struct MenuFacts {
    bool textEmpty = true;       // Re1 holds nothing
    bool textBlank = true;       // Re1 holds blanks at most
    bool selectionEmpty = true;  // in Re1
    bool clipboardHasText = false;
    bool readingTab = true;      // "Говорилка" shown
    bool speedReaderTab = false; // "Быстрочиталка" shown
    bool fullScreen = false;
    QString findField;           // Edit1's text
    int findFieldSelected = 0;   // characters selected in Edit1
    bool indicatorsShown = true;
    bool textCentred = false;
    bool findBarShown = false;
    bool englishRuns = false;    // English runs of a Russian piece go to the foreign voice
};

// How an item shows: whether it is there, whether it can be chosen, its check mark if it has one.
struct MenuItemState {
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool operator==(const MenuItemState &) const = default;
};

// The items of one menu whose state the rules set, by their component names; an item not named
// keeps the state it was built with (shown and enabled). Menus: "MnFile", "mnView", "MnEdit1",
// "Pu1", "Pu2", "Pu3".
QMap<QString, MenuItemState> MenuItemStates(const QString &menu, const MenuFacts &facts);

// "Правка" is on the main menu only while the reading tab is shown.
inline bool EditMenuShown(const MenuFacts &facts)
{
    return facts.readingTab;
}
