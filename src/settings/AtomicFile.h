#pragma once
#include <QByteArrayView>
#include <QString>

// Replaces the file at path with data, or leaves it as it was: the data goes to a new file in the
// same folder, which is flushed to the disk and then renamed over the old one, so a crash or a
// power cut leaves either the old file or the new one, never a part. An existing file that is not
// writable is not replaced. Returns whether the new file is in place; reason, when given, then
// tells why not.
bool WriteFileAtomically(const QString &path, QByteArrayView data, QString *reason = nullptr);
