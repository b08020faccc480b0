// The main window's recomputation on the offscreen screen:
//   DateStep: one day step of the spinner when charting by date (the date
//     handling, df_date, user with its reads of Mia and Four, pp);
//   DateStepPainted/S: the same, then the whole window painted at S device
//     pixels per logical pixel (1, 2, 3: what QT_SCALE_FACTOR or a
//     high-density screen asks for), into an image of that density as
//     QWidget::grab paints it;
//   LayerDateStep: one day step over a charted record on the flowing-day
//     layer (the date handling, df_date, the age, RunP with its flowing stars,
//     marks and focus lines), and LayerSwitch: 流年 and 流日 chosen in turn
//     (each the decade layer, then the chosen one);
//   StartUpToFirstChart: a main window built and started, 擇盤 chosen and the
//     gender dialog answered, the chart shown and painted. The first run in the
//     process also pays for loading the fonts: ColdStartUpToFirstChart.

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include "tests/ui/UiTestSupport.h"
#include "tests/ui/layers/ChartRecord.h"
#include "ui/common/ArrowSpinner.h"
#include "ui/main/Form1.h"
#include "ui/chartio/ScriptCommand.h"

namespace {

using velmora::testing::ChartByDate;
using velmora::testing::ProgramFolder;
using velmora::testing::StartForm1;

const QDate kBirth(1984, 2, 2);
constexpr int kNoonPeriod = 7;

// The window painted as the screen would at `scale` device pixels per pixel.
void PaintAtScale(QWidget& window, QImage& image, int scale) {
    if (image.size() != window.size() * scale) {
        image = QImage(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
    }
    window.render(&image);
}

void StepDays(benchmark::State& state, bool paint) {
    const int scale = paint ? static_cast<int>(state.range(0)) : 1;
    QImage image;
    ProgramFolder folder;
    auto started = StartForm1(folder, QDateTime(kBirth, QTime(12, 0)));
    started.form->show();
    ChartByDate(*started.form, kBirth, kNoonPeriod);
    auto* day = started.form->findChild<velmora::ArrowSpinner*>(QStringLiteral("VScroll1_2"));
    int direction = 1;
    for (auto _ : state) {
        day->stepBy(direction);
        direction = -direction;
        if (paint) {
            PaintAtScale(*started.form, image, scale);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    const velmora::BirthInput& birth = started.form->session().birth;
    if (birth.SolarYear != kBirth.year() || started.form->session().chart.BureauIndex == 0) {
        state.SkipWithError("the chart does not follow the date");
    }
}

void BM_DateStep(benchmark::State& state) { StepDays(state, false); }

// Day after day forward, painted, in 繁體 (script 0) or 简体 (1): every step
// shows a new date line and centre, so nothing is served from a text shown before.
void BM_DateSweepPainted(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    QImage image;
    ProgramFolder folder;
    auto started = StartForm1(folder, QDateTime(kBirth, QTime(12, 0)));
    started.form->show();
    started.form->scriptCommand().setScript(state.range(1) == 1 ? velmora::Script::Simplified
                                                                 : velmora::Script::Traditional);
    ChartByDate(*started.form, kBirth, kNoonPeriod);
    auto* day = started.form->findChild<velmora::ArrowSpinner*>(QStringLiteral("VScroll1_2"));
    for (auto _ : state) {
        day->stepBy(1);
        PaintAtScale(*started.form, image, scale);
        benchmark::DoNotOptimize(image.constBits());
    }
    if (started.form->session().chart.BureauIndex == 0) {
        state.SkipWithError("no chart was shown");
    }
}
void BM_DateStepPainted(benchmark::State& state) { StepDays(state, true); }

void StartUp(benchmark::State& state) {
    ProgramFolder folder;
    for (auto _ : state) {
        auto started = StartForm1(folder, QDateTime(kBirth, QTime(12, 0)));
        started.form->show();
        ChartByDate(*started.form, kBirth, kNoonPeriod);
        benchmark::DoNotOptimize(started.form->grab());
        if (started.form->session().chart.BureauIndex == 0) {
            state.SkipWithError("no chart was shown");
        }
    }
}

constexpr int kFlowingYear = 3;
constexpr int kFlowingDay = 5;
const QDate kShown(2024, 5, 14);

void BM_LayerDateStep(benchmark::State& state) {
    ProgramFolder folder;
    auto started = StartForm1(folder, QDateTime(kShown, QTime(12, 0)));
    started.form->show();
    velmora::testing::ChartRecord(*started.form, {kBirth, kNoonPeriod - 1, true});
    started.form->layerChosen(kFlowingDay);
    auto* day = started.form->findChild<velmora::ArrowSpinner*>(QStringLiteral("VScroll1_2"));
    int direction = 1;
    for (auto _ : state) {
        day->stepBy(direction);
        direction = -direction;
    }
    if (started.form->session().LayerIndex != kFlowingDay || started.form->session().MarkStem == 0) {
        state.SkipWithError("the layer does not follow the date");
    }
}

void BM_LayerSwitch(benchmark::State& state) {
    ProgramFolder folder;
    auto started = StartForm1(folder, QDateTime(kShown, QTime(12, 0)));
    started.form->show();
    velmora::testing::ChartRecord(*started.form, {kBirth, kNoonPeriod - 1, true});
    int layer = kFlowingYear;
    for (auto _ : state) {
        started.form->layerChosen(layer);
        layer = layer == kFlowingYear ? kFlowingDay : kFlowingYear;
    }
}

void BM_ColdStartUpToFirstChart(benchmark::State& state) { StartUp(state); }
void BM_StartUpToFirstChart(benchmark::State& state) { StartUp(state); }

}  // namespace

// The cold run comes first, before anything has loaded the fonts.
BENCHMARK(BM_ColdStartUpToFirstChart)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartUpToFirstChart)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_DateStep)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_DateStepPainted)->Arg(1)->Arg(2)->Arg(3)->ArgName("scale")->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();
// Ctrl+T over a shown chart: the tables converted, the board refilled and
// every caption of the window shown again, there and back.
void BM_ScriptSwitch(benchmark::State& state) {
    ProgramFolder folder;
    auto started = StartForm1(folder, QDateTime(kBirth, QTime(12, 0)));
    started.form->show();
    ChartByDate(*started.form, kBirth, kNoonPeriod);
    bool simplified = false;
    for (auto _ : state) {
        simplified = !simplified;
        started.form->scriptCommand().setScript(simplified ? velmora::Script::Simplified : velmora::Script::Traditional);
    }
}

BENCHMARK(BM_ScriptSwitch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DateSweepPainted)->ArgsProduct({{1, 3}, {0, 1}})->ArgNames({"scale", "simplified"})->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_LayerDateStep)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_LayerSwitch)->Unit(benchmark::kMicrosecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
