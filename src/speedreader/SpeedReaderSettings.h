#pragma once

// The values of the speed reader's controls. The tick length, its step and the group length are
// on the "Быстрочиталка" tab, the rest on "Настройки".
struct SpeedReaderSettings {
    static constexpr int MinDelay = 50, MaxDelay = 30000, DefaultDelay = 200;
    static constexpr int MinLength = 1, MaxLength = 100, DefaultLength = 1;
    static constexpr int MaxWritten = 99;
    static constexpr int MaxBack = 100, DefaultBack = 20;
    static constexpr int MinLetters = 5, MaxLetters = 50, DefaultLetters = 8;
    static constexpr int MaxExtraTicks = 5;

    int Delay = DefaultDelay;  // UdDelay, ms a tick
    int DelayStep = 10;        // the step of UdDelay at its value
    int Length = DefaultLength;  // UdLength
    int Written = 0;           // UdWritten, per cent of the lines read
    int Back = DefaultBack;    // UdBack, groups kept for the replay
    int Letters = DefaultLetters;  // UdLetters
    int LongWord = 0;          // UdLongWord
    int EndOfSentence = 0;     // UdEndOfSentence
    int Comma = 0;             // UdComma
    bool AutoStop = false;     // CbAutoStop, "Пауза при неактивности"
    bool NonStop = false;      // CbNonStop, "Читать бесконечно"
    bool IndicatorsShown = true;  // Indicators1, "Показывать скорость чтения"
};
