#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text as the settings files hold it. This program writes UTF-8; files written on the other desktop
// system hold Windows-1251, which is recognised by not being valid UTF-8.

// The bytes as UTF-8 when they are valid UTF-8 (a leading byte-order mark is dropped), otherwise
// as Windows-1251.
QString DecodeUtf8Or1251(QByteArrayView bytes);

// The text as UTF-8, cut at a character boundary so that it takes at most maxBytes bytes.
QByteArray EncodeUtf8Within(const QString &text, int maxBytes);
