// Sizes of the benchmarks' data: the full size, or a small share of it when DATOLUX_BENCH_QUICK is
// set, as ctest runs every benchmark program once to catch a crash at start or at exit.
#pragma once

#include <QtGlobal>
#include <algorithm>

inline bool benchQuick()
{
    static const bool quick = !qEnvironmentVariableIsEmpty("DATOLUX_BENCH_QUICK");
    return quick;
}

// A hundredth of full in a quick run, at least minimum.
inline int benchSize(int full, int minimum = 1)
{
    return benchQuick() ? std::max(minimum, full / 100) : full;
}

// The least time a benchmark runs for: full seconds, or a token time in a quick run.
inline double benchMinTime(double full)
{
    return benchQuick() ? 0.01 : full;
}
