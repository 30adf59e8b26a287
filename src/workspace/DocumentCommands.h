#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class Clipboard;
class DocumentLoader;
class DocumentView;
class ReadingPlaces;
class SettingsRecord;
class TextArea;

// The commands of "Файл" over the text area Re1: a document opened, dropped or named on the
// command line, the clipboard's text, an empty text, and the text saved. A document is converted
// away from the window and replaces the text only once it is ready: the text stays as it was
// while it converts and when it cannot be opened. A document opened from a file comes back where the
// reader left it the last time.
class DocumentCommands {
public:
    static constexpr auto SaveFailedMessage = "Текст не сохранён в файл «%1»: %2";

    // What a new text stops: reading aloud, and the speed reader, which goes back to the top; where
    // the speed reader is in the text, and the move that puts it elsewhere.
    struct Readers {
        std::function<void()> stopReadingAloud;
        std::function<void()> fullStop;
        std::function<int()> speedReaderPosition;
        std::function<void(int position)> moveSpeedReader;
    };

    DocumentCommands(TextArea &re1, DocumentLoader &loader, DocumentView &view, SettingsRecord &record,
                     const Clipboard &clipboard, ReadingPlaces &places, Readers readers);

    void LoadDocument(const QString &path);  // also the document named on the command line
    void LoadFromFile1Click();
    void FilesDropped(const QStringList &paths);  // only the first is taken
    void LoadFromClipboard1Click();
    void Clear1Click();
    void SaveToFile1Click();
    // Where the reader is in the document shown, when it was opened from a file: before another
    // text replaces it, and at exit.
    void RememberPlace();
    // At start: the text of the last run is still the document it was read from, when the places
    // know that document with this very text.
    void TakeLastText();

    // The file last opened: the save dialog proposes its folder and its name as text.
    const QString &LastFileName() const { return lastFileName; }
    // The file whose text Re1 shows, empty when the text is not a file's.
    QString ShownDocument() const { return shownHash.isEmpty() ? QString() : lastFileName; }
    // The pronunciation entries of the shown document's own, kept with its place; a text that is
    // not a file's has none and keeps none.
    QString BookPronunciation() const;
    bool KeepBookPronunciation(const QString &entries);

private:
    void ShowDocument(const QString &path, const QString &text);
    void RestorePlace();
    void NewText(const QString &text);

    TextArea &re1;
    DocumentLoader &loader;
    DocumentView &view;
    SettingsRecord &record;
    const Clipboard &clipboard;
    ReadingPlaces &places;
    Readers readers;
    QString lastFileName;
    QByteArray shownHash;  // of the document's text as first shown in Re1; empty for none
};

// The name the save dialog proposes after a document was opened: the same name with ".txt",
// so that saving never writes plain text over the original document.
QString ProposedTextName(const QString &documentName);
