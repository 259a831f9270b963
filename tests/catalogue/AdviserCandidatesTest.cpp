#include "AdviserCandidates.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "Advise.h"
#include "AdviserPool.h"
#include "Catalogue.h"
#include "ConverterRun.h"
#include "DesignRun.h"
#include "FieldTexts.h"

namespace transcalc::catalogue {
namespace {

const Catalogue& Builtin() {
    static const Catalogue catalogue = BuiltinCatalogue();
    return catalogue;
}

AdviserInputs Inputs(WorkMode mode, CoreKind kind, const char* material) {
    AdviserInputs in;
    in.mode = mode;
    in.families = {FamilyOfKind(kind)};
    in.material = material;
    in.separator = ",";
    return in;
}

// Push-pull 24 V → 12 V, 5 A at 100 kHz on N87 Ш cores.
AdviserInputs PushPull() {
    AdviserInputs in = Inputs(WorkMode::PushPull, CoreKind::ShapedE, "N87");
    in.fields[Field::FrequencyOrPulse] = "100";
    in.fields[Field::VoltageIn] = "24";
    in.fields[Field::VoltageOut] = "12";
    in.check.loadCurrent = 5;
    return in;
}

// Push-pull 48 V → 12 V, 5 A at 100 kHz in N87 on the ETD, PQ and RM cores.
AdviserInputs PushPullOnFamilies() {
    AdviserInputs in = PushPull();
    in.fields[Field::VoltageIn] = "48";
    in.families = {CoreFamily::Etd, CoreFamily::Pq, CoreFamily::Rm};
    return in;
}

AdviserInputs On(AdviserInputs in, std::vector<CoreFamily> families) {
    in.families = std::move(families);
    return in;
}

// Flyback 310 V → 12 V, 2 A, a 4 µs pulse, 600 V on the switch.
AdviserInputs Flyback(CoreKind kind = CoreKind::ShapedE) {
    AdviserInputs in = Inputs(WorkMode::Flyback, kind, "N87");
    in.fields[Field::FrequencyOrPulse] = "4";
    in.fields[Field::VoltageIn] = "310";
    in.fields[Field::VoltageOut] = "12";
    in.fields[Field::Overshoot] = "600";
    in.check.loadCurrent = 2;
    return in;
}

// Chokes: 50 µH, 10 A on gapped N87 Ш cores; 100 µH, 3 A on powder rings.
AdviserInputs Choke(CoreKind kind, const char* material, double mh, double amperes) {
    AdviserInputs in = Inputs(WorkMode::Choke, kind, material);
    in.inductanceMh = mh;
    in.check.dcCurrent = amperes;
    in.check.ripple = amperes / 5;
    in.check.frequencyKhz = 100;
    return in;
}

struct Applied {
    DesignRun run;
    DesignCheck check;
    WindingCheck winding;
};

// What the window does with a row: the design run as "Расчет" runs it, with
// the catalogue core's letters, then both checks.
Applied Apply(const Design& design, const AdviserInputs& in) {
    const Material* material = FindMaterial(Builtin(), design.material);
    const std::vector<RoundWire> wires = RoundWires(Builtin());
    Applied a;
    a.run = RunDesign(design, in.separator, CatalogueCoreLetters(Builtin(), design, in.separator));
    a.check = RunDesignCheck(a.run.checked, material, *design.check);
    a.winding = RunWindingCheck(a.run, a.check, *design.check, wires);
    return a;
}

// What a flyback delivers with the check's inductance, fringing included.
double OutputPower(const Applied& a) {
    return FlybackDeliveredPower(a.run.checked, a.check.inductance).value_or(0);
}

Design WithField(Design design, Field field, std::string text) {
    design.fields[field] = std::move(text);
    return design;
}

// Every listed design, applied, gives the row's figures exactly and meets
// what was asked; the flyback's gap and the choke's turns are the least
// that deliver. A family core runs as its own, cut like an E pair.
TEST(AdviserCandidates, AppliedRowsReproduceTheirFigures) {
    const AdviserInputs cases[] = {
        PushPull(),
        Flyback(),
        Flyback(CoreKind::Ring),
        Choke(CoreKind::ShapedE, "N87", 0.05, 10),
        Choke(CoreKind::Ring, "Kool Mµ 60", 0.1, 3),
        PushPullOnFamilies(),
        On(Flyback(), {CoreFamily::Pq, CoreFamily::Etd}),
        On(Choke(CoreKind::ShapedE, "N87", 0.05, 10), {CoreFamily::Pq}),
    };
    AdviserPool pool(AdviserPool::MachineThreads() - 1);
    for (const AdviserInputs& in : cases) {
        const AdviserResult result = Advise(pool, in, AdviserCatalogueOf(Builtin(), in));
        ASSERT_FALSE(result.rows.empty()) << in.material;
        double volume = 0;
        for (const AdvisedCore& row : result.rows) {
            SCOPED_TRACE(row.core);
            EXPECT_NE(std::ranges::find(in.families, row.family), in.families.end());
            EXPECT_EQ(row.design.familyCore.has_value(), !ClassicKindOf(row.family));
            EXPECT_EQ(row.design.catalogueCore, row.core);
            const Applied a = Apply(row.design, in);
            ASSERT_FALSE(a.run.error);
            ASSERT_FALSE(a.check.nothingToCheck);
            ASSERT_TRUE(a.winding.fits);
            EXPECT_EQ(a.check.margin, row.margin);
            EXPECT_EQ(a.check.coreLoss, row.coreLoss);
            EXPECT_EQ(a.winding.copperLoss, row.copperLoss);
            EXPECT_EQ(a.winding.totalLoss, row.totalLoss);
            EXPECT_EQ(a.winding.fill, row.fill);
            EXPECT_EQ(a.check.effectiveVolume, row.volume);
            EXPECT_EQ(a.run.asRead.SatInduction, row.db);
            EXPECT_GE(row.margin, in.margin);
            EXPECT_LE(row.temperatureRise, in.maxRise);
            EXPECT_LE(row.fill, 1);
            EXPECT_GE(row.volume, volume);  // smallest first
            volume = row.volume;
            if (row.coreLoss) {
                EXPECT_EQ(a.winding.temperatureRise, row.temperatureRise);
            }
            const double gapMm = row.gap * 1000;
            if (in.mode == WorkMode::Flyback) {
                const double wanted = 12.0 * 2;
                EXPECT_GE(OutputPower(a), wanted);
                if (gapMm > 0.01 && row.kind != CoreKind::Ring) {
                    const long hundredths = std::lround(gapMm * 100) - 5;
                    const std::string smaller = std::to_string(hundredths / 100) + "," +
                                                std::to_string(hundredths % 100 / 10) +
                                                std::to_string(hundredths % 10);
                    const Applied less = Apply(WithField(row.design, Field::Gap, smaller), in);
                    EXPECT_LT(OutputPower(less), wanted) << smaller;
                }
            }
            if (in.mode == WorkMode::Choke) {
                // The inductance where the choke works, at its DC current.
                ASSERT_TRUE(a.check.inductanceDc);
                EXPECT_GE(*a.check.inductanceDc, *in.inductanceMh * 1e-3);
                const std::string fewer = std::to_string(static_cast<int>(*row.turns) - 1);
                const Applied less = Apply(WithField(row.design, Field::ChokeTurns, fewer), in);
                EXPECT_LT(less.check.inductanceDc.value_or(0), *in.inductanceMh * 1e-3);
            }
            if (row.kind == CoreKind::Ring) {
                EXPECT_EQ(row.gap, 0);  // a ring is not cut
            }
        }
    }
}

// A search is spared sorting the wires and recomputing the currents'
// spectra; given every grade of wire, as a caller might, and with a short
// limit, it lists the very same rows: the limit keeps the best of them
// whatever order the threads finish the cores in.
TEST(AdviserCandidates, ShortcutsAndTheLimitKeepTheRows) {
    const AdviserInputs cases[] = {PushPull(), Flyback(CoreKind::Ring),
                                   Choke(CoreKind::Ring, "Kool Mµ 60", 0.1, 3)};
    AdviserPool pool(2);
    for (AdviserInputs in : cases) {
        const AdviserResult prepared = Advise(pool, in, AdviserCatalogueOf(Builtin(), in));
        AdviserCatalogue allGrades = AdviserCatalogueOf(Builtin(), in);
        allGrades.wires = RoundWires(Builtin());
        const AdviserResult raw = Advise(pool, in, allGrades);
        in.limit = 2;
        const AdviserResult shortList = Advise(pool, in, AdviserCatalogueOf(Builtin(), in));
        ASSERT_GE(prepared.rows.size(), 2u) << in.material;
        ASSERT_EQ(raw.rows.size(), prepared.rows.size());
        for (std::size_t i = 0; i < prepared.rows.size(); ++i) {
            EXPECT_EQ(raw.rows[i].core, prepared.rows[i].core);
            EXPECT_EQ(raw.rows[i].totalLoss, prepared.rows[i].totalLoss);
            EXPECT_EQ(raw.rows[i].copperLoss, prepared.rows[i].copperLoss);
            EXPECT_EQ(raw.rows[i].fill, prepared.rows[i].fill);
        }
        EXPECT_EQ(raw.ruledOut.counts, prepared.ruledOut.counts);
        ASSERT_EQ(shortList.rows.size(), 2u);
        EXPECT_EQ(shortList.rows[0].core, prepared.rows[0].core);
        EXPECT_EQ(shortList.rows[1].core, prepared.rows[1].core);
        EXPECT_EQ(shortList.feasibleCores, prepared.feasibleCores);
        EXPECT_EQ(shortList.candidates, prepared.candidates);
        EXPECT_EQ(shortList.coresRuledOut.counts, prepared.coresRuledOut.counts);
    }
}

// 12 kW is beyond any П core's 4 µs pulse, whatever its gap.
TEST(AdviserCandidates, FlybackShortOfPowerSaysSo) {
    AdviserInputs in = Flyback();
    in.check.loadCurrent = 1000;
    in.families = {CoreFamily::U};
    AdviserPool pool(AdviserPool::MachineThreads() - 1);
    const AdviserResult result = Advise(pool, in, AdviserCatalogueOf(Builtin(), in));
    EXPECT_TRUE(result.rows.empty());
    EXPECT_GT(result.ruledOut[RuledOut::Power], result.candidates / 2);
    EXPECT_TRUE(NothingFitsText(in, result)
                    .starts_with("ни один сердечник не подходит; чаще всего мешает нехватка "
                                 "мощности даже с зазором 3 мм: "));
}

// The converters of a mains flyback and a battery push-pull: every row,
// applied and checked at both ends of the input range, reaches each output
// at the lowest input and keeps the margin, the fit and the rise at both.
TEST(AdviserCandidates, ConvertersReachEveryOutputAtTheLowestInput) {
    AdviserInputs flyback = Flyback();
    flyback.check.drop = 0.7;
    flyback.check.outputs = {{5, 1, "", 0.7}, {15, 0.1, "", 0.7}};
    flyback.check.inputMin = 200;
    flyback.check.inputMax = 370;
    AdviserInputs pushPull = PushPull();
    pushPull.check.drop = 0.7;
    pushPull.check.outputs = {{5, 2, "", 0.7}};
    pushPull.check.inputMin = 18;
    pushPull.check.inputMax = 30;
    AdviserPool pool(AdviserPool::MachineThreads() - 1);
    for (const AdviserInputs& in : {flyback, pushPull}) {
        const AdviserResult result = Advise(pool, in, AdviserCatalogueOf(Builtin(), in));
        ASSERT_FALSE(result.rows.empty()) << ModeText(in.mode);
        for (const AdvisedCore& row : result.rows) {
            SCOPED_TRACE(row.core);
            const Material* material = FindMaterial(Builtin(), row.design.material);
            const DesignRun run = RunDesign(row.design, in.separator,
                                            CatalogueCoreLetters(Builtin(), row.design, ","));
            const ConverterRun c =
                RunConverter(run, material, *row.design.check, RoundWires(Builtin()));
            ASSERT_TRUE(c.plan.inUse);
            ASSERT_EQ(c.plan.outputs.size(), in.check.outputs.size() + 1);
            for (const ConverterOutputPlan& o : c.plan.outputs) {
                EXPECT_GE(o.voltageAtMin, o.voltage) << o.name;
            }
            EXPECT_EQ(std::min(*c.check.atMin.margin, *c.check.atMax.margin), row.margin);
            EXPECT_GE(row.margin, in.margin);
            for (const WindingCheck* w : {&c.windingsAtMin, &c.windingsAtMax}) {
                EXPECT_TRUE(w->fits);
                EXPECT_LE(w->temperatureRise.value_or(0), in.maxRise);
            }
            EXPECT_EQ(c.WorseWindings().copperLoss, row.copperLoss);
            EXPECT_EQ(c.WorseWindings().fill, row.fill);
        }
    }
}

auto Figures(const AdvisedCore& r) {
    return std::tie(r.core, r.design, r.db, r.gap, r.turnsPrimary, r.turnsSecondary, r.turns,
                    r.fill, r.coreLoss, r.copperLoss, r.totalLoss, r.temperatureRise, r.margin,
                    r.volume, r.coreLossUnknown);
}

// Searched on this thread alone, with pools of 1, 2 and 6 threads beside
// it, and posted to a pool as the window's dialog does: the same rows and
// counts.
TEST(AdviserCandidates, ResultDoesNotDependOnTheThreads) {
    AdviserInputs in = PushPull();
    in.families = {CoreFamily::U, CoreFamily::E};
    in.limit = 1000;
    const AdviserCatalogue searched = AdviserCatalogueOf(Builtin(), in);
    AdviserPool alone(0);
    const AdviserResult one = Advise(alone, in, searched);
    ASSERT_GT(one.rows.size(), 10u);
    struct Split {
        unsigned threads;
        bool posted;
    };
    for (const Split split : {Split{1, false}, Split{2, false}, Split{6, false}, Split{2, true}}) {
        AdviserPool pool(split.threads);
        AdviserResult many;
        if (split.posted) {
            pool.Post([&] { many = Advise(pool, in, searched); }).get();
        } else {
            many = Advise(pool, in, searched);
        }
        ASSERT_EQ(many.rows.size(), one.rows.size()) << split.threads << " " << split.posted;
        for (std::size_t i = 0; i < one.rows.size(); ++i) {
            EXPECT_TRUE(Figures(many.rows[i]) == Figures(one.rows[i])) << split.threads << " " << i;
        }
        EXPECT_EQ(many.ruledOut, one.ruledOut);
        EXPECT_EQ(many.coresRuledOut, one.coresRuledOut);
        EXPECT_EQ(many.candidates, one.candidates);
        EXPECT_EQ(many.runFailure, one.runFailure);
    }
}

TEST(AdviserCandidates, StopsWhenAsked) {
    const AdviserInputs in = Choke(CoreKind::ShapedE, "N87", 0.05, 10);
    const AdviserCatalogue searched = AdviserCatalogueOf(Builtin(), in);
    std::stop_source source;
    std::atomic<std::size_t> calls = 0;
    constexpr unsigned kThreads = 3;
    AdviserPool pool(kThreads);
    const AdviserResult result = Advise(
        pool, in, searched,
        [&](std::size_t done, std::size_t) {
            ++calls;
            if (done == 3) {
                source.request_stop();
            }
        },
        source.get_token());
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.rows.empty());
    // The other threads each finish the core they hold at most.
    EXPECT_LE(calls.load(), 3u + kThreads);
}

TEST(AdviserCandidates, CoresAsTheFieldsTakeThem) {
    const AdviserCore e = AdviserCoreOf(*FindCore(Builtin(), "E 25/13/7"), ",");
    EXPECT_EQ(e.kind, CoreKind::ShapedE);
    EXPECT_EQ(e.dimensions, (std::array<std::string, 4>{"12,55", "25,05", "7,25", "7,2"}));
    ASSERT_TRUE(e.letters);
    EXPECT_EQ(e.letters->d, 8.95);
    EXPECT_EQ(e.letters->e, 17.9);

    const AdviserCore u = AdviserCoreOf(*FindCore(Builtin(), "U 15/11/6"), ".");
    EXPECT_EQ(u.dimensions, (std::array<std::string, 4>{"11.45", "15.4", "5.2", "6.25"}));
    ASSERT_TRUE(u.letters);
    EXPECT_EQ(u.letters->kind, CoreKind::ShapedU);

    // A family core takes no field: its letters and bobbin go to the design.
    const Core& pqCore = *FindCore(Builtin(), "PQ 20/16");
    const AdviserCore pq = AdviserCoreOf(pqCore, ",");
    EXPECT_EQ(pq.Family(), CoreFamily::Pq);
    EXPECT_EQ(pq.kind, CoreKind::ShapedE);  // its gap cuts the centre leg
    EXPECT_EQ(pq.dimensions, (std::array<std::string, 4>{}));
    EXPECT_FALSE(pq.letters);
    ASSERT_TRUE(pq.familyCore);
    EXPECT_EQ(*pq.familyCore, (CatalogueFamilyCore{FamilyCoreOf(pqCore), pqCore.Bobbin()}));

    const Core& ringCore = Builtin().cores.at(0);
    ASSERT_EQ(ringCore.kind, CoreKind::Ring);
    EXPECT_FALSE(AdviserCoreOf(ringCore, ",").letters);
    EXPECT_EQ(AdviserCoreOf(ringCore, ",").dimensions[3], "");
}

TEST(AdviserCandidates, SearchesTheKindsAndTheMaterial) {
    AdviserInputs in = Choke(CoreKind::ShapedU, "N87", 0.05, 10);
    const AdviserCatalogue searched = AdviserCatalogueOf(Builtin(), in);
    EXPECT_EQ(searched.cores.size(), 35u);
    EXPECT_EQ(searched.material.name, "N87");
    EXPECT_EQ(searched.permeabilityText, PermeabilityText(*FindMaterial(Builtin(), "N87")));
    EXPECT_EQ(searched.workingFluxText, WorkingFluxText(*FindMaterial(Builtin(), "N87"), ","));
    EXPECT_EQ(searched.wires.size(), 88u);  // the grade-1 wires the windings take

    in.material = "N870";
    try {
        AdviserCatalogueOf(Builtin(), in);
        ADD_FAILURE() << "an unknown material was searched";
    } catch (const AdviserInputError& error) {
        EXPECT_EQ(error.refusal(),
                  (Refusal{"в каталоге нет материала 'N870'; ближайшие: 'N87', '80', 'N27'",
                           "no material 'N870' in the catalogue; closest: 'N87', '80', 'N27'"}));
    }
}

// The user's cores read one by one give the search what the merged catalogue
// gives it: a replaced core in its place, also one that changes family, a
// repeated user name in its first place, a new one at the end.
TEST(AdviserCandidates, UserCoresReadOneByOneAsMerged) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("transcalc-adviser-user-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "cores.tsv") << "T 2.46/1.12/0.76\tring\tA=3\tB=1.5\tC=1\n"
                                           "E 25/13/7\tring\tA=30\tB=20\tC=10\n"
                                           "T 1.78/0.89/0.76\te\tA=26\tB=13\tC=8\tF=7.5\n"
                                           "My ring\tring\tA=30\tB=20\tC=10\n"
                                           "Bad\tring\tA=30\n"
                                           "My ring\tring\tA=40\tB=20\tC=10\n";
    const Catalogue merged = LoadCatalogue(folder);
    for (const std::vector<CoreFamily>& families :
         {std::vector{CoreFamily::Ring}, std::vector{CoreFamily::E, CoreFamily::Ring}}) {
        const AdviserInputs in = On(PushPull(), families);
        Messages messages;
        const AdviserCatalogue read = AdviserCatalogueOf(folder, in, messages);
        const AdviserCatalogue whole = AdviserCatalogueOf(merged, in);
        EXPECT_EQ(messages, merged.messages);
        ASSERT_EQ(read.cores.size(), whole.cores.size());
        for (std::size_t i = 0; i < read.cores.size(); ++i) {
            const AdviserCore &a = read.cores[i], &b = whole.cores[i];
            EXPECT_EQ(std::tie(a.name, a.kind), std::tie(b.name, b.kind));
            EXPECT_EQ(a.dimensions,
                      (std::array<std::string, 4>{
                          std::string(b.dimensions[0]), std::string(b.dimensions[1]),
                          std::string(b.dimensions[2]), std::string(b.dimensions[3])}));
            EXPECT_EQ(a.letters.has_value(), b.letters.has_value());
        }
        EXPECT_EQ(read.cores.back().name, "My ring");
        EXPECT_EQ(read.cores.back().dimensions[0], "40");
        EXPECT_EQ(read.wires.size(), whole.wires.size());
    }
    EXPECT_EQ(AdviserCatalogueOf(merged, On(PushPull(), {CoreFamily::Ring})).cores.size(), 434u);

    Messages messages;
    EXPECT_THROW(AdviserCatalogueOf(folder, Choke(CoreKind::Ring, "N870", 0.1, 3), messages),
                 AdviserInputError);
    EXPECT_EQ(messages, merged.messages);  // told even so
    fs::remove_all(folder);
}

}  // namespace
}  // namespace transcalc::catalogue
