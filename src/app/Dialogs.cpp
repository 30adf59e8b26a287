#include "Dialogs.h"
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QFontDialog>
#include <QMessageBox>

namespace Dialogs {
std::function<void(const QString &text)> MessageHook;
std::function<std::optional<QFont>(const QFont &current)> FontHook;
std::function<std::optional<QColor>(const QColor &current)> ColourHook;
std::function<std::optional<QString>(const QString &folder)> OpenFileHook;
std::function<std::optional<QString>(const QString &folder, const QString &name)> SaveFileHook;
std::function<int(const QString &text, const QStringList &answers)> QuestionHook;

void ShowMessage(QWidget *parent, const QString &text)
{
    if (MessageHook) {
        MessageHook(text);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

// Fonts that scale to any size, as the stored sizes ask.
std::optional<QFont> ChooseFont(QWidget *parent, const QFont &current)
{
    if (FontHook)
        return FontHook(current);
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, current, parent, QString(), QFontDialog::ScalableFonts);
    return chosen ? std::optional(font) : std::nullopt;
}

std::optional<QColor> ChooseColour(QWidget *parent, const QColor &current)
{
    if (ColourHook)
        return ColourHook(current);
    const QColor colour = QColorDialog::getColor(current, parent);
    return colour.isValid() ? std::optional(colour) : std::nullopt;
}

std::optional<QString> ChooseOpenFile(QWidget *parent, const QString &folder, const QStringList &filters)
{
    if (OpenFileHook)
        return OpenFileHook(folder);
    const QString path = QFileDialog::getOpenFileName(parent, QString(), folder, filters.join(QStringLiteral(";;")));
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

std::optional<QString> ChooseSaveFile(QWidget *parent, const QString &folder, const QString &name,
                                      const QStringList &filters, const QString &defaultSuffix)
{
    if (SaveFileHook)
        return SaveFileHook(folder, name);
    QFileDialog dialog(parent, QString(), QDir(folder).filePath(name), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

int Ask(QWidget *parent, const QString &text, const QStringList &answers)
{
    if (QuestionHook)
        return QuestionHook(text, answers);
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> buttons;
    for (const QString &answer : answers)
        buttons << box.addButton(answer, QMessageBox::AcceptRole);
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}
}
