#pragma once
#include <QObject>
#include <functional>

class QWidget;

// Shows the window every key pressed in it before the focused control gets it; a key the
// handler takes (returns true for) goes no further.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;
    KeyPreview(QWidget *window, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window;
    Handler handler;
};
