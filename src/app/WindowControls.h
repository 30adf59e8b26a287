#pragma once
#include "platform/Timer.h"
#include <memory>

class QPlainTextEdit;
class QTabWidget;
class QWidget;

// The controls the main window is laid out from, under their component names: PnForm holds the
// tabs PageControl1 at the bottom; the reading tab TsRe holds PnRe with the top bar PnReTop over
// Re1, and the hidden Re2; the speed reader's tabs hold the panels their pages are built on; the
// sound tab TsSound is empty, for its page.
struct WindowControls {
    QWidget *PnForm;
    QTabWidget *PageControl1;
    QWidget *TsRe, *TsSr, *TsSettings, *TsSound;
    QWidget *PnRe, *PnReTop, *PnSrBase, *PnSettings;
    QPlainTextEdit *Re1, *Re2;
};
WindowControls BuildWindowControls();

// The tabs' contents reach their edges.
void FitTabs(const WindowControls &controls);

std::unique_ptr<Timer> NamedTimer(const char *name);
