#pragma once
#include <QString>

// The Windows language identifier (LCID) of a language tag such as "ru", "en-US" or
// "en-GB-scotland". A tag without an identifier of its own takes that of its shortest known
// prefix ("en-GB-scotland" is British English); a language Windows has no identifier for gets
// LOCALE_CUSTOM_UNSPECIFIED (0x1000).
int WindowsLanguageId(const QString &languageTag);

// The language of a voice that reports none, guessed from its name: "msu_ru_nsh_clunits" is
// Russian. Returns an empty tag when no part of the name is a known language code.
QString LanguageTagFromVoiceName(const QString &voiceName);

constexpr int UnspecifiedLanguageId = 0x1000;
