// What the shared main function of the benchmarks offers them.
#pragma once

#include <functional>
#include <memory>

// Runs cleanup before the application object goes, the last one given first: what holds widgets or
// child processes must not outlive it.
void benchBeforeQuit(std::function<void()> cleanup);

// The program's one T, made on first use and ended before the application object.
template <typename T> T &benchShared()
{
    static std::unique_ptr<T> made;
    if (!made) {
        made = std::make_unique<T>();
        benchBeforeQuit([] { made.reset(); });
    }
    return *made;
}
