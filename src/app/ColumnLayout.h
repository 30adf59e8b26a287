#pragma once
#include <QList>
#include <QMargins>
#include <QObject>

class QWidget;

// Inside the group boxes of the columns: the tabs hold all their rows at the first-run size.
inline constexpr QMargins CompactGroupMargins{6, 2, 6, 4};

// Two columns side by side over the whole width of their panel, laid again whenever the panel's
// width or font changes: the left column half as wide as the panel, the rows of both 19 pixels narrower than
// that, 10 pixels from the left column's edge and 5 from the right one's. Where a row needs more
// room than that (a narrow window, a large font) it keeps what it needs and the left column widens
// with it, so that nothing is cut.
class TwoColumns : public QObject {
public:
    TwoColumns(QWidget *panel, QWidget *leftColumn, QWidget *rightColumn);

    void AddLeftRows(const QList<QWidget *> &rows) { leftRows += rows; }
    void AddRightRows(const QList<QWidget *> &rows) { rightRows += rows; }
    void Lay(int half);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *panel, *leftColumn, *rightColumn;
    QList<QWidget *> leftRows, rightRows;
};
