#include "workspace/PartRules.h"
#include "platform/Clipboard.h"
#include "platform/TextArea.h"
#include "reading/ReadingController.h"
#include "settings/SettingsStore.h"
#include "speedreader/SpeedReaderController.h"
#include <algorithm>

PartRules::PartRules(const Parts &parts)
    : re1(parts.re1), reading(parts.reading), speedReader(parts.speedReader), settings(parts.settings),
      clipboard(parts.clipboard), view(parts.view), readingTabIndex(parts.readingTabIndex)
{
}

DocumentCommands::Readers PartRules::NewTextStopsReaders()
{
    return {[this] { reading.StopWhateverReads(); }, [this] { speedReader.AcFullStop(); },
            [this] { return view.SpeedReaderTabShown() ? speedReader.ReadPosition() : re1.SelStart(); },
            [this](int position) { speedReader.ReadFrom(position); }};
}

void PartRules::TextEdited()
{
    speedReader.AcFullStop();
}

void PartRules::DialogOpen(bool open)
{
    speedReader.SetDialogOpen(open);
}

void PartRules::TextAvailabilityChanged(bool available)
{
    speedReader.TextAvailabilityChanged(available);
}

MenuFacts PartRules::MenuState() const
{
    MenuFacts facts = view.WindowFacts();
    facts.textEmpty = re1.TextLength() == 0;
    facts.textBlank = !reading.TextAvailable();
    facts.selectionEmpty = re1.SelLength() == 0;
    facts.clipboardHasText = !clipboard.Text().isEmpty();
    facts.readingTab = view.ReadingTabShown();
    facts.speedReaderTab = view.SpeedReaderTabShown();
    facts.indicatorsShown = speedReader.Settings().IndicatorsShown;
    facts.englishRuns = reading.CurrentOptions().EnglishRuns;
    return facts;
}

void PartRules::RestoreLastText(const QStringList &arguments)
{
    if (!arguments.isEmpty() && !arguments.first().isEmpty()) {
        settings.Record().SetByte(SettingsField::TabIndex, readingTabIndex);
        documents->LoadDocument(arguments.first());
    }
    const auto text = settings.LastText();
    if (!text)
        return;
    re1.SetText(*text);
    re1.SetSelStart(std::max(0, settings.Record().Int(SettingsField::SelStart)));
    re1.SetSelLength(std::max(0, settings.Record().Int(SettingsField::SelLength)));
    documents->TakeLastText();
}

bool PartRules::CloseQuery()
{
    if (view.SpeedReaderTabShown())
        speedReader.GivePositionToTextArea();
    settings.CloseQuery(re1.SelStart(), re1.SelLength());
    documents->RememberPlace();
    return LastTextKeptOrLetGo();
}

bool PartRules::LastTextKeptOrLetGo()
{
    QString reason;
    if (settings.WriteLastText(re1.Text(), &reason))
        return true;
    const int answer =
        view.Ask(QString::fromUtf8(LastTextNotKeptMessage).arg(settings.LastEditPath(), reason),
                 {QStringLiteral("Сохранить в файл..."), QStringLiteral("Закрыть"), QStringLiteral("Отмена")});
    if (answer == 0)
        documents->SaveToFile1Click();
    return answer != 2;
}
