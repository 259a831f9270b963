// How long the core takes: number entry, number display and one whole
// Calculate plus results pass per design, as a click on "Расчет" costs.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "Design.h"

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

struct Design {
    const char* mode;
    CorePictures cores;
    std::array<const char*, 12> fields;
};

// One click on "Расчет": Calculate and the results pass it arms.
void RunDesign(benchmark::State& state, const Design& design) {
    InputFields fields;
    std::copy(design.fields.begin(), design.fields.end(), fields.texts.begin());
    DesignState designState;
    designState.Mode = design.mode;
    RecordedList list;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunCommand(fields, design.cores, designState, list, ","));
    }
}

BENCHMARK_CAPTURE(RunDesign, Choke,
                  Design{"Дроссель",
                         {.ring = true},
                         {"20", "10", "10", "", "0,5", "", "", "", "0,3", "2000", "20", ""}});
BENCHMARK_CAPTURE(RunDesign, Flyback,
                  Design{
                      "Обратноходовой",
                      {.shapedE = true},
                      {"15", "20", "10", "5", "0,5", "10", "300", "12", "0,3", "2000", "", "400"}});
BENCHMARK_CAPTURE(RunDesign, SingleEnded,
                  Design{"Однотактный",
                         {.shapedE = true},
                         {"20", "50", "10", "10", "0", "50", "300", "12", "0,2", "2000", "", ""}});
BENCHMARK_CAPTURE(RunDesign, PushPull,
                  Design{"Двухтактный",
                         {.shapedU = true},
                         {"20", "30", "10", "10", "0", "50", "300", "12", "0,2", "2000", "", ""}});

}  // namespace
