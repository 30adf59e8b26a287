#include "TFormHello.h"
#include "Dialogs.h"
#include "platform/Guarded.h"
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

TFormHello::TFormHello() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("FormHello");
    setWindowTitle("FormHelloLektavo");
    setFixedSize(534 + 4, 180 + 4);
    setStyleSheet("TFormHello { background: white; }");

    auto *panel = new QLabel("Lektavo", this);
    panel->setObjectName("Panel1");
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(55, 0, 55));
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    QFont font("Times New Roman");
    font.setItalic(true);
    font.setPixelSize(60);
    panel->setFont(font);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(panel);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

bool TFormHello::FormCreate(const std::function<bool()> &speechAvailable)
{
    bool available = false;
    Guarded("the presence check of the speech engines", [&] { available = speechAvailable(); });
    if (!available)
        Dialogs::ShowMessage(nullptr, QString::fromUtf8(MissingSpeechMessage));
    return available;
}

void TFormHello::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        FormDeactivate();
}

void TFormHello::FormDeactivate()
{
    hide();
    deleteLater();
}
