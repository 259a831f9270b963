// The windings on the command line: the options, the lines after the check,
// the "winding" object against a calculation of its own, and the inputs kept
// in a design file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"

namespace {

using nlohmann::json;
using std::numbers::pi;

std::vector<std::string> With(std::vector<std::string> arguments,
                              std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
}

json JsonOf(const std::vector<std::string>& arguments) {
    const CliRun run = RunCli(With(arguments, {"--json"}));
    EXPECT_NE(run.status, 64) << run.err;
    const json object = json::parse(run.out, nullptr, false);
    EXPECT_FALSE(object.is_discarded()) << run.out;
    return object;
}

// A push-pull transformer of 60 W on E 25/13/7 in N87 at 50 kHz, 300 V in,
// 12 V out at 5 A: 93 primary and 3 secondary turns.
const std::vector<std::string> kPushPull60W = {"--separator",
                                               ",",
                                               "--core-name",
                                               "E 25/13/7",
                                               "--material",
                                               "N87",
                                               "--mode",
                                               "push-pull",
                                               "--freq",
                                               "50",
                                               "--vin",
                                               "300",
                                               "--vout",
                                               "12",
                                               "--check",
                                               "--load-current",
                                               "5"};

// Worked on paper. δ at 100 °C and 50 kHz is 0,339 mm, so 2δ = 0,678 mm.
// The list ends on 3 secondary turns (9,7 V); 4 turns give 12,9 V and are
// wound. P1, P2: 5·4/93 A for half the period, 0,1521 A rms, 0,0380 mm² at
// 4 A/mm²: 0,224 mm (outer 0,2455 mm). The window is 2·12,55 − 7,25 =
// 17,85 mm high: 72 turns a layer, 93 turns take 2 layers.
// S1, S2: 3,536 A rms, 0,8839 mm²: one wire would be 1,06 mm, thicker than
// 2δ, and loses more than 3 strands of 0,63 mm (0,3117 mm², outer 0,679 mm):
// 12 places of the 26 a layer holds. Build 4·0,2455 + 2·0,679 = 2,340 mm of
// the window's (25,05 − 14,5)/2 = 5,275 mm: 44,4 %. The mean turns at the
// middle of each build: 2·(7,25 + 7,2) + 2π·b with b = 0,2455, 0,7365,
// 1,3215, 2,0005 mm. Copper: 2·93·0,03941 + 2·4·3·0,3117 mm² of
// 5,275·17,85 mm²: 15,7 %.
TEST(CliWindingTest, PushPullOnE25AgreesWithHandWorkedFigures) {
    const CliRun run = RunCli(kPushPull60W);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string expected =
        "Глубина скин-слоя δ=0,339 мм\n"
        "\n"
        "Обмотки при плотности тока 4 А/мм²:\n"
        "P1: витков 93, провод 0,224 мм × 1, слоев 2, средний виток 30,4 мм, Rdc 1,63 Ом, Kac "
        "1,10, потери 0,0414 Вт\n"
        "P2: витков 93, провод 0,224 мм × 1, слоев 2, средний виток 33,5 мм, Rdc 1,79 Ом, Kac "
        "1,10, потери 0,0456 Вт\n"
        "S1: витков 4, провод 0,630 мм × 3, слоев 1, средний виток 37,2 мм, Rdc 0,00361 Ом, Kac "
        "1,18, потери 0,0530 Вт\n"
        "S2: витков 4, провод 0,630 мм × 3, слоев 1, средний виток 41,5 мм, Rdc 0,00402 Ом, Kac "
        "1,18, потери 0,0591 Вт\n"
        "Заполнение окна=44,4 % (без учета каркаса и изоляции)\n"
        "Заполнение окна медью=15,7 %\n"
        "Потери в меди (оценка)=0,199 Вт\n"
        "Потери в сердечнике и меди=1,78 Вт\n"
        "Перегрев изделия=42,4 К\n"
        "Выходная мощность=60,0 Вт\n"
        "КПД=97,1 %\n"
        "Потери в меди — оценка: поле каждой секции нарастает от нуля у ее внутренней стороны, "
        "соседние обмотки не учитываются\n";
    EXPECT_TRUE(run.out.ends_with(expected)) << run.out;

    const json object = JsonOf(kPushPull60W);
    const json& w = object.at("winding");
    EXPECT_EQ(w.at("current_density"), 4e6);
    const double primaryRms = 5.0 * 4 / 93 / std::sqrt(2.0);
    const double secondaryRms = 5 / std::sqrt(2.0);
    const double rho = 1.724e-8 * (1 + 0.00393 * 80);
    const struct {
        const char* name;
        double turns, rms, conductor, outer;
        int strands, layers;
        double build;  // mm, at the middle of the section
        double loss;   // W, from harmonics summed by a separate calculation, with
                       // the pitch of each layer: 17,85 mm over its places
    } sections[] = {
        {"P1", 93, primaryRms, 0.224e-3, 0.2455e-3, 1, 2, 0.2455, 0.0413847},
        {"P2", 93, primaryRms, 0.224e-3, 0.2455e-3, 1, 2, 0.7365, 0.0455786},
        {"S1", 4, secondaryRms, 0.63e-3, 0.679e-3, 3, 1, 1.3215, 0.0529782},
        {"S2", 4, secondaryRms, 0.63e-3, 0.679e-3, 3, 1, 2.0005, 0.0590535},
    };
    ASSERT_EQ(w.at("sections").size(), std::size(sections));
    for (std::size_t i = 0; i < std::size(sections); ++i) {
        const auto& e = sections[i];
        const json& s = w.at("sections")[i];
        EXPECT_EQ(s.at("name"), e.name);
        EXPECT_EQ(s.at("turns"), e.turns);
        EXPECT_NEAR(s.at("rms_current").get<double>(), e.rms, 1e-12 * e.rms);
        EXPECT_EQ(s.at("conductor_diameter"), e.conductor) << e.name;
        EXPECT_EQ(s.at("outer_diameter"), e.outer) << e.name;
        EXPECT_EQ(s.at("strands"), e.strands) << e.name;
        EXPECT_EQ(s.at("layers"), e.layers) << e.name;
        const double turn = (2 * (7.25 + 7.2) + 2 * pi * e.build) * 1e-3;
        EXPECT_NEAR(s.at("mean_turn_length").get<double>(), turn, 1e-12) << e.name;
        const double resistance =
            rho * e.turns * turn / (e.strands * pi * e.conductor * e.conductor / 4);
        EXPECT_NEAR(s.at("dc_resistance").get<double>(), resistance, 1e-9 * resistance);
        EXPECT_NEAR(s.at("loss").get<double>(), e.loss, 0.001 * e.loss) << e.name;
    }
    EXPECT_NEAR(w.at("window").get<double>(), 5.275e-3, 1e-15);
    EXPECT_NEAR(w.at("build").get<double>(), 2.340e-3, 1e-15);
    EXPECT_NEAR(w.at("fill").get<double>(), 2.340 / 5.275, 1e-12);
    EXPECT_NEAR(w.at("copper_fill").get<double>(), 0.1573014, 1e-7);
    EXPECT_EQ(w.at("fits"), true);
    const double copper = 0.0413847 + 0.0455786 + 0.0529782 + 0.0590535;
    const double total = object.at("check").at("core_loss").get<double>() + copper;
    const double surfaceCm2 = object.at("check").at("surface").get<double>() * 1e4;
    EXPECT_NEAR(w.at("copper_loss").get<double>(), copper, 0.001 * copper);
    EXPECT_NEAR(w.at("total_loss").get<double>(), total, 0.001 * total);
    EXPECT_NEAR(w.at("temperature_rise").get<double>(), std::pow(total * 1000 / surfaceCm2, 0.833),
                0.01);
    EXPECT_EQ(w.at("output_power"), 60);
    EXPECT_NEAR(w.at("efficiency").get<double>(), 60 / (60 + total), 1e-5);
}

// The report program winds the same wires from the design it is handed.
TEST(CliWindingTest, TheReportCarriesTheWindings) {
    char folder[] = "/tmp/cli-winding-report-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string pdf = std::string(folder) + "/pp.pdf";
    const CliRun run = RunCli(With(kPushPull60W, {"--report", pdf}));
    ASSERT_EQ(run.status, 0) << run.err;
    std::string text;
    FILE* pipe = popen(("pdftotext -layout '" + pdf + "' -").c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    if (pipe != nullptr) {
        pclose(pipe);
    }
    const std::size_t at = text.find("Обмотки при плотности тока 4 А/мм²:");
    ASSERT_NE(at, std::string::npos) << text;
    for (const char* part : {"Ток нагрузки, А", "Глубина скин-слоя δ=0,339 мм"}) {
        EXPECT_LT(text.find(part), at) << part;
    }
    for (const char* part :
         {"0,224 × 1", "0,630 × 3", "0,00361", "0,0591",
          "Заполнение окна=44,4 % (без учета каркаса и изоляции)", "Заполнение окна медью=15,7 %",
          "КПД=97,1 %", "Перегрев изделия=42,4 К", "Потери в меди — оценка"}) {
        EXPECT_NE(text.find(part, at), std::string::npos) << part << "\n" << text;
    }
    std::filesystem::remove_all(folder);
}

// --- A calculation of the windings of its own, from the results' state ---

struct Wire {
    double conductor = 0;  // m
    double outer = 0;      // m
};

// The catalogue's grade-1 round wires as --list prints them, thinnest first.
std::vector<Wire> Grade1Wires() {
    const CliRun run = RunCli({"--list", "wires"});
    std::vector<Wire> wires;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("#")) {
            continue;
        }
        std::istringstream cells(line);
        std::string name, grade, conductor, outer;
        std::getline(cells, name, '\t');
        std::getline(cells, grade, '\t');
        std::getline(cells, conductor, '\t');
        std::getline(cells, outer, '\t');
        if (grade == "1") {
            wires.push_back({std::stod(conductor) * 1e-3, std::stod(outer) * 1e-3});
        }
    }
    std::sort(wires.begin(), wires.end(),
              [](const Wire& a, const Wire& b) { return a.conductor < b.conductor; });
    return wires;
}

