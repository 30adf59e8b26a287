#pragma once

class QWidget;

// Restores a minimised window, raises it and asks for it to be activated.
void ForceForeground(QWidget *window);
