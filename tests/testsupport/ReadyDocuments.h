#pragma once
#include "platform/DocumentLoader.h"
#include <QMap>
#include <optional>

// Documents converted at once, from a table of what each path gives (an unknown path fails with
// the open-failure message). With Hold set a conversion stays under way until Release.
class ReadyDocuments : public DocumentLoader {
public:
    QMap<QString, ConvertedDocument> Documents;
    bool Hold = false;
    QStringList Loaded;  // every path asked for, in order

    void Load(const QString &path, Delivery deliver) override
    {
        Loaded << path;
        pending = deliver;
        held = Documents.value(path, ConvertedDocument::OpenFailed());
        if (!Hold)
            Release();
    }
    void Cancel() override { pending = nullptr; }
    bool IsLoading() const override { return bool(pending); }

    void Release()
    {
        if (auto deliver = std::exchange(pending, nullptr))
            deliver(held);
    }

private:
    Delivery pending;
    ConvertedDocument held;
};
