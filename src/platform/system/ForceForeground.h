#pragma once

class QWidget;

// Restores a minimised window, raises and activates it; true when it is the active window afterwards.
bool ForceForeground(QWidget *window);
