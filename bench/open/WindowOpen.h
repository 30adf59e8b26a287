#pragma once
// Opening a file in the main window as a user does, by dropping it on the window.
#include "app/TLektavo.h"
#include "platform/TextArea.h"
#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QUrl>

inline void Drop(QWidget &window, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
}

// Milliseconds from the drop to the window painted with the text; -1 when it never came.
inline double Open(TLektavo &window, const QString &path)
{
    window.Text().SetText(QString());
    QCoreApplication::processEvents();
    QElapsedTimer elapsed;
    elapsed.start();
    Drop(window, path);
    while (window.Text().TextLength() == 0) {
        if (elapsed.elapsed() > 30000)
            return -1;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    window.repaint();
    return elapsed.nsecsElapsed() / 1e6;
}
