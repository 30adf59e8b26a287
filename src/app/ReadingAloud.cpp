#include "app/ReadingAloud.h"
#include "app/PronunciationDialog.h"
#include "app/ReadingOptions.h"
#include "app/SettingsBinding.h"
#include "app/SoundPage.h"
#include "platform/TDirectSS.h"
#include "voices/VoicePanel.h"
#include "workspace/PronunciationCommands.h"
#include "workspace/DocumentCommands.h"
#include "workspace/PronunciationFile.h"
#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace {

ReadingOptions *NewOptions(SoundPage &soundPage)
{
    auto *options = new ReadingOptions;
    soundPage.AddToLeftColumn(options, options->Rows());
    return options;
}

// Below the voices, where the columns have room: the word mark and the abbreviations side by
// side, the English runs under them.
QCheckBox *NewWordMarkBox(SoundPage &soundPage, ReadingOptions &options)
{
    auto *box = new QCheckBox(QStringLiteral("Подсвечивать слово"));
    box->setObjectName("CbMarkWord");
    box->setAccessibleName(box->text());
    soundPage.AddBelowVoices(box);
    soundPage.AddBelowVoices(options.CbAbbreviations);
    return box;
}

} // namespace

ReadingAloud::ReadingAloud(const Parts &parts)
    : bar(parts.pnReTop), options(NewOptions(parts.soundPage)),
      cbMarkWord(NewWordMarkBox(parts.soundPage, *options)), lbTest(parts.soundPage.LbTest),
      view(bar, *options, parts.re1, parts.textEvents, parts.owner), re2(parts.re2),
      re1Area(parts.re1Area),
      dispatch(parts.foreignEngine, parts.russianEngine), tmSleep(parts.owner), tmBuffer(parts.owner),
      clipboard(QGuiApplication::clipboard()),
      controller(view, parts.re1Area, re2, stepper, dispatch, tmSleep, clipboard),
      monitor(view, controller, parts.re1Area, clipboard, tmBuffer)
{
    tmSleep.setObjectName("TmSleep");
    tmBuffer.setObjectName("TmBuffer");
    parts.re2->setLineWrapMode(QPlainTextEdit::NoWrap);
    view.ForeignVoiceGroup = parts.soundPage.GbEnglish;
    view.RussianVoiceGroup = parts.soundPage.GbRussian;
    view.Pages = parts.pages;
    view.ReadingPage = parts.readingPage;
    view.ShowCaptionMessage = parts.showCaptionMessage;
    bar.ConnectTo(controller);
    options->ConnectTo(controller, monitor);
    view.ForwardTextAreaEvents(controller, monitor, [this, notify = parts.textAvailabilityChanged] {
        controller.Re1Change();
        notify(controller.TextAvailable());
    });
}

void ReadingAloud::FormCreate()
{
    monitor.TakeStartupSnapshot();
    controller.TakeStartupState();
}

Command ReadingAloud::EnglishRunsCommand()
{
    return {"EnglishRunsClick", ReadingOptions::EnglishRunsCaption, {}, [this] { options->AcEnglishRuns->toggle(); },
            [this] { return options->AcEnglishRuns->isChecked(); }};
}

void ReadingAloud::UsePronunciation(const QString &programFolder, const VoicePanel &russianVoice,
                                    DocumentCommands &documents)
{
    const QString path = programFolder + PronunciationFile::Name;
    QList<int> badLines;
    pronunciation = PronunciationFile::Read(path, &badLines);
    if (!badLines.isEmpty() && view.ShowCaptionMessage)
        view.ShowCaptionMessage(PronunciationFile::BadLines(path, badLines));
    pronunciationCommands = std::make_unique<PronunciationCommands>(
        re1Area, pronunciation, path,
        PronunciationCommands::Book{[&documents] { return documents.ShownDocument(); },
                                    [&documents] { return documents.BookPronunciation(); },
                                    [&documents](const QString &entries) {
                                        return documents.KeepBookPronunciation(entries);
                                    }});
    dispatch.Pronunciation = [this]() -> const PronunciationDictionary & { return pronunciationCommands->InForce(); };
    dispatch.RussianStyle = [&russianVoice] {
        const int voice = russianVoice.Number();
        return voice > 0 ? StyleOfModule(russianVoice.Ds().ProductName(voice)) : PronunciationStyle::Plain;
    };
    transcription = [&russianVoice](const QString &word) {
        return russianVoice.Number() > 0 ? russianVoice.Ds().Transcription(word) : QString();
    };
}

Command ReadingAloud::PronunciationCommand(QWidget *window)
{
    return {"PronunciationClick", QStringLiteral("Произношение..."), {}, [this, window] {
                if (!pronunciationCommands)
                    return;
                if (pronunciationDialog)
                    pronunciationDialog->close();
                pronunciationDialog = new PronunciationDialog(
                    window, *pronunciationCommands, pronunciationCommands->WordAtCaret(),
                    [this](const QString &marked) {
                        controller.StopWhateverReads();
                        dispatch.SayWord(marked);
                    },
                    transcription);
                pronunciationDialog->setAttribute(Qt::WA_DeleteOnClose);
                pronunciationDialog->show();
            }};
}

void ReadingAloud::BindSettings(SettingsControls &controls, OptionsStore &switches)
{
    controls.options[OptionField::UpDown1] = SpinBoxValue(options->UpDown1);
    controls.options[OptionField::CbLangApart] = CheckBoxValue(options->CbLangApart);
    controls.options[OptionField::CbAutoBuffer] = CheckBoxValue(options->CbAutoBuffer);
    controls.options[OptionField::CbIgnoreLong] = CheckBoxValue(options->CbIgnoreLong);
    controls.options[OptionField::RgLangs] = {[this] { return options->LangsIndex(); },
                                              [this](int index) { options->SetLangsIndex(index); }};
    controls.AcSoundEnables = [this] { controller.AcSoundEnablesExecute(); };
    BindSwitch(cbMarkWord, switches, OptionsStore::Switch::MarkWord, [this](bool on) { controller.SetWordMarking(on); });
    BindSwitch(options->CbAbbreviations, switches, OptionsStore::Switch::Abbreviations, [](bool) {});
    BindSwitch(options->AcEnglishRuns, switches, OptionsStore::Switch::EnglishRuns, [](bool) {});
    controls.colours[SettingsField::HighlightBackColor] = [this](ColorRef colour) {
        SetPanelBackground(lbTest, colour);
        controller.SetHighlightBackColour(colour);
    };
    controls.colours[SettingsField::HighlightTextColor] = [this](ColorRef colour) {
        SetTextColour(lbTest, colour);
        controller.SetHighlightTextColour(colour);
    };
}
