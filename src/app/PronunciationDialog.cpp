#include "app/PronunciationDialog.h"
#include "app/Dialogs.h"
#include "app/Handlers.h"
#include "platform/Guarded.h"
#include "workspace/PronunciationCommands.h"
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList TextFilters{QStringLiteral("Тексты (*.txt)"), QStringLiteral("Все файлы (*)")};

QPushButton *NewButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

using Scope = PronunciationCommands::Scope;

PronunciationDialog::PronunciationDialog(QWidget *parent, PronunciationCommands &commands, const QString &word,
                                         Say say, Transcribe transcribe)
    : QDialog(parent), commands(commands), say(std::move(say)), transcribe(std::move(transcribe))
{
    setObjectName("PronunciationDialog");
    setWindowTitle(QStringLiteral("Произношение"));
    auto *layout = new QVBoxLayout(this);
    auto *fields = new QFormLayout;
    EdWord = new QLineEdit(this);
    EdWord->setObjectName("EdWord");
    EdReading = new QLineEdit(this);
    EdReading->setObjectName("EdReading");
    EdReading->setToolTip(QStringLiteral("«+» перед ударной гласной, «ё» или другое написание"));
    fields->addRow(QStringLiteral("Слово:"), EdWord);
    LbTranscription = new QLabel(this);
    LbTranscription->setObjectName("LbTranscription");
    LbTranscription->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fields->addRow(QStringLiteral("Голос читает:"), LbTranscription);
    vowels = new QHBoxLayout;
    fields->addRow(QStringLiteral("Ударение:"), vowels);
    fields->addRow(QStringLiteral("Читать:"), EdReading);
    layout->addLayout(fields);
    CbForms = new QCheckBox(QStringLiteral("Все формы слова"), this);
    CbForms->setObjectName("CbForms");
    layout->addWidget(CbForms);
    CbBook = new QCheckBox(QStringLiteral("Только для этой книги"), this);
    CbBook->setObjectName("CbBook");
    CbBook->setEnabled(commands.BookShown());
    layout->addWidget(CbBook);

    auto *actions = new QHBoxLayout;
    BtSay = NewButton(this, "BtSay", QStringLiteral("Прослушать"));
    BtKeep = NewButton(this, "BtKeep", QStringLiteral("Сохранить"));
    actions->addWidget(BtSay);
    actions->addStretch(1);
    actions->addWidget(BtKeep);
    layout->addLayout(actions);

    LbEntries = new QListWidget(this);
    LbEntries->setObjectName("LbEntries");
    layout->addWidget(new QLabel(QStringLiteral("Словарь («книга» — только для этой книги):"), this));
    layout->addWidget(LbEntries, 1);
    auto *listActions = new QHBoxLayout;
    BtEdit = NewButton(this, "BtEdit", QStringLiteral("Изменить"));
    BtDelete = NewButton(this, "BtDelete", QStringLiteral("Удалить"));
    BtImport = NewButton(this, "BtImport", QStringLiteral("Импорт..."));
    BtExport = NewButton(this, "BtExport", QStringLiteral("Экспорт..."));
    for (QPushButton *button : {BtEdit, BtDelete, BtImport, BtExport})
        listActions->addWidget(button);
    layout->addLayout(listActions);

    OnSignal(EdWord, &QLineEdit::textEdited, this, "EdWordChange", [this] {
        EdReading->setText(EdWord->text());
        ShowVowels();
        ShowTranscription();
    });
    OnSignal(BtSay, &QPushButton::clicked, this, "BtSayClick", [this] { this->say(EdReading->text()); });
    OnSignal(BtKeep, &QPushButton::clicked, this, "BtKeepClick", [this] { Keep(); });
    OnSignal(BtEdit, &QPushButton::clicked, this, "BtEditClick", [this] {
        if (const auto listed = Selected())
            ShowEntry(*listed);
    });
    OnSignal(BtDelete, &QPushButton::clicked, this, "BtDeleteClick", [this] {
        if (const auto listed = Selected())
            Told(this->commands.Remove(listed->entry, listed->scope));
    });
    OnSignal(BtImport, &QPushButton::clicked, this, "BtImportClick", [this] {
        if (const auto file = Dialogs::ChooseOpenFile(this, {}, TextFilters))
            Told(this->commands.Import(*file));
    });
    OnSignal(BtExport, &QPushButton::clicked, this, "BtExportClick", [this] {
        if (const auto file = Dialogs::ChooseSaveFile(this, {}, QStringLiteral("Pronunciation.txt"), TextFilters))
            Told(this->commands.Export(*file));
    });
    ShowEntry(commands.EntryFor(word));
    ShowEntries();
}

