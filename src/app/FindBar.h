#pragma once
#include "workspace/FindView.h"
#include <QString>
#include <functional>

class CaptionTimer;
class QLineEdit;
class QPushButton;
class QWidget;
class TextFinder;

// The find bar PnFind at the right of the reading tab's top bar: the field Edit1 and the button
// BtFind "Найти", hidden until "Найти" of "Правка" shows it. It is the find logic's view.
class FindBar : public FindView {
public:
    // pnReTop: the bar it joins; caption: the window title and the messages shown in it.
    FindBar(QWidget *pnReTop, CaptionTimer &caption, std::function<QString()> currentCaption,
            std::function<int()> visibleLineCount);
    void ConnectTo(TextFinder &finder);

    bool Shown() const;
    void Show(bool shown);  // and the focus to Edit1 when shown
    QLineEdit *Edit1() const { return edit1; }

    QString SearchText() const override;
    void SetFindEnabled(bool enabled) override;
    QString Caption() const override { return currentCaption(); }
    void ShowCaptionMessage(const QString &message) override;
    void RestoreCaption() override;
    int VisibleLineCount() const override { return visibleLineCount(); }

private:
    QWidget *pnFind;
    QLineEdit *edit1;
    QPushButton *btFind;
    CaptionTimer &caption;
    std::function<QString()> currentCaption;
    std::function<int()> visibleLineCount;
};
