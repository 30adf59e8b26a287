#pragma once

// The pace told as words a minute, one word a tick: the delay is 60000 ms / words a minute.
namespace WordsPerMinute {

constexpr int Min = 50, Max = 1200, Step = 10;

int Delay(int wordsPerMinute);
// The words a minute that go with a delay: the value shown so far while it still gives that
// delay (several values round to one delay near the top of the range), else the step nearest to
// 60000 / delay, kept within the range.
int ForDelay(int delay, int shown);

} // namespace WordsPerMinute