// A straight piece of current: from a to b A over `length` s.
struct Piece {
    double a, b, length;
};

struct Section {
    std::string name;
    double turns;
    std::vector<Piece> current;
};

double Rms(const std::vector<Piece>& pieces, double period) {
    double sum = 0;
    for (const Piece& p : pieces) {
        sum += (p.a * p.a + p.a * p.b + p.b * p.b) / 3 * p.length;
    }
    return std::sqrt(sum / period);
}

// Mean and the rms of harmonics 1…100 by integrating each piece against
// e^(−jωkt) in closed form.
std::vector<double> Harmonics(const std::vector<Piece>& pieces, double period) {
    std::vector<double> out;
    for (int k = 0; k <= 100; ++k) {
        const double w = 2 * pi * k / period;
        std::complex<double> c = 0;
        double t0 = 0;
        for (const Piece& p : pieces) {
            const double t1 = t0 + p.length;
            if (k == 0) {
                c += (p.a + p.b) / 2 * p.length;
            } else {
                const std::complex<double> j(0, 1);
                const std::complex<double> e0 = std::exp(-j * w * t0), e1 = std::exp(-j * w * t1);
                const double slope = p.length > 0 ? (p.b - p.a) / p.length : 0;
                const std::complex<double> flat = (e1 - e0) / (-j * w);
                const std::complex<double> ramp =
                    p.length * e1 / (-j * w) - (e1 - e0) / ((-j * w) * (-j * w));
                c += p.a * flat + slope * ramp;
            }
            t0 = t1;
        }
        c /= period;
        out.push_back(k == 0 ? c.real() : std::sqrt(2.0) * std::abs(c));
    }
    return out;
}

