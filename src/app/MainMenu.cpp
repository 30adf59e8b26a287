#include "app/MainMenu.h"
#include "app/CommandTable.h"
#include "app/Handlers.h"
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

// An item: its name, the command it calls (none for a separator) and its caption; a shortcut on
// an item only shows which key does the same (the window's commands own the keys).
struct MainMenu::Item {
    const char *name;
    const char *command = nullptr;
    QString caption = {};
    QKeySequence shortcut = {};
    bool checkable = false;
};

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

MainMenu::MainMenu(QMainWindow &window, CommandTable &commands, std::function<MenuFacts()> facts)
    : commands(commands), facts(std::move(facts))
{
    bar = window.menuBar();
    bar->setObjectName("Mm1");
    const QKeySequence ctrlA(Qt::CTRL | Qt::Key_A), ctrlX(Qt::CTRL | Qt::Key_X), ctrlC(Qt::CTRL | Qt::Key_C),
        ctrlV(Qt::CTRL | Qt::Key_V);
    bar->addMenu(Build(bar, "MnFile", S("Файл"), {
        {"LoadFromFile1", "LoadFromFile1Click", S("Загрузить из файла...")},
        {"LoadFromClipboard1", "LoadFromClipboard1Click", S("Загрузить из буфера")},
        {"SaveToFile1", "SaveToFile1Click", S("Сохранить в файл...")},
        {"SaveAsAudio1", "SaveAsAudio1Click", S("Сохранить как аудио...")},
        {"Clear1", "Clear1Click", S("Очистить")},
        {"N3"},
        {"Close1", "Close1Click", S("Завершить работу")},
    }));
    bar->addMenu(Build(bar, "mnView", S("Вид"), {
        {"mnWindow", "mnWindowClick", S("Окно")},
        {"mnScreen", "mnScreenClick", S("Полный экран")},
        {"Line1"},
        {"Re1Font1", "Re1Font1Click", S("Шрифт...")},
        {"Re1Color1", "Re1Color1Click", S("Цвет...")},
        {"MnTaCenter", "MnTaCenterClick", S("Текст по центру"), {}, true},
        {"N10"},
        {"HighLite1", "IndicatorsColor1Click", S("Цвет шрифта подсветки...")},
        {"BgHightLight1", "BgHightLight1Click", S("Фон подсветки...")},
        {"Line2"},
        {"PnFont1", "PnFont1Click", S("Шрифт...")},
        {"PnFontColor1", "PnFontColor1Click", S("Цвет шрифта...")},
        {"PnColor1", "PnColor1Click", S("Цвет...")},
        {"Line3"},
        {"Indicators1", "Indicators1Click", S("Показывать скорость чтения"), {}, true},
    }));
    editMenu = Build(bar, "MnEdit1", S("Правка"), {
        {"SelectAll2", "SelectAll1Click", S("Выделить все"), ctrlA},
        {"N16"},
        {"Cut2", "Cut1Click", S("Вырезать"), ctrlX},
        {"Copy2", "Copy1Click", S("Копировать"), ctrlC},
        {"Paste2", "Paste1Click", S("Вставить"), ctrlV},
        {"N17"},
        {"DelMin1", "DelMin1Click", S("Удалить переносы")},
        {"HyphensByDictionary1", "HyphensByDictionaryClick", S("Переносы по словарю"), {}, true},
        {"Sentences1", "Sentences1Click", S("Разбить на предложения")},
        {"Pronunciation1", "PronunciationClick", S("Произношение...")},
        {"EnglishRuns1", "EnglishRunsClick", S("Английские вставки — английским голосом"), {}, true},
        {"N6"},
        {"MnFind1", "MnFind1Click", S("Найти"), QKeySequence(Qt::CTRL | Qt::Key_F), true},
    });
    bar->addMenu(editMenu);
    bar->addMenu(Build(bar, "N4", S("?"), {
        {"Help1", "Help1Click", S("Помощь"), QKeySequence(Qt::Key_F1)},
        {"About1", "About1Click", S("О программе")},
    }));

    Build(&window, "Pu1", {}, {
        {"LoadFromFile2", "LoadFromFile1Click", S("Загрузить из файла...")},
        {"LoadFromClipboard3", "LoadFromClipboard1Click", S("Загрузить из буфера")},
        {"Clear3", "Clear1Click", S("Очистить")},
        {"SaveToFile2", "SaveToFile1Click", S("Сохранить в файл...")},
        {"SaveAsAudio2", "SaveAsAudio1Click", S("Сохранить как аудио...")},
        {"Pronunciation2", "PronunciationClick", S("Произношение...")},
        {"N11"},
        {"Re1Font2", "Re1Font1Click", S("Шрифт...")},
        {"Re1Color2", "Re1Color1Click", S("Цвет...")},
        {"N12"},
        {"HighLight2", "IndicatorsColor1Click", S("Цвет шрифта подсветки...")},
        {"BgHighLight2", "BgHightLight1Click", S("Фон подсветки...")},
        {"N13"},
        {"SelectAll1", "SelectAll1Click", S("Выделить все"), ctrlA},
        {"N14"},
        {"Cut1", "Cut1Click", S("Вырезать"), ctrlX},
        {"Copy1", "Copy1Click", S("Копировать"), ctrlC},
        {"Paste1", "Paste1Click", S("Вставить"), ctrlV},
    });
    Build(&window, "Pu2", {}, {
        {"SelectAll22", "AcSelectAll", S("Выделить все"), ctrlA},
        {"N22"},
        {"Cut22", "AcCut", S("Вырезать"), ctrlX},
        {"Copy22", "AcCopy", S("Копировать"), ctrlC},
        {"Paste22", "AcPaste", S("Вставить"), ctrlV},
    });
    Build(&window, "Pu3", {}, {
        {"LoadFromFile3", "LoadFromFile1Click", S("Загрузить из файла...")},
        {"LoadFromClipboard2", "LoadFromClipboard1Click", S("Загрузить из буфера")},
        {"SaveToFile3", "SaveToFile1Click", S("Сохранить в файл...")},
        {"Clear2", "Clear1Click", S("Очистить")},
        {"N31"},
        {"PnFont3", "PnFont1Click", S("Шрифт...")},
        {"PnFontColor3", "PnFontColor1Click", S("Цвет шрифта...")},
        {"PnColor3", "PnColor1Click", S("Цвет...")},
        {"N32"},
        {"Indicators3", "Indicators1Click", S("Показывть скорость чтения"), {}, true},
    });
}

