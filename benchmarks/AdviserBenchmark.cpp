// The core adviser's whole search over one kind of the built-in catalogue:
// every ring as a 100 µH, 3 A powder choke, and every Ш core as a push-pull
// transformer of 24 V to 12 V, 5 A at 100 kHz in N87; and over every core of
// every family as a push-pull of 48 V to 12 V. Real time counts: the search
// runs on every core of the machine.

#include <benchmark/benchmark.h>

#include "Advise.h"
#include "AdviserCandidates.h"
#include "AdviserPool.h"
#include "Catalogue.h"

namespace {

using namespace transcalc;

void Search(benchmark::State& state, const AdviserInputs& inputs) {
    const AdviserCatalogue searched =
        catalogue::AdviserCatalogueOf(catalogue::BuiltinCatalogue(), inputs);
    AdviserPool pool(AdviserPool::MachineThreads() - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Advise(pool, inputs, searched));
    }
    state.counters["cores"] = static_cast<double>(searched.cores.size());
}

void RingChokes(benchmark::State& state) {
    AdviserInputs in;
    in.mode = WorkMode::Choke;
    in.families = {CoreFamily::Ring};
    in.material = "Kool Mµ 60";
    in.inductanceMh = 0.1;
    in.check.dcCurrent = 3;
    in.check.ripple = 0.6;
    in.check.frequencyKhz = 100;
    Search(state, in);
}
BENCHMARK(RingChokes)->Unit(benchmark::kMillisecond)->UseRealTime();

void PushPullOnECores(benchmark::State& state) {
    AdviserInputs in;
    in.mode = WorkMode::PushPull;
    in.families = {CoreFamily::E};
    in.material = "N87";
    in.fields[Field::FrequencyOrPulse] = "100";
    in.fields[Field::VoltageIn] = "24";
    in.fields[Field::VoltageOut] = "12";
    in.check.loadCurrent = 5;
    Search(state, in);
}
BENCHMARK(PushPullOnECores)->Unit(benchmark::kMillisecond)->UseRealTime();

void PushPullOnEveryFamily(benchmark::State& state) {
    AdviserInputs in;
    in.mode = WorkMode::PushPull;
    for (const FamilyInfo& info : kCoreFamilies) {
        in.families.push_back(info.family);
    }
    in.material = "N87";
    in.fields[Field::FrequencyOrPulse] = "100";
    in.fields[Field::VoltageIn] = "48";
    in.fields[Field::VoltageOut] = "12";
    in.check.loadCurrent = 5;
    Search(state, in);
}
BENCHMARK(PushPullOnEveryFamily)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
