#pragma once
#include "app/ControlFilters.h"
#include <functional>

class QLabel;
class QPlainTextEdit;

// How many whole lines of text fit in Re1, counted again when its font or the size of its viewport
// changes. The line-height probe LbTest takes Re1's font.
class TextAreaLines : public ControlFilter {
public:
    TextAreaLines(QPlainTextEdit *re1, QLabel *lbTest, std::function<void(int count)> counted);

    int Count() const { return count; }
    void Recount();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit *re1;
    QLabel *lbTest;
    std::function<void(int)> counted;
    int count = 0;
};
