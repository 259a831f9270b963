// What the check dialog does on every change of its inputs, windings
// included: the core's check and lines, the windings at the load current,
// the plot's sweep with the copper at every frequency, and the repaint of
// the plot. A push-pull transformer on the catalogue's E 25/13/7 in N87 at
// 50 kHz, 60 W.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <stdexcept>

#include "Catalogue.h"
#include "CheckCurve.h"
#include "CheckPlotPainting.h"
#include "CheckText.h"
#include "DesignRun.h"

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

// The inputs of one recompute.
struct Recompute {
    catalogue::Catalogue catalogue = catalogue::BuiltinCatalogue();
    const Material* material = catalogue::FindMaterial(catalogue, "N87");
    std::vector<RoundWire> wires = catalogue::RoundWires(catalogue);
    Design design = PushPullOnE25();
    DesignRun run = RunDesign(design, ",");
    CheckInputs inputs;

    Recompute() {
        if (material == nullptr) {
            throw std::runtime_error("no N87 in the catalogue");
        }
        inputs.loadCurrent = 5;
    }

    CheckPlotData operator()() const {
        const DesignCheck check = RunDesignCheck(run.checked, material, inputs);
        benchmark::DoNotOptimize(CheckLines(check, ","));
        const WindingCheck windings = RunWindingCheck(run, check, inputs, wires);
        CheckPlotData plot;
        plot.curve = SweepCheck(run.checked, material, inputs);
        AddWindingsToCurve(plot.curve, windings, check);
        return plot;
    }
};

void BM_CheckRecomputeWithWindings(benchmark::State& state) {
    const Recompute recompute;
    for (auto _ : state) {
        benchmark::DoNotOptimize(recompute().curve.points.data());
    }
}
BENCHMARK(BM_CheckRecomputeWithWindings)->Unit(benchmark::kMicrosecond);

// The plot as large as the dialog shows it.
void BM_CheckPlotRepaint(benchmark::State& state) {
    const CheckPlotData plot = Recompute()();
    QImage image(700, 280, QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&] {
        QPainter painter(&image);
        PaintCheckPlot(painter, QRectF(image.rect()), plot);
    };
    paint();  // fonts and glyphs load once
    for (auto _ : state) {
        paint();
    }
}
BENCHMARK(BM_CheckPlotRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
