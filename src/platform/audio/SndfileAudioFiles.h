#pragma once
#include "platform/AudioFiles.h"

// Writes WAV, FLAC, Ogg Vorbis, Opus and MP3 through libsndfile, chosen by the extension
// (.wav, .flac, .ogg or .oga, .opus, .mp3). Opus takes only 48 kHz, so its samples are resampled
// by libsoxr; MP3 is tagged by TagLib in ID3v2.4 with UTF-8 text, the other formats by libsndfile
// in their own tags.
class SndfileAudioFiles : public AudioFiles {
public:
    std::unique_ptr<AudioWriter> Create(const QString &path, int sampleRate,
                                        const AudioTags &tags) override;

    // Whether the extension of path names a format written here.
    static bool Writes(const QString &path);
};
