#pragma once

#include "Material.h"

// Powder materials as the public material data gives them: the makers' fits
// of permeability and loss, each for the core family it was made on.
namespace transcalc::testing_support {

inline Material KoolMu60() {
    Material m;
    m.name = "Kool Mµ 60";
    m.maker = "Magnetics";
    m.composition = "powder";
    m.initialPermeability = 60;
    m.saturation = {{100, 1.0}};
    m.curieTemperature = 500;
    const std::vector<double> frequency = {0.0008191, -1.842e-08, -2.144e-16, 5.886e-23,
                                           -2.683e-30};
    const std::vector<double> temperature = {-0.005589946427529512, 0.00034947394012862544,
                                             -6.822056541655237e-06, 2.7723834675758416e-08,
                                             -3.192020342745549e-11};
    m.modifiers = {
        {"default",
         PowderMethod::Magnetics,
         {0.01, 6.371745710213363e-10, 1.8552832463136577},
         frequency,
         {},
         temperature},
        {"E/ER/U",
         PowderMethod::Magnetics,
         {0.01, 1.6897135550758001e-09, 1.7361064491754328},
         {},
         {},
         {}},
    };
    m.lossFormulas = {
        {"default", PowderMethod::Magnetics, {1.0553675249259002, 1.988, 1.541}},
        {"E/ER/U", PowderMethod::Magnetics, {0.9593343703351439, 1.988, 1.541}},
    };
    return m;
}

inline Material Mpp125() {
    Material m;
    m.name = "MPP 125";
    m.maker = "Magnetics";
    m.composition = "powder";
    m.initialPermeability = 125;
    m.saturation = {{100, 0.8}};
    m.curieTemperature = 460;
    m.modifiers = {{"default",
                    PowderMethod::Magnetics,
                    {0.01, 6.656360924587129e-12, 2.51757308069497},
                    {0, -8.43e-08, 1.59e-14, -2.27e-21, 1.08e-28},
                    {},
                    {-0.001939, 7.013e-05, 2.967e-07, 0, 0}}};
    m.lossFormulas = {{"default", PowderMethod::Magnetics, {1.2910111905604456, 2.103, 1.561}}};
    return m;
}

inline Material Mix26() {
    Material m;
    m.name = "Mix 26";
    m.maker = "Micrometals";
    m.composition = "powder";
    m.initialPermeability = 75;
    m.saturation = {{100, 1.8529}};
    m.curieTemperature = 500;
    m.modifiers = {{"default",
                    PowderMethod::Micrometals,
                    {0.01, 5.224815977456197e-09, 1.71976660351884, 0},
                    {0.0146215272956355, 4.12823799211121e-08, 0.84747546300864, 7.14758194663683},
                    {131.6, 2195.0080041471892, 0.8962, 488.3920229380407, -5.118, 413.9},
                    {825}}};
    m.lossFormulas = {{"default",
                       PowderMethod::Micrometals,
                       {1e-06, 6.940530789282138e-05, 0.00047725842198682064, 0.019}}};
    return m;
}

}  // namespace transcalc::testing_support
