#include "workspace/DocumentCommands.h"
#include "platform/Clipboard.h"
#include "platform/DocumentLoader.h"
#include "platform/TextArea.h"
#include "settings/AtomicFile.h"
#include "settings/SettingsRecord.h"
#include "workspace/DocumentView.h"
#include "workspace/ReadingPlaces.h"
#include <QFileInfo>

DocumentCommands::DocumentCommands(TextArea &re1, DocumentLoader &loader, DocumentView &view,
                                   SettingsRecord &record, const Clipboard &clipboard, ReadingPlaces &places,
                                   Readers readers)
    : re1(re1), loader(loader), view(view), record(record), clipboard(clipboard), places(places),
      readers(std::move(readers))
{
}

void DocumentCommands::LoadDocument(const QString &path)
{
    view.ShowBusy(true);
    loader.Load(path, [this, path](const ConvertedDocument &document) {
        view.ShowBusy(loader.IsLoading());
        if (document.IsConverted())
            ShowDocument(path, document.text);
        else
            view.ShowMessage(document.message);
    });
}

// Whatever still read the old text stops before it is replaced.
void DocumentCommands::ShowDocument(const QString &path, const QString &text)
{
    readers.stopReadingAloud();
    readers.fullStop();
    re1.SetText(text);
    lastFileName = path;
    shownHash = ReadingPlaces::HashOf(re1.Text());
    RestorePlace();
}

void DocumentCommands::TakeLastText()
{
    const QByteArray hash = ReadingPlaces::HashOf(re1.Text());
    if (const auto document = places.DocumentWithText(hash)) {
        lastFileName = *document;
        shownHash = hash;
    }
}

void DocumentCommands::RestorePlace()
{
    const auto place = places.Find(lastFileName, shownHash);
    if (!place)
        return;
    re1.SetSelStart(place->selStart);
    re1.SetSelLength(place->selLength);
    readers.moveSpeedReader(std::min(place->speedReaderPosition, re1.TextLength()));
}

void DocumentCommands::RememberPlace()
{
    if (shownHash.isEmpty())
        return;
    places.Remember(lastFileName, shownHash,
                    {re1.SelStart(), re1.SelLength(), readers.speedReaderPosition()});
}

QString DocumentCommands::BookPronunciation() const
{
    return shownHash.isEmpty() ? QString() : places.Pronunciation(lastFileName);
}

bool DocumentCommands::KeepBookPronunciation(const QString &entries)
{
    return !shownHash.isEmpty() && places.KeepPronunciation(lastFileName, shownHash, entries);
}

void DocumentCommands::LoadFromFile1Click()
{
    const auto path = view.ChooseDocumentToOpen(record.Text(SettingsField::LastFolder));
    if (!path)
        return;
    RememberPlace();
    readers.fullStop();
    record.SetText(SettingsField::LastFolder, QFileInfo(*path).absolutePath());
    LoadDocument(*path);
}

void DocumentCommands::FilesDropped(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    RememberPlace();
    readers.stopReadingAloud();
    readers.fullStop();
    LoadDocument(paths.first());
}

// One step of the undo history, as a paste is.
void DocumentCommands::LoadFromClipboard1Click()
{
    NewText(clipboard.Text());
}

void DocumentCommands::Clear1Click()
{
    NewText(QString());
}

// The text is no longer the document's.
void DocumentCommands::NewText(const QString &text)
{
    RememberPlace();
    shownHash.clear();
    readers.stopReadingAloud();
    readers.fullStop();
    re1.ReplaceText(text);
    re1.SetSelStart(0);
}

// Written whole beside the file and renamed over it, so that a failure leaves the old file.
void DocumentCommands::SaveToFile1Click()
{
    const QFileInfo last(lastFileName);
    const auto path = view.ChooseFileToSave(lastFileName.isEmpty() ? QString() : last.absolutePath(),
                                            ProposedTextName(last.fileName()));
    if (!path)
        return;
    QString reason;
    if (!WriteFileAtomically(*path, re1.Text().toUtf8(), &reason))
        view.ShowMessage(QString::fromUtf8(SaveFailedMessage).arg(*path, reason));
}

QString ProposedTextName(const QString &documentName)
{
    if (documentName.isEmpty())
        return {};
    const QFileInfo info(documentName);
    return info.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0
               ? documentName
               : info.completeBaseName() + QStringLiteral(".txt");
}