double Dowell(double d, double m) {
    double first = 1, second = 1;
    if (d <= 20) {
        first = (std::sinh(2 * d) + std::sin(2 * d)) / (std::cosh(2 * d) - std::cos(2 * d));
        second = (std::sinh(d) - std::sin(d)) / (std::cosh(d) + std::cos(d));
    }
    return d * (first + 2 * (m * m - 1) / 3 * second);
}

enum class Kind { Ring, E, U };

struct Case {
    std::string what;
    Kind kind;
    std::vector<std::string> arguments;
    std::optional<double> load;  // A
    double density = 4;          // A/mm²
    double dc = 0, ripple = 0, chokeKhz = 0;
};

void ExpectNear(const json& value, double expected, double relative, const std::string& what) {
    ASSERT_TRUE(value.is_number()) << what << ": " << value;
    EXPECT_NEAR(value.get<double>(), expected, relative * std::fabs(expected)) << what;
}

// The windings of one design by the formulas, against its "winding" object.
void ExpectWindings(const Case& c, const std::vector<Wire>& all) {
    const json object = JsonOf(c.arguments);
    const json& state = object.at("state");
    const json& check = object.at("check");
    const json& w = object.at("winding");
    ASSERT_TRUE(w.is_object()) << c.what << ": " << object.dump();
    EXPECT_EQ(w.at("current_density"), c.density * 1e6) << c.what;
    const std::string mode = state.at("Mode");
    const double np = state.at("TurnsPrimary");
    // The forward modes wind the larger of the list's two secondary counts.
    double ns = state.at("TurnsSecondary");
    for (const std::string line : object.at("lines")) {
        if (line.starts_with("Число витков вторички")) {
            ns = std::max(ns, std::stod(line.substr(line.find('=') + 1)));
        }
    }
    const double temperature = 100;
    const double rho = 1.724e-8 * (1 + 0.00393 * (temperature - 20));
    const double mu0 = 4e-7 * pi;
    const double period =
        mode == "Дроссель" ? 1 / (c.chokeKhz * 1e3) : 1 / check.at("frequency").get<double>();
    std::vector<Section> sections;
    double outputPower = 0;
    if (mode == "Дроссель") {
        sections = {{"L",
                     state.at("ChokeTurns"),
                     {{c.dc - c.ripple / 2, c.dc + c.ripple / 2, period / 2},
                      {c.dc + c.ripple / 2, c.dc - c.ripple / 2, period / 2}}}};
    } else if (mode == "Обратноходовой") {
        const double on = state.at("PulseUs").get<double>() * 1e-6;
        const double inductance = state.at("Inductance");
        const double peak = on * state.at("VoltIn").get<double>() / inductance;
        sections = {{"P", np, {{0, peak, on}, {0, 0, period - on}}},
                    {"S", ns, {{0, 0, on}, {peak * np / ns, 0, period - on}}}};
        // with the check's inductance, the gap's fringing included
        const double voltSeconds = on * state.at("VoltIn").get<double>();
        outputPower =
            voltSeconds * voltSeconds / (2 * check.at("inductance").get<double>() * period);
    } else {
        const double load = *c.load, primary = load * ns / np;
        const double vout = state.at("VoltOut");
        outputPower = vout * load;
        if (mode == "Однотактный") {
            const double on = 0.45 * period;
            sections = {{"P", np, {{primary, primary, on}, {0, 0, period - on}}},
                        {"R", np, {{0, 0, period}}},
                        {"S", ns, {{load, load, on}, {0, 0, period - on}}}};
        } else {
            const double half = period / 2;
            sections = {{"P1", np, {{primary, primary, half}, {0, 0, half}}},
                        {"P2", np, {{0, 0, half}, {primary, primary, half}}},
                        {"S1", ns, {{load, load, half}, {0, 0, half}}},
                        {"S2", ns, {{0, 0, half}, {load, load, half}}}};
        }
    }

    // The window in mm from the state's centimetres.
    const bool ring = c.kind == Kind::Ring;
    const double h1 = state.at("DimH1").get<double>() * 10,
                 h2 = state.at("DimH2").get<double>() * 10;
    const double l1 = state.at("DimHL1").get<double>() * 10,
                 l2 = state.at("DimL2").get<double>() * 10;
    const double d1 = state.at("RingD1").get<double>() * 10,
                 d2 = state.at("RingD2").get<double>() * 10;
    const bool e = c.kind == Kind::E;
    const double width = ring ? d2 / 2 : e ? (h2 - 2 * l1) / 2 : h2 - 2 * l1;
    const double height = e ? 2 * h1 - l1 : 2 * (h1 - l1);
    const auto places = [&](double b, double d) {
        return ring ? std::floor(pi * (d2 - 2 * b - d) / d) : std::floor(height / d);
    };
    const auto turn = [&](double b) {
        return ring ? (d1 - d2) + 2 * l1 + 2 * pi * b : 2 * (l1 + l2) + 2 * pi * b;
    };

    const double skin = std::sqrt(rho / (pi / period * mu0));
    const json& shown = w.at("sections");
    ASSERT_EQ(shown.size(), sections.size()) << c.what;
    double build = 0, copper = 0;
    bool placed = true;
    Wire primaryWire;
    int primaryStrands = 1;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const Section& s = sections[i];
        const json& got = shown[i];
        const std::string what = c.what + " " + s.name;
        const double rms = Rms(s.current, period);
        // The wires it may take: one, and strands of at most 2δ when that
        // one is thicker; the one of least loss among those that fit.
        std::vector<std::pair<Wire, int>> choices;
        if (s.name == "R") {
            choices = {{primaryWire, primaryStrands}};
        } else {
            const double area = rms / c.density;  // mm²
            const auto one = std::find_if(all.begin(), all.end(), [&](const Wire& x) {
                return pi * x.conductor * x.conductor / 4 * 1e6 >= area;
            });
            const Wire single = one == all.end() ? all.back() : *one;
            choices = {{single, 1}};
            if (single.conductor > 2 * skin) {
                Wire thin = all.front();
                for (const Wire& x : all) {
                    if (x.conductor <= 2 * skin) {
                        thin = x;
                    }
                }
                const int strands = static_cast<int>(
                    std::ceil(area / (pi * thin.conductor * thin.conductor / 4 * 1e6) - 1e-9));
                choices.insert(choices.begin(), {thin, strands});
            }
        }
        struct Wound {
            int layers = 0;
            bool placed = true;
            double mlt = 0, resistance = 0, loss = 0;
        };
        const auto wind = [&](const Wire& wire, int strands) {
            Wound r;
            const double d = wire.outer * 1e3;  // mm
            // A ring's layers shrink inwards; a shaped core's are alike.
            for (double left = s.turns * strands; left > 0;) {
                const double perLayer = places(build + r.layers * d, d);
                if (perLayer < 1) {
                    r.placed = false;
                    return r;
                }
                if (ring) {
                    left -= perLayer;
                    ++r.layers;
                } else {
                    r.layers = static_cast<int>(std::ceil(left / perLayer));
                    left = 0;
                }
            }
            r.mlt = turn(build + r.layers * d / 2) * 1e-3;
            r.resistance =
                rho * s.turns * r.mlt / (strands * pi * wire.conductor * wire.conductor / 4);
            // Turns spread over the layer's length, never closer than touching.
            const double middle = build + (r.layers - 1) * d / 2;
            const double length = ring ? pi * (d2 - 2 * middle - d) : height;
            const double pitch = std::max(d, length / (s.turns * strands / r.layers)) * 1e-3;
            const std::vector<double> h = Harmonics(s.current, period);
            double sum = h[0] * h[0];
            for (int k = 1; k <= 100; ++k) {
                const double depth = std::sqrt(rho / (pi * k / period * mu0));
                const double delta = std::pow(pi / 4, 0.75) * (wire.conductor / depth) *
                                     std::sqrt(wire.conductor / pitch);
                sum += Dowell(delta, r.layers) * h[k] * h[k];
            }
            r.loss = r.resistance * sum;
            return r;
        };
        std::size_t best = 0;
        Wound wound;
        const bool placedBefore = placed;
        if (placed) {
            std::optional<Wound> kept;
            for (std::size_t k = 0; k < choices.size(); ++k) {
                const Wound r = wind(choices[k].first, choices[k].second);
                if (r.placed && (!kept || r.loss < kept->loss)) {
                    kept = r;
                    best = k;
                }
            }
            wound = kept.value_or(wind(choices[0].first, choices[0].second));
            placed = kept.has_value();
        }
        const Wire wire = choices[best].first;
        const int strands = choices[best].second;
        if (i == 0) {
            primaryWire = wire;
            primaryStrands = strands;
        }
        EXPECT_EQ(got.at("name"), s.name) << what;
        EXPECT_EQ(got.at("turns"), s.turns) << what;
        ExpectNear(got.at("rms_current"), rms, 1e-9, what + " rms");
        EXPECT_EQ(got.at("conductor_diameter"), wire.conductor) << what;
        EXPECT_EQ(got.at("outer_diameter"), wire.outer) << what;
        EXPECT_EQ(got.at("strands"), strands) << what;

        const double d = wire.outer * 1e3;  // mm
        if (!placed) {
            // The layers the first section that fails filled count in the build.
            for (double left = placedBefore ? s.turns * strands : 0; left > 0;) {
                const double perLayer = places(build, d);
                if (perLayer < 1) {
                    break;
                }
                build += d;
                left -= ring ? perLayer : left;
            }
            EXPECT_TRUE(got.at("layers").is_null()) << what;
            EXPECT_TRUE(got.at("loss").is_null()) << what;
            continue;
        }
        build += wound.layers * d;
        EXPECT_EQ(got.at("layers"), wound.layers) << what;
        ExpectNear(got.at("mean_turn_length"), wound.mlt, 1e-9, what + " MLT");
        ExpectNear(got.at("dc_resistance"), wound.resistance, 1e-9, what + " R");
        copper += wound.loss;
        ExpectNear(got.at("loss"), wound.loss, 0.01, what + " loss");
        if (rms > 0) {
            ExpectNear(got.at("ac_factor"), wound.loss / (wound.resistance * rms * rms), 0.01,
                       what + " Kac");
        } else {
            EXPECT_TRUE(got.at("ac_factor").is_null()) << what;
        }
    }
    ExpectNear(w.at("window"), width * 1e-3, 1e-12, c.what + " window");
    ExpectNear(w.at("build"), build * 1e-3, 1e-9, c.what + " build");
    ExpectNear(w.at("fill"), build / width, 1e-9, c.what + " fill");
    EXPECT_EQ(w.at("fits"), placed && build <= width) << c.what;
    if (!placed) {
        EXPECT_TRUE(w.at("copper_loss").is_null()) << c.what;
        return;
    }
    ExpectNear(w.at("copper_loss"), copper, 0.01, c.what + " copper");
    const double total = check.at("core_loss").get<double>() + copper;
    ExpectNear(w.at("total_loss"), total, 0.01, c.what + " total");
    const double surfaceCm2 = check.at("surface").get<double>() * 1e4;
    ExpectNear(w.at("temperature_rise"), std::pow(total * 1000 / surfaceCm2, 0.833), 0.01,
               c.what + " rise");
    if (mode == "Дроссель") {
        EXPECT_TRUE(w.at("output_power").is_null()) << c.what;
        EXPECT_TRUE(w.at("efficiency").is_null()) << c.what;
    } else {
        ExpectNear(w.at("output_power"), outputPower, 1e-9, c.what + " power");
        ExpectNear(w.at("efficiency"), outputPower / (outputPower + total), 0.01,
                   c.what + " efficiency");
    }
}

