#pragma once
#include <cstddef>
#include <vector>

// Cuts the silence before the first sound and behind the last sound of one utterance, as its
// samples stream in: a quiet stretch is held back until sound follows it (a pause inside the
// utterance, passed on whole) or the utterance ends (the trailing silence, cut to a short tail).
// Short edges of silence are kept so that the sound starts and ends on a quiet sample.
class SilenceTrimmer {
public:
    SilenceTrimmer(int sampleRate, int threshold, int leadingMs, int trailingMs);
    // The edges that the embedded voices' utterances keep, played or written to a file.
    static SilenceTrimmer ForUtterance(int sampleRate);

    std::vector<short> Push(const short *samples, int count);  // what may be played now
    std::vector<short> Finish();                                // the tail of the utterance

    // Where a sample of the input comes out; known once sound has been heard, since until then
    // the leading silence may still grow. A sample that was cut comes out where the sound starts.
    bool PositionsKnown() const { return heardSound_; }
    std::size_t OutputPosition(std::size_t input) const;

private:
    void KeepLeadingEdge();  // drops the leading silence but its last few samples

    int threshold_;
    std::size_t leadingSamples_;
    std::size_t trailingSamples_;
    bool heardSound_ = false;
    std::size_t dropped_ = 0;  // samples of leading silence cut
    std::vector<short> held_;  // the quiet samples since the last sound
};
