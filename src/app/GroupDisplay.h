#pragma once
#include "DoubleClickFrame.h"

class QLabel;

// The speed reader's display PnSR: the group centred in the display font, the speed labels
// LbWords above LbSymbols at the bottom right. It takes its parent's background.
class GroupDisplay : public DoubleClickFrame {
public:
    explicit GroupDisplay(QWidget *parent = nullptr);

    void SetGroup(const QString &group);
    QString Group() const { return group; }
    void SetRates(const QString &words, const QString &symbols);
    void SetFontAndColour(const QFont &font, const QColor &colour);

    QLabel *LbWords;
    QLabel *LbSymbols;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString group;
};
