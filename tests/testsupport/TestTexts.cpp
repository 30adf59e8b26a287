#include "testsupport/TestTexts.h"
#include <QFile>
#include <QStringList>
#include <QTest>

QString NumberedLines(int count, const QString &pattern)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << pattern.arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

QString Paragraphs(int count, int words)
{
    QStringList paragraphs;
    for (int p = 0; p < count; ++p) {
        QStringList text{QStringLiteral("P%1").arg(p)};
        for (int w = 0; w < words; ++w)
            text << QStringLiteral("слово%1").arg(w);
        paragraphs << text.join(u' ');
    }
    return paragraphs.join(QStringLiteral("\r\n"));
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}
