#pragma once
#include <QDialog>
#include <functional>

class PronunciationCommands;
struct PronunciationEntry;
class QCheckBox;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Произношение": how the Russian voice is to read a word (a click on a vowel puts the stress on
// it, or the reading is typed), heard with "Прослушать" and kept with "Сохранить"; under it the
// list of every entry, to change, delete, import and export.
class PronunciationDialog : public QDialog {
    Q_OBJECT
public:
    using Say = std::function<void(const QString &marked)>;

    PronunciationDialog(QWidget *parent, PronunciationCommands &commands, const QString &word, Say say);

    QLineEdit *EdWord, *EdReading;
    QCheckBox *CbForms;
    QPushButton *BtSay, *BtKeep;
    QListWidget *LbEntries;
    QPushButton *BtEdit, *BtDelete, *BtImport, *BtExport;

private:
    void ShowEntry(const PronunciationEntry &entry);
    void ShowVowels();
    void ShowEntries();
    void Keep();
    void Told(const QString &failure);
    const PronunciationEntry *Selected() const;

    PronunciationCommands &commands;
    Say say;
    QHBoxLayout *vowels;
};
