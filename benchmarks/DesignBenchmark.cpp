// How long the core takes: number entry, number display and one whole
// Calculate plus results pass per design, as a click on "Расчет" costs.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "DesignRun.h"
#include "NumberText.h"

namespace {

using namespace transcalc;

void BM_ParseNumber(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseNumber("4839.8658547", ","));
    }
}
BENCHMARK(BM_ParseNumber);

void BM_FormatNumber(benchmark::State& state) {
    const double value = 2.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(value, ","));
    }
}
BENCHMARK(BM_FormatNumber);

transcalc::Design DesignOf(WorkMode mode, CoreKind core, std::array<const char*, 12> texts) {
    transcalc::Design design;
    design.mode = ModeText(mode);
    design.ShowCore(core);
    std::copy(texts.begin(), texts.end(), design.fields.texts.begin());
    return design;
}

// One click on "Расчет": Calculate and the results pass it arms.
void BM_RunDesign(benchmark::State& state, const transcalc::Design& design) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunDesign(design, ","));
    }
}

BENCHMARK_CAPTURE(BM_RunDesign, Choke,
                  DesignOf(WorkMode::Choke, CoreKind::Ring,
                           {"20", "10", "10", "", "0,5", "", "", "", "0,3", "2000", "20", ""}));
BENCHMARK_CAPTURE(BM_RunDesign, Flyback,
                  DesignOf(WorkMode::Flyback, CoreKind::ShapedE,
                           {"15", "20", "10", "5", "0,5", "10", "300", "12", "0,3", "2000", "",
                            "400"}));
BENCHMARK_CAPTURE(BM_RunDesign, SingleEnded,
                  DesignOf(WorkMode::SingleEnded, CoreKind::ShapedE,
                           {"20", "50", "10", "10", "0", "50", "300", "12", "0,2", "2000", "",
                            ""}));
BENCHMARK_CAPTURE(BM_RunDesign, PushPull,
                  DesignOf(WorkMode::PushPull, CoreKind::ShapedU,
                           {"20", "30", "10", "10", "0", "50", "300", "12", "0,2", "2000", "",
                            ""}));

}  // namespace
