// What the shared main function of the benchmarks offers them.
#pragma once

#include <functional>

// Runs cleanup before the application object goes, the last one given first: what holds widgets or
// child processes must not outlive it.
void benchBeforeQuit(std::function<void()> cleanup);
