#pragma once
#include <exception>

// Runs a step whose engine failure changes nothing else and is not reported.
template <typename Step>
void IgnoreFailure(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

// Engines refuse some writes now and then; a write is tried a fixed number of times, then dropped.
template <typename Write>
void WriteWithRetries(int attempts, Write write)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        try {
            write();
            return;
        } catch (const std::exception &) {
        }
    }
}
