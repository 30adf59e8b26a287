#include "app/WindowDocuments.h"
#include "app/Dialogs.h"
#include <QApplication>
#include <QWidget>

// The first line offers every format that opens; the other, any file.
const QStringList WindowDocuments::OpenFilters = {
    QStringLiteral("Документы (*.txt *.TXT *.html *.htm *.xhtml *.doc *.docx *.odt *.rtf *.fb2 *.epub *.pdf "
                   "*.wpd *.wps *.wri *.sxw *.fodt *.abw)"),
    QStringLiteral("Все файлы (*)"),
};

// Saving writes plain text, whatever the name.
const QStringList WindowDocuments::SaveFilters = {
    QStringLiteral("Текстовые файлы (*.txt)"),
    QStringLiteral("Все файлы (*)"),
};

WindowDocuments::WindowDocuments(QWidget *window) : window(window)
{
}

WindowDocuments::~WindowDocuments()
{
    ShowBusy(false);
}

std::optional<QString> WindowDocuments::ChooseDocumentToOpen(const QString &folder)
{
    return Dialogs::ChooseOpenFile(window, folder, OpenFilters);
}

std::optional<QString> WindowDocuments::ChooseFileToSave(const QString &folder, const QString &fileName)
{
    return Dialogs::ChooseSaveFile(window, folder, fileName, SaveFilters);
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
