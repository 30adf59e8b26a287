#include "voices/SoundData.h"
#include <QtEndian>

namespace {

void Put(QByteArray &bytes, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + offset);
}

qint32 Get(QByteArrayView bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.data() + offset);
}

}

QByteArray SoundData::ToBytes() const
{
    QByteArray bytes(Size, '\0');
    Put(bytes, 0, LanguageFilter);
    Put(bytes, 4, VoiceIndex);
    for (int n = 0; n < EntryCount; ++n) {
        const int at = EntryOffset + EntrySize * n;
        Put(bytes, at, VoiceSettings[n].SpeedPosition);
        Put(bytes, at + 4, VoiceSettings[n].VolumePosition);
        Put(bytes, at + 8, VoiceSettings[n].PitchPosition);
    }
    return bytes;
}

std::optional<SoundData> SoundData::FromBytes(QByteArrayView bytes)
{
    if (bytes.size() < Size)
        return std::nullopt;
    SoundData data;
    data.LanguageFilter = Get(bytes, 0);
    data.VoiceIndex = Get(bytes, 4);
    for (int n = 0; n < EntryCount; ++n) {
        const int at = EntryOffset + EntrySize * n;
        data.VoiceSettings[n] = {Get(bytes, at), Get(bytes, at + 4), Get(bytes, at + 8)};
    }
    return data;
}