// Every mode on every core kind, typed and from the catalogue.
TEST(CliWindingTest, EveryModeAndCoreFollowsTheFormulas) {
    const std::vector<Wire> wires = Grade1Wires();
    ASSERT_GT(wires.size(), 50u);
    const struct {
        std::string name;
        Kind kind;
        std::vector<std::string> dimensions;
    } cores[] = {
        {"ring typed", Kind::Ring, {"--core", "ring", "--d1", "40", "--d2", "24", "--h", "16"}},
        {"E typed",
         Kind::E,
         {"--core", "e", "--h1", "21", "--h2", "42", "--l1", "12", "--l2", "15"}},
        {"U typed",
         Kind::U,
         {"--core", "u", "--h1", "20", "--h2", "30", "--l1", "8", "--l2", "16"}},
        {"T 36/23/15", Kind::Ring, {"--core-name", "T 36/23/15"}},
        {"E 25/13/7", Kind::E, {"--core-name", "E 25/13/7"}},
        {"U 26/22/16", Kind::U, {"--core-name", "U 26/22/16"}},
    };
    for (const auto& core : cores) {
        std::vector<std::string> common = {"--separator", ",", "--material", "N87", "--check"};
        common.insert(common.end(), core.dimensions.begin(), core.dimensions.end());
        const Case cases[] = {
            {core.name + " choke", core.kind,
             With(common, {"--mode", "choke", "--gap", "0.5", "--turns", "20", "--current", "3",
                           "--ripple", "1", "--check-freq", "100"}),
             std::nullopt, 4, 3, 1, 100},
            {core.name + " flyback", core.kind,
             With(common, {"--mode", "flyback", "--pulse", "10", "--vin", "300", "--vout", "12",
                           "--overshoot", "600"})},
            {core.name + " single-ended", core.kind,
             With(common, {"--mode", "single-ended", "--freq", "100", "--vin", "300", "--vout",
                           "12", "--load-current", "2"}),
             2.0},
            {core.name + " push-pull", core.kind,
             With(common, {"--mode", "push-pull", "--freq", "50", "--vin", "300", "--vout", "12",
                           "--load-current", "5", "--current-density", "3"}),
             5.0, 3},
        };
        for (const Case& c : cases) {
            ExpectWindings(c, wires);
        }
    }
    // A ring's layers shrink towards its centre: 60 turns of 8 strands take
    // 7 of them; 150 turns do not find their places.
    for (const char* turns : {"60", "150"}) {
        ExpectWindings({std::string("ring choke of ") + turns + " turns",
                        Kind::Ring,
                        {"--separator", ",",        "--material", "N87",          "--check",
                         "--core",      "ring",     "--d1",       "25",           "--d2",
                         "15",          "--h",      "10",         "--mode",       "choke",
                         "--gap",       "1",        "--turns",    turns,          "--current",
                         "5",           "--ripple", "1",          "--check-freq", "100"},
                        std::nullopt,
                        4,
                        5,
                        1,
                        100},
                       wires);
    }
}

