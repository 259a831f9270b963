// How long the design check takes: once at the operating point, and with the
// plot's sweep, as the dialog recomputes on every change of its inputs.

#include <benchmark/benchmark.h>

#include "CheckCurve.h"
#include "CheckText.h"
#include "DesignRun.h"

namespace {

using namespace transcalc;

// A ferrite with saturation points and three loss ranges with temperature
// factors, as a catalogue material has.
Material Ferrite() {
    Material material;
    material.name = "ferrite";
    material.saturation = {{25, 0.49}, {100, 0.39}};
    material.steinmetz = {
        {1, 1e5, 13824, 1.19, 2.63, true, 0.0098, 0.000148, 7.1e-7},
        {1e5, 3e5, 8.24, 1.78, 2.62, true, 0.0124, 0.000174, 9.6e-7},
        {3e5, 1e7, 0.00147, 2.35, 2.42, true, 0.0175, 0.000177, 1.6e-6},
    };
    return material;
}

CheckedDesign PushPullDesign() {
    InputFields fields = InputFields::DesignTexts();
    const std::pair<Field, const char*> texts[] = {
        {Field::Dimension1, "12,8"}, {Field::Dimension2, "25,4"},     {Field::Dimension3, "7,5"},
        {Field::Dimension4, "7,5"},  {Field::FrequencyOrPulse, "50"}, {Field::VoltageIn, "300"},
        {Field::VoltageOut, "12"},   {Field::SatInduction, "0,45"},   {Field::Permeability, "2200"},
    };
    for (const auto& [field, text] : texts) {
        fields[field] = text;
    }
    Design design;
    design.mode = ModeText(WorkMode::PushPull);
    design.ShowCore(CoreKind::ShapedE);
    design.fields = fields;
    return RunDesign(design, ",").checked;
}

void BM_DesignCheck(benchmark::State& state) {
    const Material material = Ferrite();
    const CheckedDesign design = PushPullDesign();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunDesignCheck(design, &material, CheckInputs{}));
    }
}
BENCHMARK(BM_DesignCheck);

// What the dialog computes per change: the check, its lines and the plot.
void BM_DesignCheckWithPlot(benchmark::State& state) {
    const Material material = Ferrite();
    const CheckedDesign design = PushPullDesign();
    for (auto _ : state) {
        const DesignCheck check = RunDesignCheck(design, &material, CheckInputs{});
        benchmark::DoNotOptimize(CheckLines(check, ","));
        benchmark::DoNotOptimize(SweepCheck(design, &material, CheckInputs{}));
    }
}
BENCHMARK(BM_DesignCheckWithPlot)->Unit(benchmark::kMicrosecond);

}  // namespace
