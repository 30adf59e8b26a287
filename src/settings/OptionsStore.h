#pragma once
#include <QString>

// The program's own options, which "Data.dat" does not hold, each off until it is set, and the
// "Location" value that tells other programs where the program keeps its files.
class OptionsStore {
public:
    enum class Switch {
        MarkWord,            // "Подсвечивать слово"
        FocusPoint,          // "Точка фиксации"
        WordsPerMinute,      // "Слов в минуту"
        ContextWhenStopped,  // "Контекст при остановке"
        SmoothStart,         // "Плавный старт"
        Abbreviations,       // "Учитывать сокращения"
        EnglishRuns,         // "Английские вставки — английским голосом"
        HyphensByDictionary, // "Переносы по словарю"
    };

    virtual ~OptionsStore() = default;

    virtual bool IsOn(Switch option) const = 0;
    virtual void Set(Switch option, bool on) = 0;

    // The item chosen in a menu of the program's own, the first (off) until one is chosen.
    enum class Choice {
        SleepTimer,  // "Таймер сна"
    };
    virtual int Chosen(Choice option) const = 0;
    virtual void Choose(Choice option, int item) = 0;

    virtual void SetLocation(const QString &programFolder) = 0;
};