QMenu *MainMenu::Build(QWidget *parent, const char *name, const QString &title, const QList<Item> &items)
{
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(name);
    for (const Item &item : items) {
        QAction *action = item.command ? menu->addAction(item.caption) : menu->addSeparator();
        action->setObjectName(item.name);
        if (!item.command)
            continue;
        action->setShortcut(item.shortcut);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setCheckable(item.checkable);
        QAction *command = commands.Action(item.command);
        QObject::connect(action, &QAction::triggered, command, [command] { command->trigger(); });
        if (item.checkable && command->isCheckable()) {  // the rules may check it anew on opening
            action->setChecked(command->isChecked());
            QObject::connect(command, &QAction::toggled, action, &QAction::setChecked);
        }
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { ApplyRules(menu); });
    menus << menu;
    return menu;
}

void MainMenu::ApplyRules(QMenu *menu)
{
    const QMap<QString, MenuItemState> states = MenuItemStates(menu->objectName(), facts());
    for (QAction *action : menu->actions()) {
        const auto state = states.constFind(action->objectName());
        if (state == states.constEnd())
            continue;
        action->setVisible(state->visible);
        action->setEnabled(state->enabled);
        if (action->isCheckable())
            action->setChecked(state->checked);
    }
}

QMenu *MainMenu::Menu(const QString &name) const
{
    for (QMenu *menu : menus)
        if (menu->objectName() == name)
            return menu;
    return nullptr;
}

void MainMenu::ShowContextMenu(const QString &name, const QPoint &globalPosition)
{
    if (QMenu *menu = Menu(name))
        menu->popup(globalPosition);
}

void MainMenu::AttachContextMenu(QWidget *control, const char *name, std::function<void()> beforeShown)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    OnSignal(control, &QWidget::customContextMenuRequested, control, name,
             [this, control, name, beforeShown](const QPoint &at) {
                 if (beforeShown)
                     beforeShown();
                 ShowContextMenu(name, control->mapToGlobal(at));
             });
}

void MainMenu::OpenFromKeyboard()
{
    bar->setFocus(Qt::ShortcutFocusReason);
    bar->setActiveAction(bar->actions().first());
}

void MainMenu::FollowTab()
{
    editMenu->menuAction()->setVisible(EditMenuShown(facts()));
}
