#pragma once
#include "workspace/PronunciationCommands.h"
#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Произношение": how the Russian voice reads a word now (its transcription), how it is to read it
// (a click on a vowel puts the stress on it, or the reading is typed), heard with "Прослушать" and
// kept with "Сохранить", for every text or for the book shown only; under it the list of every
// entry of both, to change, delete, import and export.
class PronunciationDialog : public QDialog {
    Q_OBJECT
public:
    using Say = std::function<void(const QString &marked)>;
    using Transcribe = std::function<QString(const QString &word)>;  // empty when the voice cannot tell

    PronunciationDialog(QWidget *parent, PronunciationCommands &commands, const QString &word, Say say,
                        Transcribe transcribe);

    QLineEdit *EdWord, *EdReading;
    QLabel *LbTranscription;
    QCheckBox *CbForms, *CbBook;
    QPushButton *BtSay, *BtKeep;
    QListWidget *LbEntries;
    QPushButton *BtEdit, *BtDelete, *BtImport, *BtExport;

protected:
    void changeEvent(QEvent *event) override;

private:
    void ShowEntry(const PronunciationCommands::ScopedEntry &shown);
    void ShowVowels();
    void ShowTranscription();
    void ShowEntries();
    void Keep();
    void Told(const QString &failure);
    std::optional<PronunciationCommands::ScopedEntry> Selected();
    QList<PronunciationCommands::ScopedEntry> Listed();

    PronunciationCommands &commands;
    Say say;
    Transcribe transcribe;
    QHBoxLayout *vowels;
};
