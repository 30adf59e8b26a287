#pragma once

// The Windows language ids of the program's two voices, as engines report them (TDirectSS).
inline constexpr int EnglishLanguageId = 1033;  // US English, the foreign voice
inline constexpr int RussianLanguageId = 1049;
