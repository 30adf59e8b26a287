#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QTabWidget;

// A filter over some controls, removed from them when it goes: the window lets its filters go
// before its controls are taken apart, when the controls' events no longer mean what they did.
class ControlFilter : public QObject {
public:
    explicit ControlFilter(const QList<QObject *> &watched);
    ~ControlFilter() override;

private:
    QList<QPointer<QObject>> watched;
};

// Ctrl+A in the text goes to "Выделить все", which selects all or nothing in turn, not to the
// text area's own select-all.
class SelectAllToCommand : public ControlFilter {
public:
    explicit SelectAllToCommand(QWidget *re1) : ControlFilter({re1}) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The speed reader keeps the focus on the tab bar; there the arrows must not switch tabs under it.
class TabArrowsHeld : public ControlFilter {
public:
    TabArrowsHeld(QTabWidget *tabs, int heldOnTab);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTabWidget *tabs;
    int heldOnTab;
};

// Any mouse button on these bars drags the window as its title bar would.
class WindowDragBars : public ControlFilter {
public:
    WindowDragBars(QWidget &window, const QList<QObject *> &bars) : ControlFilter(bars), window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window;
};
