#pragma once
#include <cstdio>
#include <cstdlib>

// For fuzz targets: a broken invariant is reported and aborts, so that libFuzzer keeps the input.
inline void Check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
