#pragma once
// Measures taken on a recording of the null sink's monitor, shared by the sound benchmarks.
#include "platform/speech/MonitorRecorder.h"
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <vector>

namespace SoundMeasures {

using Clock = MonitorRecorder::Clock;
constexpr int Threshold = 300;  // a sample at least this loud is sound

inline double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The first loud sample at or after a time, on the recording's clock; its time once recorded.
inline std::optional<Clock::time_point> FirstSoundAfter(const MonitorRecorder &recorder, Clock::time_point t)
{
    const auto sounds = recorder.Sounds(recorder.SampleAt(t), recorder.SampleCount(), Threshold, 1);
    if (sounds.empty())
        return std::nullopt;
    return recorder.TimeOf(sounds.front().begin);
}

// The silence between two utterances: the longest quiet stretch that reaches into a window around
// the moment the next one was asked for (the recording's clock is good to a few milliseconds).
inline double SilenceAround(const MonitorRecorder &recorder, Clock::time_point t)
{
    const std::vector<short> samples = recorder.Samples();
    const std::size_t window = MonitorRecorder::Rate * 40 / 1000;
    const std::size_t centre = recorder.SampleAt(t);
    const std::size_t from = centre > window ? centre - window : 0;
    const std::size_t to = std::min(centre + window, samples.size());
    std::size_t longest = 0;
    for (std::size_t i = from; i < to; ++i) {
        if (std::abs(samples[i]) >= Threshold)
            continue;
        std::size_t begin = i, end = i;
        while (begin > 0 && std::abs(samples[begin - 1]) < Threshold)
            --begin;
        while (end < samples.size() && std::abs(samples[end]) < Threshold)
            ++end;
        longest = std::max(longest, end - begin);
        i = end;
    }
    return longest * 1000.0 / MonitorRecorder::Rate;
}

}  // namespace SoundMeasures
