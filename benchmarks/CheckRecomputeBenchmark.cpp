// What the check dialog computes on every change of its inputs, windings
// included: the core's check and lines, the windings at the load current,
// and the plot's sweep with the copper at every frequency. A push-pull
// transformer on the catalogue's E 25/13/7 in N87 at 50 kHz, 60 W.

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "Catalogue.h"
#include "Design.h"

namespace {

using namespace transcalc;

Design PushPullOnE25() {
    Design design;
    design.mode = ModeText(WorkMode::PushPull);
    design.ShowCore(CoreKind::ShapedE);
    const std::pair<Field, const char*> texts[] = {
        {Field::Dimension1, "12,8"}, {Field::Dimension2, "25,4"},     {Field::Dimension3, "7,5"},
        {Field::Dimension4, "7,5"},  {Field::FrequencyOrPulse, "50"}, {Field::VoltageIn, "300"},
        {Field::VoltageOut, "12"},   {Field::SatInduction, "0,45"},   {Field::Permeability, "2200"},
    };
    for (const auto& [field, text] : texts) {
        design.fields[field] = text;
    }
    return design;
}

void BM_CheckRecomputeWithWindings(benchmark::State& state) {
    const catalogue::Catalogue catalogue = catalogue::BuiltinCatalogue();
    const Material* material = catalogue::FindMaterial(catalogue, "N87");
    if (material == nullptr) {
        throw std::runtime_error("no N87 in the catalogue");
    }
    const std::vector<RoundWire> wires = catalogue::RoundWires(catalogue);
    const Design design = PushPullOnE25();
    const DesignRun run = RunDesign(design, ",");
    CheckInputs inputs;
    inputs.loadCurrent = 5;
    for (auto _ : state) {
        const DesignCheck check = RunDesignCheck(run.checked, material, inputs);
        benchmark::DoNotOptimize(CheckLines(check, ","));
        const WindingCheck windings = RunWindingCheck(design, run, check, inputs, wires);
        CheckCurve curve = SweepCheck(run.checked, material, inputs);
        AddWindingsToCurve(curve, windings, check);
        benchmark::DoNotOptimize(curve.points.data());
    }
}
BENCHMARK(BM_CheckRecomputeWithWindings)->Unit(benchmark::kMicrosecond);

}  // namespace
