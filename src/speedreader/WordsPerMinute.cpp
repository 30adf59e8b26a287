#include "speedreader/WordsPerMinute.h"
#include <algorithm>
#include <cmath>

namespace WordsPerMinute {

namespace {
constexpr double MsPerMinute = 60000.0;
}

int Delay(int wordsPerMinute)
{
    return int(std::lround(MsPerMinute / std::clamp(wordsPerMinute, Min, Max)));
}

int ForDelay(int delay, int shown)
{
    if (shown >= Min && shown <= Max && Delay(shown) == delay)
        return shown;
    const long nearest = std::lround(MsPerMinute / std::max(delay, 1) / Step) * Step;
    return int(std::clamp(nearest, long(Min), long(Max)));
}

} // namespace WordsPerMinute