// A winding that does not fit is listed, its numbers from the section that
// found no place on empty, and the totals with them.
TEST(CliWindingTest, AWindingThatDoesNotFitSaysSo) {
    const std::vector<std::string> ring = {
        "--separator", ",",        "--material", "N87",          "--check",
        "--core",      "ring",     "--d1",       "25",           "--d2",
        "15",          "--h",      "10",         "--mode",       "choke",
        "--gap",       "1",        "--turns",    "150",          "--current",
        "5",           "--ripple", "1",          "--check-freq", "100"};
    const CliRun run = RunCli(ring);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nL: витков 150, провод 0,475 мм × 8, не помещается в окно\n"
                           "Заполнение окна=101,8 % — обмотка не помещается (без учета каркаса и "
                           "изоляции)\n"
                           "Заполнение окна медью=120,3 %\n"
                           "Потери в меди=не оцениваются: обмотка не помещается в окно\n"
                           "Потери в меди — оценка:"),
              std::string::npos)
        << run.out;
    const json w = JsonOf(ring).at("winding");
    EXPECT_EQ(w.at("fits"), false);
    for (const char* key : {"copper_loss", "total_loss", "temperature_rise", "efficiency"}) {
        EXPECT_TRUE(w.at(key).is_null()) << key;
    }
}

