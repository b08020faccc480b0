// "時辰未定…" opening: the thirteen charts of the shown date computed, the
// dialog of thirteen small boards built, shown and painted, over a chart by
// date on the offscreen screen. The grid must open in well under 100 ms.

#include <QApplication>

#include <benchmark/benchmark.h>

#include "tests/ui/UiTestSupport.h"
#include "ui/reading/UnknownHourDialog.h"

namespace {

void BM_UnknownHourDialogOpens(benchmark::State& state) {
    velmora::testing::ProgramFolder folder;
    const QDate birth(1984, 2, 2);
    auto started = velmora::testing::StartForm1(folder, QDateTime(birth, QTime(12, 0)));
    started.form->show();
    velmora::testing::ChartByDate(*started.form, birth, 7);
    for (auto _ : state) {
        velmora::UnknownHourDialog dialog(*started.form);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
    }
}

}  // namespace

BENCHMARK(BM_UnknownHourDialogOpens)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();
