#pragma once
// What the benchmarks of the text share: their display and the 3 MB book they work on.
#include <QFile>
#include <QString>
#include <cstdio>
#include <optional>

// Widgets draw offscreen unless the caller names a platform.
inline void UseOffscreenUnlessTold()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

inline std::optional<QString> ReadBook()
{
    QFile file(QStringLiteral(LEKTAVO_BENCH_BOOK));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}
