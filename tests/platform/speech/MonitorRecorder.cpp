#include "MonitorRecorder.h"
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

MonitorRecorder::MonitorRecorder()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const char *sink = std::getenv("PULSE_SINK");
    const std::string device = std::string(sink ? sink : "nullsink") + ".monitor";
    const std::string rate = "--rate=" + std::to_string(Rate);
    const char *argv[] = {"parec", "-d", device.c_str(), "--format=s16le", rate.c_str(),
                          "--channels=1", "--latency-msec=2", "--process-time-msec=1", nullptr};
    if (posix_spawnp(&pid_, "parec", &actions, nullptr, const_cast<char **>(argv), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    pipe_ = fds[0];
    reader_ = std::thread([this] { Read(); });
}

MonitorRecorder::~MonitorRecorder()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (reader_.joinable())
        reader_.join();
    if (pipe_ >= 0)
        close(pipe_);
}

void MonitorRecorder::Read()
{
    char buffer[256];
    std::size_t pendingByte = 0;
    char carry = 0;
    for (;;) {
        const ssize_t got = read(pipe_, buffer, sizeof buffer);
        const Clock::time_point arrival = Clock::now();
        if (got <= 0)
            return;
        std::lock_guard lock(mutex_);
        std::size_t i = 0;
        if (pendingByte) {
            samples_.push_back(short(uint8_t(carry) | (uint8_t(buffer[0]) << 8)));
            i = 1;
            pendingByte = 0;
        }
        for (; i + 1 < std::size_t(got); i += 2)
            samples_.push_back(short(uint8_t(buffer[i]) | (uint8_t(buffer[i + 1]) << 8)));
        if (i < std::size_t(got)) {
            carry = buffer[i];
            pendingByte = 1;
        }
        starts_.push_back(arrival
                          - std::chrono::microseconds(long(samples_.size()) * 1000000 / Rate));
    }
}

bool MonitorRecorder::WaitUntilRecording(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        if (SampleCount() > Rate / 10)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::vector<short> MonitorRecorder::Samples() const
{
    std::lock_guard lock(mutex_);
    return samples_;
}

std::size_t MonitorRecorder::SampleCount() const
{
    std::lock_guard lock(mutex_);
    return samples_.size();
}

MonitorRecorder::Clock::time_point MonitorRecorder::Origin() const
{
    std::vector<Clock::time_point> starts = starts_;
    if (starts.empty())
        return Clock::now();
    std::nth_element(starts.begin(), starts.begin() + starts.size() / 2, starts.end());
    return starts[starts.size() / 2];
}

MonitorRecorder::Clock::time_point MonitorRecorder::TimeOf(std::size_t sample) const
{
    std::lock_guard lock(mutex_);
    return Origin() + std::chrono::microseconds(long(sample) * 1000000 / Rate);
}

std::size_t MonitorRecorder::SampleAt(Clock::time_point time) const
{
    std::lock_guard lock(mutex_);
    const auto since = std::chrono::duration_cast<std::chrono::microseconds>(time - Origin());
    return since.count() <= 0 ? 0 : std::size_t(since.count() * Rate / 1000000);
}

std::vector<MonitorRecorder::Sound> MonitorRecorder::Sounds(std::size_t from, std::size_t to,
                                                            int threshold, int minGapMs) const
{
    const std::vector<short> samples = Samples();
    to = std::min(to, samples.size());
    const std::size_t minGap = std::size_t(minGapMs) * Rate / 1000;
    std::vector<Sound> sounds;
    for (std::size_t i = from; i < to; ++i) {
        if (std::abs(samples[i]) < threshold)
            continue;
        if (!sounds.empty() && i - sounds.back().end < minGap)
            sounds.back().end = i + 1;
        else
            sounds.push_back({i, i + 1});
    }
    return sounds;
}

int MonitorRecorder::Peak(std::size_t from, std::size_t to) const
{
    const std::vector<short> samples = Samples();
    int peak = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

double MonitorRecorder::QuietMsAround(Clock::time_point time, int threshold) const
{
    const std::vector<short> samples = Samples();
    const std::size_t window = std::size_t(Rate) * 40 / 1000;
    const std::size_t centre = SampleAt(time);
    const std::size_t from = centre > window ? centre - window : 0;
    const std::size_t to = std::min(centre + window, samples.size());
    std::size_t longest = 0;
    for (std::size_t i = from; i < to; ++i) {
        if (std::abs(samples[i]) >= threshold)
            continue;
        std::size_t begin = i, end = i;
        while (begin > 0 && std::abs(samples[begin - 1]) < threshold)
            --begin;
        while (end < samples.size() && std::abs(samples[end]) < threshold)
            ++end;
        longest = std::max(longest, end - begin);
        i = end;
    }
    return longest * 1000.0 / Rate;
}
