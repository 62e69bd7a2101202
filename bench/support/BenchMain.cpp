// The main function of the benchmarks that read into tables: an offscreen application under the
// German locale, with the scripted UI answering (any message box would be a set-up fault).
#include "BenchMain.h"

#include "platform/ScriptedUi.h"
#include "platform/UiServices.h"

#include <QApplication>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

std::vector<std::function<void()>> &cleanups()
{
    static std::vector<std::function<void()>> list;
    return list;
}

} // namespace

void benchBeforeQuit(std::function<void()> cleanup)
{
    cleanups().push_back(std::move(cleanup));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    platform::ScriptedUi ui;
    platform::setUi(&ui);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto it = cleanups().rbegin(); it != cleanups().rend(); ++it)
        (*it)();
    cleanups().clear();
    platform::setUi(nullptr);
    return 0;
}
