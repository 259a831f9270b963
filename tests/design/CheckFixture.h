#pragma once

// Designs and a material that the design check's tests, its dialog's tests and
// the screenshots share.

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "DesignCheck.h"
#include "DesignRun.h"
#include "Material.h"
#include "WindingCheck.h"

namespace transcalc::testing_support {

using FieldTexts = std::initializer_list<std::pair<Field, const char*>>;

// A design as the window would hold it after the menus and typing.
inline Design DesignWith(std::string_view mode, CoreKind core, FieldTexts texts) {
    Design design;
    for (const auto& [field, text] : texts) {
        design.fields[field] = text;
    }
    design.mode = mode;
    design.ShowCore(core);
    return design;
}

// One click on "Расчет" in a fresh window, then what the check takes of it.
inline CheckedDesign DesignOf(std::string_view mode, CoreKind core, FieldTexts texts) {
    return RunDesign(DesignWith(mode, core, texts), ",").checked;
}

// An E 25/13/7 core at 50 kHz, 300 V in, 12 V out: in push-pull 60 primary
// turns at dB 0.45 T.
inline Design E25Design(std::string_view mode, CoreKind core = CoreKind::ShapedE,
                        const char* db = "0,45") {
    return DesignWith(mode, core,
                      {{Field::Dimension1, "12,8"},
                       {Field::Dimension2, "25,4"},
                       {Field::Dimension3, "7,5"},
                       {Field::Dimension4, "7,5"},
                       {Field::FrequencyOrPulse, "50"},
                       {Field::VoltageIn, "300"},
                       {Field::VoltageOut, "12"},
                       {Field::SatInduction, db},
                       {Field::Permeability, "2200"}});
}

inline CheckedDesign E25PushPull(const char* db = "0,45") {
    return RunDesign(E25Design(kModePushPull, CoreKind::ShapedE, db), ",").checked;
}

// The ring choke of the guide: 20/10/10 mm, gap 0.5 mm, dB 0.3 T.
inline Design RingChokeDesign(const char* turns = "20") {
    return DesignWith(kModeChoke, CoreKind::Ring,
                      {{Field::Dimension1, "20"},
                       {Field::Dimension2, "10"},
                       {Field::Dimension3, "10"},
                       {Field::Gap, "0,5"},
                       {Field::SatInduction, "0,3"},
                       {Field::Permeability, "2000"},
                       {Field::ChokeTurns, turns}});
}

inline CheckedDesign RingChoke(const char* turns = "20") {
    return RunDesign(RingChokeDesign(turns), ",").checked;
}

// A Kool Mµ 60 ring of 46.7/24.1/18 mm without a gap, 40 turns, dB 0.5 T.
inline Design KoolMuRingDesign() {
    return DesignWith(kModeChoke, CoreKind::Ring,
                      {{Field::Dimension1, "46,7"},
                       {Field::Dimension2, "24,1"},
                       {Field::Dimension3, "18"},
                       {Field::Gap, "0"},
                       {Field::SatInduction, "0,5"},
                       {Field::Permeability, "60"},
                       {Field::ChokeTurns, "40"}});
}

// N87 from the public material data: saturation and the three Steinmetz
// ranges with their temperature factors.
inline Material N87() {
    Material material;
    material.name = "N87";
    material.saturation = {{25, 0.49525}, {100, 0.3898}};
    material.steinmetz = {
        {1, 1e5, 13824.103826607978, 1.188950273156242, 2.6264456146939663, true, 0.009808497074635,
         0.00014772943887100001, 7.149209522667017e-07},
        {1e5, 3e5, 8.240839311387179, 1.783283908091697, 2.622642071669304, true, 0.012426550542241,
         0.000174382452395, 9.580509181143946e-07},
        {3e5, 1e7, 0.0014727360841870001, 2.34731328681022, 2.417588220719945, true,
         0.017476005637088, 0.000176510632716, 1.6384804575335691e-06},
    };
    return material;
}

// Grade-1 round wires of the standard series, from 0.25 to 1.32 mm.
inline std::vector<RoundWire> GradeOneWires() {
    return {{"0,25", 1, 0.25e-3, 0.281e-3}, {"0,315", 1, 0.315e-3, 0.349e-3},
            {"0,4", 1, 0.40e-3, 0.439e-3},  {"0,5", 1, 0.50e-3, 0.547e-3},
            {"0,63", 1, 0.63e-3, 0.680e-3}, {"0,71", 1, 0.71e-3, 0.762e-3},
            {"0,8", 1, 0.80e-3, 0.855e-3},  {"1", 1, 1.00e-3, 1.062e-3},
            {"1,12", 1, 1.12e-3, 1.184e-3}, {"1,32", 1, 1.32e-3, 1.384e-3}};
}

}  // namespace transcalc::testing_support
