// The main function of the benchmarks that read into tables: an offscreen application under the
// German locale, with the scripted UI answering (any message box would be a set-up fault).
#include "platform/ScriptedUi.h"
#include "platform/UiServices.h"

#include <QApplication>
#include <QLocale>
#include <benchmark/benchmark.h>

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
    platform::setUi(nullptr);
    return 0;
}
