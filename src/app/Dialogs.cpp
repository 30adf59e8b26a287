#include "Dialogs.h"
#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace Dialogs {
std::function<void(const QString &text)> MessageHook;
std::function<std::optional<QFont>(const QFont &current)> FontHook;
std::function<std::optional<QColor>(const QColor &current)> ColourHook;

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
}
