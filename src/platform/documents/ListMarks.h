#pragma once
#include <QString>
#include <QStringView>

// The bullet written before a list item whose own mark cannot be shown as text.
inline constexpr char16_t kBullet = u'•';

// The number n (from 1) of a numbered list item in a numbering style: "1" (decimal), "a" or "A"
// (letters), "i" or "I" (Roman numerals); an unknown style, and a number from 4000 on, in decimal.
QString ListNumber(QStringView style, int n);

// A bullet as it can be shown: symbol-font characters, which map to no letter, become kBullet.
QString ShownBullet(QStringView bullet);
