#include "KeyPreview.h"
#include "platform/Guarded.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, Handler handler)
    : QObject(window), window(window), handler(std::move(handler))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == window) {
        const auto *key = static_cast<QKeyEvent *>(event);
        bool taken = false;
        Guarded("FormKeyDown", [&] { taken = handler(key->key(), key->modifiers()); }, Failure::Seen);
        if (taken)
            return true;
    }
    return QObject::eventFilter(watched, event);
}
