#pragma once
#include "DoubleClickFrame.h"
#include "platform/qt/QtTextMeasurer.h"
#include "speedreader/FocusPoint.h"

class QLabel;
class QPainter;

// The speed reader's display PnSR: the group centred in the display font, or with the focus point
// on, drawn so that its focus letter, in red, stands at the point marked above and below; the
// speed labels LbWords above LbSymbols at the bottom right. It takes its parent's background.
class GroupDisplay : public DoubleClickFrame {
public:
    explicit GroupDisplay(QWidget *parent = nullptr);

    void SetGroup(const QString &group);
    QString Group() const { return group; }
    void SetRates(const QString &words, const QString &symbols);
    void SetFontAndColour(const QFont &font, const QColor &colour);
    void SetFocusPoint(bool on);
    // Where the group was drawn last around its focus letter.
    const FocusLayout &DrawnLayout() const { return drawn; }

    QLabel *LbWords;
    QLabel *LbSymbols;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void PaintAroundFocus(QPainter &painter);

    QString group;
    bool focusPoint = false;
    QtTextMeasurer measurer{this};
    FocusLayout drawn;
};
