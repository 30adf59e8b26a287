#include "app/WindowViews.h"
#include "app/Dialogs.h"
#include "app/FindBar.h"
#include "app/ReadingAloud.h"
#include "app/TextAreaLines.h"
#include "app/ViewModes.h"
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTabWidget>

SwitchedWindow::SwitchedWindow(QWidget &window, QPlainTextEdit *re1, QTabWidget *tabs, ReadingAloud &reading,
                               const TextAreaLines &lines)
    : window(window), re1(re1), tabs(tabs), reading(reading), lines(lines)
{
}

void SwitchedWindow::StopVoices()
{
    reading.StopVoices();
}

void SwitchedWindow::ShowTextArea(bool shown)
{
    re1->setVisible(shown);
}

void SwitchedWindow::Repaint()
{
    window.repaint();
}

void SwitchedWindow::SetWordWrap(bool on)
{
    re1->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void SwitchedWindow::FocusTabControl()
{
    tabs->setFocus();
}

int SwitchedWindow::VisibleLineCount() const
{
    return lines.Count();
}

bool WindowEditing::FindFieldFocused() const
{
    return edit1->hasFocus();
}

void WindowEditing::SelectAllInFindField()
{
    edit1->selectAll();
}

void WindowEditing::CutFromFindField()
{
    edit1->cut();
}

void WindowEditing::CopyFromFindField()
{
    edit1->copy();
}

void WindowEditing::PasteIntoFindField(const QString &text)
{
    edit1->insert(QString(text).replace(u'\n', u' ').remove(u'\r'));
}

void WindowEditing::FocusTextArea()
{
    re1->setFocus(Qt::OtherFocusReason);
}

void WindowEditing::ShowBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool WindowForRules::ReadingTabShown() const
{
    return parts.tabs->currentIndex() == parts.readingTab;
}

bool WindowForRules::SpeedReaderTabShown() const
{
    return parts.tabs->currentIndex() == parts.speedReaderTab;
}

MenuFacts WindowForRules::WindowFacts() const
{
    MenuFacts facts;
    facts.fullScreen = parts.window.isFullScreen();
    facts.findField = parts.findBar.Edit1()->text();
    facts.findFieldSelected = int(parts.findBar.Edit1()->selectedText().size());
    facts.textCentred = parts.viewModes.TextCentred();
    facts.findBarShown = parts.findBar.Shown();
    return facts;
}

int WindowForRules::Ask(const QString &question, const QStringList &buttons)
{
    return Dialogs::Ask(&parts.window, question, buttons);
}
