#include "app/FindBar.h"
#include "app/CaptionTimer.h"
#include "app/Handlers.h"
#include "workspace/TextFinder.h"
#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

FindBar::FindBar(QWidget *pnReTop, CaptionTimer &caption, std::function<QString()> currentCaption,
                 std::function<int()> visibleLineCount)
    : pnFind(new QWidget(pnReTop)), edit1(new QLineEdit(pnFind)),
      btFind(new QPushButton(QStringLiteral("Найти"), pnFind)), caption(caption),
      currentCaption(std::move(currentCaption)), visibleLineCount(std::move(visibleLineCount))
{
    pnFind->setObjectName("PnFind");
    edit1->setObjectName("Edit1");
    edit1->setMaxLength(TextFinder::MaxSearchLength);
    edit1->setFont(QFont(QStringLiteral("Times New Roman"), edit1->font().pointSize()));
    edit1->setAccessibleName(QStringLiteral("Найти"));
    btFind->setObjectName("BtFind");
    btFind->setAccessibleName(btFind->text());
    auto *row = new QHBoxLayout(pnFind);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(edit1);
    row->addWidget(btFind);
    static_cast<QBoxLayout *>(pnReTop->layout())->addWidget(pnFind);
    pnFind->hide();
}

void FindBar::ConnectTo(TextFinder &finder)
{
    OnSignal(edit1, &QLineEdit::textChanged, pnFind, "Edit1Change", [&finder] { finder.Edit1Change(); });
    OnSignal(edit1, &QLineEdit::returnPressed, pnFind, "Edit1KeyPress",
             [&finder] { finder.Edit1KeyPress(QLatin1Char('\r')); });
    OnSignal(btFind, &QPushButton::clicked, pnFind, "BtFindClick", [&finder] { finder.BtFindClick(); });
    finder.Edit1Change();
}

bool FindBar::Shown() const
{
    return !pnFind->isHidden();
}

void FindBar::Show(bool shown)
{
    pnFind->setVisible(shown);
    if (shown)
        edit1->setFocus(Qt::OtherFocusReason);
}

QString FindBar::SearchText() const
{
    return edit1->text();
}

void FindBar::SetFindEnabled(bool enabled)
{
    btFind->setEnabled(enabled);
}

void FindBar::ShowCaptionMessage(const QString &message)
{
    caption.ShowMessage(message);
}

void FindBar::RestoreCaption()
{
    caption.Restore();
}
