// The table's view at 500,000 rows x 12 attributes of contact-like text, as a user works it: a full
// repaint, scrolling a page and jumping to the end, a click on a value that selects it, a zoom to the
// selected rows and back, and sorting by an attribute of many distinct texts (first time and again).
// Each step includes the view's own update after the change and one paint of a 1,600 x 1,000 window.
#include "BenchSize.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"
#include "infozoom/TableData.h"
#include "infozoom/TableView.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QScrollBar>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

const int Rows = benchSize(500'000);
constexpr int Attributes = 12;

// Distinct values per attribute: IDs, names, cities, streets, dates, types, phone numbers ...
const int Sizes[Attributes] = {Rows,
                               benchSize(60'000),
                               benchSize(400),
                               benchSize(90'000),
                               benchSize(3'650),
                               benchSize(12),
                               benchSize(120'000),
                               benchSize(50),
                               benchSize(2),
                               benchSize(9'000),
                               benchSize(250'000),
                               benchSize(30)};

QString valueOf(int attribute, int v)
{
    switch (attribute % 6) {
    case 0:
        return QStringLiteral("CO%1").arg(quint64(v) * 2654435761u % 0xFFFFFFFFFFull, 24, 16, QLatin1Char('0'));
    case 1:
        return QStringLiteral("Müller-Lüdenscheidt %1").arg(v * 7919 % 1'000'003);
    case 2:
        return QStringLiteral("Ort %1").arg(v);
    case 3:
        return QStringLiteral("%1.%2.%3 10:00:00")
            .arg(1 + v % 28, 2, 10, QLatin1Char('0'))
            .arg(1 + v % 12, 2, 10, QLatin1Char('0'))
            .arg(1990 + v % 35);
    case 4:
        return QStringLiteral("Typ %1").arg(v);
    default:
        return QStringLiteral("+49 30 %1").arg(1'000'000 + v);
    }
}

struct Window
{
    InfoZoomControl control;
    InfoZoomTable *table = control.Table();
    TableView *view = control.view();

    Window()
    {
        control.resize(1600, 1000);
        control.setDisplayEnabled(false);
        std::vector<InfoZoomAttribute> attributes;
        std::vector<std::vector<QString>> values(Attributes);
        for (int a = 0; a < Attributes; ++a) {
            attributes.push_back(table->Attributes().Add(QStringLiteral("Feld %1").arg(a)));
            for (int v = 0; v < Sizes[a]; ++v)
                values[size_t(a)].push_back(valueOf(a, v));
        }
        quint64 state = 0x9E3779B97F4A7C15ull;
        InfoZoomObjects objects = table->Objects();
        for (int r = 0; r < Rows; ++r) {
            InfoZoomObject row = objects.Add();
            for (int a = 0; a < Attributes; ++a) {
                state ^= state << 13;
                state ^= state >> 7;
                state ^= state << 17;
                const int v = Sizes[a] == Rows ? r : int(state % quint64(Sizes[a]));
                row.setValue(attributes[size_t(a)], values[size_t(a)][size_t(v)]);
            }
        }
        control.setDisplayEnabled(true);
        control.show();
        settle();
    }

    // Lets the queued view update run, then paints the whole window once.
    void settle()
    {
        QCoreApplication::processEvents();
        QImage image(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        view->viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    QScrollBar &rows() { return *view->verticalScrollBar(); }
};

// Made on first use and ended in main before the application object: widgets must not outlive it.
std::unique_ptr<Window> g_window;

Window &window()
{
    if (!g_window)
        g_window = std::make_unique<Window>();
    return *g_window;
}

void BM_ViewPaint(benchmark::State &state)
{
    Window &w = window();
    w.rows().setValue(0);
    for (auto _ : state)
        w.settle();
}

void BM_ViewScrollPage(benchmark::State &state)
{
    Window &w = window();
    w.rows().setValue(0);
    for (auto _ : state) {
        w.rows().setValue(w.rows().value() + w.rows().pageStep());
        w.settle();
    }
}

void BM_ViewJumpToEndAndBack(benchmark::State &state)
{
    Window &w = window();
    for (auto _ : state) {
        w.rows().setValue(w.rows().maximum());
        w.settle();
        w.rows().setValue(0);
        w.settle();
    }
    state.counters["rows"] = double(w.table->CurrentObjects().Count());
}

// A click on a city: the value becomes the selection, the row count line counts the selected rows.
void BM_ViewClickSelect(benchmark::State &state)
{
    Window &w = window();
    w.rows().setValue(0);
    int row = 0;
    for (auto _ : state) {
        QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.view->cellRect(row++ % 20, 2).center());
        w.settle();
    }
    state.counters["selected"] = double(w.table->SelectedObjects().Count());
    w.table->ResetSelection();
    w.settle();
}

void BM_ViewZoomAndBack(benchmark::State &state)
{
    Window &w = window();
    w.rows().setValue(0);
    double zoomed = 0;
    for (auto _ : state) {
        QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.view->cellRect(3, 8).center());
        w.settle();
        QTest::keyClick(w.view, Qt::Key_Return);
        w.settle();
        zoomed = w.table->CurrentObjects().Count();
        QTest::keyClick(w.view, Qt::Key_Backspace);
        w.settle();
    }
    state.counters["zoomed_rows"] = zoomed;
    if (w.table->CurrentObjects().Count() != Rows)
        state.SkipWithError("stepping back did not show the whole table again");
    w.table->ResetSelection();
    w.settle();
}

void sortAndPaint(Window &w, int column, bool ascending)
{
    w.table->SortBy(InfoZoomAttribute(w.table->AttributeItem(column)), ascending);
    w.rows().setValue(0);
    w.settle();
}

// The first sort by an attribute of 250,000 distinct texts orders its values (once per change).
void BM_ViewSortFirstTime(benchmark::State &state)
{
    Window &w = window();
    for (auto _ : state)
        sortAndPaint(w, 10, true);
    w.table->SortBy(InfoZoomAttribute(), true);
    w.settle();
}

void BM_ViewSortAgain(benchmark::State &state)
{
    Window &w = window();
    bool ascending = false;
    for (auto _ : state)
        sortAndPaint(w, 10, ascending = !ascending);
    w.table->SortBy(InfoZoomAttribute(), true);
    w.settle();
}

} // namespace

BENCHMARK(BM_ViewPaint)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ViewScrollPage)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_ViewJumpToEndAndBack)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ViewClickSelect)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ViewZoomAndBack)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ViewSortFirstTime)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ViewSortAgain)->Unit(benchmark::kMillisecond)->Iterations(4);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
