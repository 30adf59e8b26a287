#pragma once
#include "DocumentLimits.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>

struct zip;

// A zip package held in memory, read through libzip. All that its entries unpack to together is
// bounded, so a small package that would unpack to gigabytes is refused instead.
class ZipArchive {
public:
    // Nothing when the bytes are no readable zip archive. The bytes must outlive the archive.
    static std::optional<ZipArchive> Open(QByteArrayView bytes, qint64 unpackBudget = kMaxDocumentBytes);

    bool Contains(const QString &name) const;
    // An entry's content; nothing when it is missing, cannot be unpacked or exceeds what is left
    // of the budget.
    std::optional<QByteArray> Read(const QString &name);

private:
    struct Closer {
        void operator()(zip *archive) const;
    };
    ZipArchive(zip *archive, qint64 unpackBudget);

    std::unique_ptr<zip, Closer> archive;
    qint64 budget;
};
