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

}  // namespace SoundMeasures