// The dialog stays open beside the window: back in it, it follows the document shown now.
void PronunciationDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    Guarded("the pronunciation dialog's return", [this] {
        CbBook->setEnabled(commands.BookShown());
        if (!CbBook->isEnabled())
            CbBook->setChecked(false);
        ShowEntries();
    });
}

void PronunciationDialog::ShowEntry(const PronunciationCommands::ScopedEntry &shown)
{
    EdWord->setText(shown.entry.key);
    EdReading->setText(shown.entry.reading);
    CbForms->setChecked(shown.entry.forms);
    CbBook->setChecked(shown.scope == Scope::Book);
    ShowVowels();
    ShowTranscription();
}

// The voice's own reading of the word as written, without the dictionary.
void PronunciationDialog::ShowTranscription()
{
    const QString word = EdWord->text().trimmed();
    const QString phonemes = transcribe && !word.isEmpty() ? transcribe(word) : QString();
    LbTranscription->setText(phonemes.isEmpty() ? QStringLiteral("—") : u'[' + phonemes + u']');
}

// A button for each vowel of the word: its click puts the stress there.
void PronunciationDialog::ShowVowels()
{
    while (QLayoutItem *item = vowels->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QString word = EdWord->text();
    for (int vowel = 0; vowel < PronunciationCommands::VowelCount(word); ++vowel) {
        const QString marked = PronunciationCommands::Marked(word, vowel);
        auto *button = NewButton(this, "BtVowel", marked.mid(marked.indexOf(u'+') + 1, 1));
        button->setObjectName(QStringLiteral("BtVowel%1").arg(vowel));
        OnSignal(button, &QPushButton::clicked, this, "BtVowelClick", [this, marked] {
            EdReading->setText(marked);
            say(marked);
        });
        vowels->addWidget(button);
    }
    vowels->addStretch(1);
}

void PronunciationDialog::ShowEntries()
{
    LbEntries->clear();
    for (const auto &[entry, scope] : Listed())
        LbEntries->addItem((scope == Scope::Book ? QStringLiteral("книга: ") : QString()) + entry.key
                           + (entry.forms ? "*" : "") + " = " + entry.reading);
}

void PronunciationDialog::Keep()
{
    Told(commands.Keep({EdWord->text().trimmed(), CbForms->isChecked(), EdReading->text().trimmed()},
                       CbBook->isChecked() ? Scope::Book : Scope::EveryText));
}

void PronunciationDialog::Told(const QString &failure)
{
    ShowEntries();
    if (!failure.isEmpty())
        Dialogs::ShowMessage(this, failure);
}

// The book's entries first, then those for every text.
QList<PronunciationCommands::ScopedEntry> PronunciationDialog::Listed()
{
    QList<PronunciationCommands::ScopedEntry> listed;
    for (const PronunciationEntry &entry : commands.BookDictionary().Entries())
        listed.append({entry, Scope::Book});
    for (const PronunciationEntry &entry : commands.Dictionary().Entries())
        listed.append({entry, Scope::EveryText});
    return listed;
}

std::optional<PronunciationCommands::ScopedEntry> PronunciationDialog::Selected()
{
    const int row = LbEntries->currentRow();
    const auto listed = Listed();
    return row >= 0 && row < listed.size() ? std::optional(listed[row]) : std::nullopt;
}
