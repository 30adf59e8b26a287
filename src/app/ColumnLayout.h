#pragma once
#include <QList>

class QWidget;

// Two columns side by side over the whole width of their panel, the left one half wide.
void JoinColumns(QWidget *leftColumn, int half);
// A column of rows, each width wide, their left edges at left.
void LayColumn(QWidget *column, int left, int width, const QList<QWidget *> &rows);
