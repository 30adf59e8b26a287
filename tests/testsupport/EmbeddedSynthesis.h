#pragma once
#include "platform/speech/EspeakSynthesizer.h"
#include <QSemaphore>
#include <QStringList>
#include <vector>

// What the embedded engine makes of a text, waited for: its sound, and the words it tells as the
// pieces of the text they cover. ok is false when the voice could not be loaded.
struct EmbeddedSynthesis {
    bool ok = false;
    std::vector<short> sound;
    QStringList words;
};

inline EmbeddedSynthesis Synthesized(EspeakSynthesizer &synthesizer, const QByteArray &voice, const QString &text,
                                     int rate = EspeakSynthesizer::Job().rate)
{
    EmbeddedSynthesis made;
    QSemaphore finished;
    EspeakSynthesizer::Job job;
    job.voice = voice;
    job.rate = rate;
    job.text = text;
    job.cancelled = std::make_shared<std::atomic_bool>(false);
    job.samples = [&made](const short *samples, int count) { made.sound.insert(made.sound.end(), samples, samples + count); };
    job.word = [&made, &text](qint64, int position, int length) { made.words << text.mid(position, length); };
    job.finished = [&](bool ok) {
        made.ok = ok;
        finished.release();
    };
    synthesizer.Synthesize(std::move(job));
    finished.acquire();
    return made;
}
