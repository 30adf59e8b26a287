#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <array>
#include <optional>

// Slider positions (1 to 100) remembered for one voice. The order is that of the stored record.
struct VoiceSetting {
    qint32 SpeedPosition = 0;
    qint32 VolumePosition = 0;
    qint32 PitchPosition = 0;

    bool operator==(const VoiceSetting &) const = default;
};

// The record a voice panel keeps between runs: 3620 bytes of signed 32-bit little-endian
// integers, no padding. Entry n of VoiceSettings belongs to engine number n; entry 0 is used
// while no voice is chosen.
struct SoundData {
    static constexpr int LastEngine = 300;
    static constexpr int EntryCount = LastEngine + 1;
    static constexpr int EntryOffset = 8;
    static constexpr int EntrySize = 12;
    static constexpr int Size = EntryOffset + EntrySize * EntryCount;

    qint32 LanguageFilter = 0;  // 0 all voices, 1 English, 2 Russian
    qint32 VoiceIndex = 0;      // position in the filtered list, -1 for none
    std::array<VoiceSetting, EntryCount> VoiceSettings{};

    bool operator==(const SoundData &) const = default;

    QByteArray ToBytes() const;
    // The record held in the first Size bytes; nothing when fewer bytes are given.
    static std::optional<SoundData> FromBytes(QByteArrayView bytes);
};

static_assert(SoundData::Size == 3620);