// Without what sizes them the windings are not checked: the lines say why
// after the check's, and the object is null beside the reason, as the check
// refused is.
TEST(CliWindingTest, WindingsNotCheckedGiveTheReason) {
    const std::vector<std::string> noLoad = {
        "--separator", ",",  "--core-name", "E 25/13/7", "--material", "N87", "--mode", "push-pull",
        "--freq",      "50", "--vin",       "300",       "--vout",     "12",  "--check"};
    const CliRun lines = RunCli(noLoad);
    EXPECT_EQ(lines.status, 0) << lines.err;
    EXPECT_TRUE(
        lines.out.ends_with("Глубина скин-слоя δ=0,339 мм\n\n"
                            "Обмотки не проверены: не задан ток нагрузки\n"))
        << lines.out;
    const CliRun object = RunCli(With(noLoad, {"--json"}));
    EXPECT_TRUE(object.out.ends_with(
        ", \"winding\": null, \"winding_error\": \"Обмотки не проверены: не задан ток "
        "нагрузки\"}\n"))
        << object.out;

    // A red list: the check's line alone says that there is nothing to check.
    const std::vector<std::string> red = {"--core", "ring", "--mode", "choke",
                                          "--d1",   "20",   "--check"};
    const CliRun redLines = RunCli(red);
    EXPECT_EQ(redLines.status, 3);
    EXPECT_TRUE(redLines.out.ends_with("\n\nНет расчета для проверки: введены не все данные\n"))
        << redLines.out;
    const json redObject = JsonOf(red);
    EXPECT_TRUE(redObject.at("winding").is_null());
    EXPECT_EQ(redObject.at("winding_error"), "Нет расчета для проверки: введены не все данные");

    // Without --check neither object appears.
    const json plain = JsonOf({"--core", "ring", "--mode", "choke", "--d1", "20"});
    EXPECT_FALSE(plain.contains("winding"));
    EXPECT_FALSE(plain.contains("winding_error"));
}

