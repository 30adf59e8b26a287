#include "app/HelpWindow.h"
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent, const QString &path) : QDialog(parent)
{
    setObjectName("FormHelp");
    setWindowTitle(QStringLiteral("Помощь"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(720, 560);
    auto *browser = new QTextBrowser(this);
    browser->setObjectName("HelpBrowser");
    browser->setOpenExternalLinks(true);
    browser->setSource(QUrl::fromLocalFile(path));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(browser);
}

void ShowHelp(QWidget *window, const QString &path, const std::function<bool(const QUrl &)> &openWithDesktop)
{
    if (openWithDesktop(QUrl::fromLocalFile(path)) || !QFileInfo(path).isFile())
        return;
    HelpWindow *help = window->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(window, path);
    help->show();
    help->raise();
    help->activateWindow();
}
