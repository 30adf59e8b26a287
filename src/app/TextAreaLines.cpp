#include "app/TextAreaLines.h"
#include "reading/TextAreaScrolling.h"
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

TextAreaLines::TextAreaLines(QPlainTextEdit *re1, QLabel *lbTest, std::function<void(int count)> counted)
    : ControlFilter({re1, re1->viewport()}), re1(re1), lbTest(lbTest), counted(std::move(counted))
{
}

void TextAreaLines::Recount()
{
    const int lineHeight = QFontMetrics(lbTest->font()).lineSpacing();
    const int margins = 2 * int(re1->document()->documentMargin());
    count = VisibleLinesIn(re1->viewport()->height() - margins, lineHeight);
    counted(count);
}

bool TextAreaLines::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == re1 && event->type() == QEvent::FontChange) {
        lbTest->setFont(re1->font());
        Recount();
    } else if (watched == re1->viewport() && event->type() == QEvent::Resize) {
        Recount();
    }
    return false;
}