// Bounds hold whether or not the check runs: a saved design keeps the value.
TEST(CliWindingTest, LoadCurrentAndDensityOutOfBoundsAreUsageErrors) {
    const std::string load = "ток нагрузки должен быть числом больше 0 А и не больше 100000 А";
    const std::string density =
        "плотность тока должна быть числом больше 0 А/мм² и не больше 100 А/мм²";
    const struct {
        std::vector<std::string> option;
        std::string message;
    } cases[] = {
        {{"--load-current", "0"}, "--load-current 0: " + load},
        {{"--load-current", "-5"}, "--load-current -5: " + load},
        {{"--load-current", "1e5000"}, "--load-current takes a number, not '1e5000'"},
        {{"--load-current", "100001"}, "--load-current 100001: " + load},
        {{"--load-current", "5A"}, "--load-current takes a number, not '5A'"},
        {{"--current-density", "0"}, "--current-density 0: " + density},
        {{"--current-density", "100.5"}, "--current-density 100.5: " + density},
        {{"--current-density", "nan"}, "--current-density takes a number, not 'nan'"},
    };
    for (const auto& c : cases) {
        for (const bool check : {true, false}) {
            std::vector<std::string> arguments = {"--core", "e", "--mode", "push-pull"};
            arguments.insert(arguments.end(), c.option.begin(), c.option.end());
            if (check) {
                arguments.push_back("--check");
            }
            const CliRun run = RunCli(arguments);
            EXPECT_EQ(run.status, 64) << c.message;
            EXPECT_EQ(run.err, "transcalc-cli: " + c.message + "\nTry 'transcalc-cli --help'.\n");
            EXPECT_EQ(run.out, "");
        }
    }
    const json edge =
        JsonOf(With(kPushPull60W, {"--load-current", "1e5", "--current-density", "100"}));
    EXPECT_EQ(edge.at("winding").at("current_density"), 1e8);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The load current and the current density go into a saved design and come
// back from it; options given with --design still win.
TEST(CliWindingTest, ADesignFileKeepsLoadCurrentAndDensity) {
    char folder[] = "/tmp/cli-winding-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/pp.transcalc";
    const CliRun saved =
        RunCli(With(kPushPull60W, {"--current-density", "2.5", "--save-design", path}));
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("    \"loadCurrentA\": 5,\n    \"currentDensityAPerMm2\": 2.5\n"),
              std::string::npos)
        << text;

    const json direct = JsonOf(With(kPushPull60W, {"--current-density", "2.5"}));
    const json reopened = JsonOf({"--separator", ",", "--design", path, "--check"});
    EXPECT_EQ(reopened.at("winding"), direct.at("winding"));
    EXPECT_EQ(reopened.at("winding").at("current_density"), 2.5e6);
    const json over =
        JsonOf({"--separator", ",", "--design", path, "--check", "--load-current", "2"});
    EXPECT_EQ(over.at("winding").at("output_power"), 24);
    EXPECT_EQ(over.at("winding").at("current_density"), 2.5e6);

    // Only the windings' inputs still make a design whose check has inputs.
    const std::string only = std::string(folder) + "/only.transcalc";
    ASSERT_EQ(RunCli({"--load-current", "3", "--save-design", only}).status, 3);
    EXPECT_NE(ReadFile(only).find("\"temperatureC\": 100,"), std::string::npos);
    std::filesystem::remove_all(folder);
}
}  // namespace
