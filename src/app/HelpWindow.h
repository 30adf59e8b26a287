#pragma once
#include <QDesktopServices>
#include <QDialog>
#include <functional>

// "Помощь": the help document in a window of the program, its links followed inside it (those to
// the web by the desktop); Esc closes it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(QWidget *parent, const QString &path);
};

// Hands the help document to the desktop's program for it; where the desktop has none, shows it in
// a HelpWindow of the window, one at a time. Nothing is said when the document is missing too.
// openWithDesktop: the desktop's step, made to refuse by the tests.
void ShowHelp(QWidget *window, const QString &path,
              const std::function<bool(const QUrl &)> &openWithDesktop = QDesktopServices::openUrl);
