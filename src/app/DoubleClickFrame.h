#pragma once
#include <QFrame>
#include <functional>

// A panel that reports a double-click on itself or on a child that leaves it unhandled (labels).
class DoubleClickFrame : public QFrame {
public:
    explicit DoubleClickFrame(const char *name, QWidget *parent = nullptr);
    std::function<void()> OnDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
