#include "SilenceTrimmer.h"
#include <algorithm>
#include <cstddef>
#include <cstdlib>

SilenceTrimmer::SilenceTrimmer(int sampleRate, int threshold, int leadingMs, int trailingMs)
    : threshold_(threshold),
      leadingSamples_(std::size_t(sampleRate) * leadingMs / 1000),
      trailingSamples_(std::size_t(sampleRate) * trailingMs / 1000)
{
}

SilenceTrimmer SilenceTrimmer::ForUtterance(int sampleRate)
{
    constexpr int Threshold = 64;
    constexpr int LeadingMs = 2;
    constexpr int TrailingMs = 5;
    return SilenceTrimmer(sampleRate, Threshold, LeadingMs, TrailingMs);
}

std::vector<short> SilenceTrimmer::Push(const short *samples, int count)
{
    int lastLoud = count - 1;
    while (lastLoud >= 0 && std::abs(samples[lastLoud]) < threshold_)
        --lastLoud;

    std::vector<short> playable;
    if (lastLoud < 0) {
        held_.insert(held_.end(), samples, samples + count);
        if (!heardSound_)
            KeepLeadingEdge();
        return playable;
    }
    if (!heardSound_) {
        int firstLoud = 0;
        while (std::abs(samples[firstLoud]) < threshold_)
            ++firstLoud;
        held_.insert(held_.end(), samples, samples + firstLoud);
        KeepLeadingEdge();
        samples += firstLoud;
        count -= firstLoud;
        lastLoud -= firstLoud;
        heardSound_ = true;
    }
    playable.swap(held_);
    playable.insert(playable.end(), samples, samples + lastLoud + 1);
    held_.assign(samples + lastLoud + 1, samples + count);
    return playable;
}

void SilenceTrimmer::KeepLeadingEdge()
{
    if (held_.size() <= leadingSamples_)
        return;
    const std::size_t cut = held_.size() - leadingSamples_;
    held_.erase(held_.begin(), held_.begin() + std::ptrdiff_t(cut));
    dropped_ += cut;
}

std::size_t SilenceTrimmer::OutputPosition(std::size_t input) const
{
    return input > dropped_ ? input - dropped_ : 0;
}

std::vector<short> SilenceTrimmer::Finish()
{
    const std::size_t keep = heardSound_ ? trailingSamples_ : leadingSamples_;
    std::vector<short> tail(held_.begin(), held_.begin() + std::ptrdiff_t(std::min(keep, held_.size())));
    held_.clear();
    return tail;
}
