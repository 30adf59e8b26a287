#pragma once
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

// Records what the PulseAudio null sink plays, from its monitor through parec, on a thread of its
// own, and places every recorded sample on the steady clock. Each block that arrives tells when
// the recording started (its arrival less the duration of all samples so far); a block arrives a
// little after it was played, never before, so the median of these estimates is the start,
// slightly late: times on the recording come out a little late rather than early.
class MonitorRecorder {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int Rate = 22050;

    struct Sound {
        std::size_t begin;  // first loud sample
        std::size_t end;    // behind the last loud sample
    };

    MonitorRecorder();
    ~MonitorRecorder();

    bool WaitUntilRecording(int timeoutMs = 5000);  // false when parec does not deliver
    std::vector<short> Samples() const;
    std::size_t SampleCount() const;
    Clock::time_point TimeOf(std::size_t sample) const;
    std::size_t SampleAt(Clock::time_point time) const;

    // Stretches of sound in [from, to): loud samples closer than minGapMs belong together.
    std::vector<Sound> Sounds(std::size_t from, std::size_t to, int threshold = 300,
                              int minGapMs = 150) const;
    int Peak(std::size_t from, std::size_t to) const;
    // The silence between two utterances in milliseconds: the longest quiet stretch that reaches
    // into a window around a moment (the recording's clock is good to a few milliseconds).
    double QuietMsAround(Clock::time_point time, int threshold = 300) const;

private:
    void Read();

    int pid_ = -1;
    int pipe_ = -1;
    std::thread reader_;
    mutable std::mutex mutex_;
    std::vector<short> samples_;
    std::vector<Clock::time_point> starts_;  // the estimates of the start, one per block
    Clock::time_point Origin() const;  // the time of sample 0
};
