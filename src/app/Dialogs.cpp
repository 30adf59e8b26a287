#include "Dialogs.h"
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>

namespace Dialogs {
std::function<void(const QString &text)> MessageHook;
std::function<std::optional<QFont>(const QFont &current)> FontHook;
std::function<std::optional<QColor>(const QColor &current)> ColourHook;
std::function<std::optional<QString>(const QString &folder)> OpenFileHook;
std::function<std::optional<QString>(const QString &folder, const QString &name)> SaveFileHook;
std::function<int(const QString &text, const QStringList &answers)> QuestionHook;
std::function<void(bool onScreen)> OnScreenChanged;

namespace {
int onScreen = 0;

// The dialog lists the installed faces only: a stored face that is not installed (one of the
// other system's) would leave it at the first face of its list, not the one the text shows.
QFont AsShown(const QFont &font)
{
    QFont shown(font);
    shown.setFamily(QFontInfo(font).family());
    return shown;
}
} // namespace

OnScreen::OnScreen()
{
    if (onScreen++ == 0 && OnScreenChanged)
        OnScreenChanged(true);
}

OnScreen::~OnScreen()
{
    if (--onScreen == 0 && OnScreenChanged)
        OnScreenChanged(false);
}

void ShowMessage(QWidget *parent, const QString &text)
{
    const OnScreen shown;
    if (MessageHook) {
        MessageHook(text);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

namespace {
// The sample and the faces offered are those of Russian text. The dialog lists the writing
// systems in the order of QFontDatabase::WritingSystem and follows only the user's choice.
void OfferCyrillic(QFontDialog &dialog)
{
    auto *writingSystems = dialog.findChild<QComboBox *>();
    if (!writingSystems || writingSystems->count() <= QFontDatabase::Cyrillic)
        return;
    writingSystems->setCurrentIndex(QFontDatabase::Cyrillic);
    emit writingSystems->activated(QFontDatabase::Cyrillic);
}
} // namespace

// Fonts that scale to any size, as the stored sizes ask.
std::unique_ptr<QFontDialog> NewFontDialog(QWidget *parent, const QFont &current)
{
    auto dialog = std::make_unique<QFontDialog>(parent);
    dialog->setOptions(QFontDialog::ScalableFonts);
    OfferCyrillic(*dialog);
    dialog->setCurrentFont(AsShown(current));
    return dialog;
}

std::optional<QFont> ChooseFont(QWidget *parent, const QFont &current)
{
    const OnScreen shown;
    if (FontHook)
        return FontHook(AsShown(current));
    const auto dialog = NewFontDialog(parent, current);
    return dialog->exec() == QDialog::Accepted ? std::optional(dialog->selectedFont()) : std::nullopt;
}

std::optional<QColor> ChooseColour(QWidget *parent, const QColor &current)
{
    const OnScreen shown;
    if (ColourHook)
        return ColourHook(current);
    const QColor colour = QColorDialog::getColor(current, parent);
    return colour.isValid() ? std::optional(colour) : std::nullopt;
}

std::unique_ptr<QFileDialog> NewFileDialog(QWidget *parent, const QString &start, const QStringList &filters,
                                           QFileDialog::AcceptMode mode)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), start, filters.join(QStringLiteral(";;")));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return dialog;
}

namespace {
std::optional<QString> ChosenFile(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}
} // namespace

std::optional<QString> ChooseOpenFile(QWidget *parent, const QString &folder, const QStringList &filters)
{
    const OnScreen shown;
    if (OpenFileHook)
        return OpenFileHook(folder);
    return ChosenFile(*NewFileDialog(parent, folder, filters, QFileDialog::AcceptOpen));
}

std::optional<QString> ChooseSaveFile(QWidget *parent, const QString &folder, const QString &name,
                                      const QStringList &filters, const QString &defaultSuffix)
{
    const OnScreen shown;
    if (SaveFileHook)
        return SaveFileHook(folder, name);
    const auto dialog = NewFileDialog(parent, QDir(folder).filePath(name), filters, QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(defaultSuffix);
    dialog->setSizeGripEnabled(true);
    return ChosenFile(*dialog);
}

int Ask(QWidget *parent, const QString &text, const QStringList &answers)
{
    const OnScreen shown;
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
