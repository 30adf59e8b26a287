#pragma once
#include "workspace/FindView.h"
#include <QStringList>

// The find bar's field, button and caption in memory; the caption messages are recorded in order.
class RecordingFindView : public FindView {
public:
    static inline const QString InitialCaption = QStringLiteral("Lektavo 3.19");

    QString SearchText() const override { return searchText; }
    void SetFindEnabled(bool enabled) override { findEnabled = enabled; }
    QString Caption() const override { return caption; }
    void ShowCaptionMessage(const QString &message) override
    {
        caption = message;
        messages.append(message);
    }
    void RestoreCaption() override { caption = InitialCaption; }
    int VisibleLineCount() const override { return visibleLines; }

    QString searchText;
    bool findEnabled = false;
    QString caption = InitialCaption;
    QStringList messages;
    int visibleLines = 20;
};
