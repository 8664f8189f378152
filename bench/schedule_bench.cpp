// What a pick in the switching-time mask costs: Store rewrites the week's
// records, rebuilds both lists (125 lines) and redraws the day timeline.
// Runs on the offscreen platform with the window shown, so the repaint the
// pick causes is measured too (Store+paint).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <memory>

#include "core/dialogs.h"
#include "core/main_window.h"
#include "core/widgets.h"
#include "schedule/list_lines.h"
#include "schedule/schedule_editor.h"

namespace {

using namespace lumivox;

struct Page {
    ScriptedDialogs dialogs;
    TVirelta window{&dialogs};
    QComboBox* time = control<QComboBox>(&window, QStringLiteral("CB_Schaltzeit"));
    QComboBox* group = control<QComboBox>(&window, QStringLiteral("CB_Gruppe"));

    Page()
    {
        window.show();
        QApplication::processEvents();
        // A full week, so every line carries eight cells.
        for (auto& day : window.model().Schaltzeit)
            for (auto& motor : day)
                for (int n = 0; n < kNumbers; ++n)
                    motor[n].Uhrzeit = 1 + n * 170;
        window.schedule().refreshAfterLoad();
        group->setCurrentIndex(2);   // "Mo - So": seven records written per pick
        QApplication::processEvents();
    }

    // One pick in CB_Schaltzeit, as the user makes it.
    void pick(int index)
    {
        time->setCurrentIndex(index);
        emit time->activated(index);
    }
};

Page& page()
{
    static Page p;
    return p;
}

void Store(benchmark::State& state)
{
    Page& p = page();
    int k = 1;
    for (auto _ : state) {
        p.pick(k);
        k = k % 1440 + 1;
    }
}

void StoreAndPaint(benchmark::State& state)
{
    Page& p = page();
    int k = 1;
    for (auto _ : state) {
        p.pick(k);
        QApplication::processEvents();
        k = k % 1440 + 1;
    }
}

void ListLinesOnly(benchmark::State& state)
{
    Page& p = page();
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule::listLines(p.window.model(), schedule::ListOrder::ByDay));
        benchmark::DoNotOptimize(schedule::listLines(p.window.model(), schedule::ListOrder::ByMotor));
    }
}

BENCHMARK(Store)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(StoreAndPaint)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(ListLinesOnly)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
