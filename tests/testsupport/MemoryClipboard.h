#pragma once
#include "platform/Clipboard.h"

class MemoryClipboard : public Clipboard {
public:
    QString Content;
    int Writes = 0;
    QString Text() const override { return Content; }
    void SetText(const QString &text) override { Content = text; ++Writes; }
};
