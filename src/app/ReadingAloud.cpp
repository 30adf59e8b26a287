#include "app/ReadingAloud.h"
#include "app/ReadingOptions.h"
#include "app/TLektavo.h"
#include "app/TSound.h"
#include "reading/BlankText.h"
#include <QBoxLayout>
#include <QGuiApplication>
#include <QPlainTextEdit>

namespace {

// Before the stretch that closes the column.
ReadingOptions *NewOptions(QWidget *pnSoundLeft)
{
    auto *options = new ReadingOptions(pnSoundLeft);
    auto *column = qobject_cast<QBoxLayout *>(pnSoundLeft->layout());
    column->insertWidget(std::max(column->count() - 1, 0), options);
    return options;
}

} // namespace

ReadingAloud::ReadingAloud(TLektavo &window, TextArea &re1)
    : Bar(window.PnReTop), Options(NewOptions(window.PnSoundLeft)),
      View(Bar, *Options, window.Re1, &window), Re2(window.Re2),
      Dispatch(window.Sound1->Ds(), window.Sound2->Ds()), TmSleep(&window), TmBuffer(&window),
      Clipboard(QGuiApplication::clipboard()),
      Controller(View, re1, Re2, Stepper, Dispatch, TmSleep, Clipboard),
      Monitor(View, Controller, re1, Clipboard, TmBuffer), window(window), re1(re1)
{
    window.Re2->setLineWrapMode(QPlainTextEdit::NoWrap);
    View.ForeignVoiceGroup = window.GbEnglish;
    View.RussianVoiceGroup = window.GbRussian;
    View.Pages = window.PageControl1;
    View.ReadingPage = TLektavo::TsReIndex;
    View.Suppressed = [&window] { return window.SuppressTextEvents; };
    Bar.ConnectTo(Controller);
    Options->ConnectTo(Controller, Monitor);
    View.ForwardTextAreaEvents(Controller, Monitor);
    auto audioStop = [this](TDirectSS *sender, quint32 hi, quint32 lo) { Controller.DsAudioStop(sender, hi, lo); };
    window.Sound1->Panel().ReadingAudioStop = audioStop;
    window.Sound2->Panel().ReadingAudioStop = audioStop;
}

ReadingAloud::~ReadingAloud()
{
    window.Sound1->Panel().ReadingAudioStop = nullptr;
    window.Sound2->Panel().ReadingAudioStop = nullptr;
}

void ReadingAloud::FormCreate()
{
    Monitor.TakeStartupSnapshot();
    View.SetButtonEnabled(ReadingButton::StartSpeaking, !IsBlankText(re1.Text()));
}
