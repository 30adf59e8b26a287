#include "app/WindowDocuments.h"
#include "app/Dialogs.h"
#include <QApplication>
#include <QWidget>

namespace {

// The first line offers every format that opens; the other, any file.
const QStringList Filters = {
    QStringLiteral("*.txt *.html *.htm *.doc *.docx *.odt *.rtf *.fb2 *.epub *.pdf "
                   "(*.txt *.TXT *.html *.htm *.xhtml *.doc *.docx *.odt *.rtf *.fb2 *.epub *.pdf "
                   "*.wpd *.wps *.wri *.sxw *.fodt *.abw)"),
    QStringLiteral("Все файлы (*)"),
};

} // namespace

WindowDocuments::WindowDocuments(QWidget *window, std::function<void(bool open)> dialogOpen)
    : window(window), dialogOpen(std::move(dialogOpen))
{
}

WindowDocuments::~WindowDocuments()
{
    ShowBusy(false);
}

std::optional<QString> WindowDocuments::ChooseDocumentToOpen(const QString &folder)
{
    dialogOpen(true);
    const auto path = Dialogs::ChooseOpenFile(window, folder, Filters);
    dialogOpen(false);
    return path;
}

std::optional<QString> WindowDocuments::ChooseFileToSave(const QString &folder, const QString &fileName)
{
    dialogOpen(true);
    const auto path = Dialogs::ChooseSaveFile(window, folder, fileName, Filters);
    dialogOpen(false);
    return path;
}

void WindowDocuments::ShowMessage(const QString &message)
{
    Dialogs::ShowMessage(window, message);
}

void WindowDocuments::ShowBusy(bool now)
{
    if (std::exchange(busy, now) == now)
        return;
    if (now)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}
