#include "FamilyShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "CoreShape.h"

namespace transcalc {
namespace {

// One published row and the public shape data's letters for the part (mean
// of minimum and maximum, mm). A figure the source does not give is 0.
struct DatasheetRow {
    const char* source;
    CoreFamily family;
    ShapeLetters letters;
    double area, length, volume;  // mm², mm, mm³
};

// How far the rule is from the row: the worst of the figures it gives.
double WorstDeviation(const DatasheetRow& row) {
    const std::optional<FamilyGeometry> e = FamilyGeometryOf({row.family, "", row.letters});
    if (!e) {
        ADD_FAILURE() << row.source;
        return 1;
    }
    const auto off = [](double computed, double published) {
        return published > 0 ? std::abs(computed / published - 1) : 0.0;
    };
    return std::max({off(e->area * 1e6, row.area), off(e->length * 1e3, row.length),
                     off(e->volume * 1e9, row.volume)});
}

// Makers' datasheets against each family's rule: A_e, l_e and V_e within 3 %.
TEST(FamilyShapeTest, EffectiveParametersAsTheDatasheets) {
    const DatasheetRow rows[] = {
        {"TDK (EPCOS) ETD29/16/10 datasheet: Ae 76 mm², le 70.4 mm, Ve 5350 mm³",
         CoreFamily::Etd,
         {{"A", 29.8}, {"B", 15.8}, {"C", 9.5}, {"D", 11}, {"E", 22.7}, {"F", 9.5}},
         76,
         70.4,
         5350},
        {"Ferroxcube ETD39/20/13 datasheet: Ae 125 mm², le 92.2 mm, Ve 11500 mm³",
         CoreFamily::Etd,
         {{"A", 39.1}, {"B", 19.8}, {"C", 12.5}, {"D", 14.6}, {"E", 30.1}, {"F", 12.5}},
         125,
         92.2,
         11500},
        {"Ferroxcube ETD59/31/22 datasheet: Ae 368 mm², le 139 mm, Ve 51500 mm³",
         CoreFamily::Etd,
         {{"A", 59.8}, {"B", 31}, {"C", 21.65}, {"D", 22.45}, {"E", 44.7}, {"F", 21.65}},
         368,
         139,
         51500},
        {"Ferroxcube EC35/17/10 datasheet: Ae 84.3 mm², le 77.4 mm, Ve 6530 mm³",
         CoreFamily::Ec,
         {{"A", 34.5},
          {"B", 17.3},
          {"C", 9.5},
          {"D", 12.25},
          {"E", 22.75},
          {"F", 9.5},
          {"r", 0.5},
          {"s", 2.75},
          {"T", 28.5}},
         84.3,
         77.4,
         6530},
        {"Ferroxcube EC70/34/17 datasheet: Ae 279 mm², le 144 mm, Ve 40100 mm³",
         CoreFamily::Ec,
         {{"A", 70},
          {"B", 34.5},
          {"C", 16.4},
          {"D", 22.75},
          {"E", 44.5},
          {"F", 16.4},
          {"r", 1},
          {"s", 4.75},
          {"T", 59.6}},
         279,
         144,
         40100},
        {"Ferroxcube EFD15/8/5 datasheet: Ae 15 mm², le 34 mm, Ve 510 mm³",
         CoreFamily::Efd,
         {{"A", 15},
          {"B", 7.5},
          {"C", 4.65},
          {"D", 5.5},
          {"E", 11},
          {"F", 5.3},
          {"F2", 2.4},
          {"K", -0.2},
          {"q", 0.45}},
         15,
         34,
         510},
        {"Ferroxcube EFD25/13/9 datasheet: Ae 58 mm², le 57 mm, Ve 3300 mm³",
         CoreFamily::Efd,
         {{"A", 25},
          {"B", 12.5},
          {"C", 9.1},
          {"D", 9.3},
          {"E", 18.7},
          {"F", 11.4},
          {"F2", 5.2},
          {"K", 0.6},
          {"q", 1}},
         58,
         57,
         3300},
        {"Ferroxcube EFD30/15/9 datasheet: Ae 69 mm², le 68 mm, Ve 4700 mm³",
         CoreFamily::Efd,
         {{"A", 30},
          {"B", 15},
          {"C", 9.1},
          {"D", 11.2},
          {"E", 22.4},
          {"F", 14.6},
          {"F2", 4.9},
          {"q", 1}},
         69,
         68,
         4700},
        {"Ferroxcube EQ30/8/20 datasheet: Ae 108 mm², le 46 mm, Ve 4970 mm³",
         CoreFamily::Eq,
         {{"A", 30}, {"B", 8}, {"C", 20}, {"D", 5.3}, {"E", 26}, {"F", 11}, {"G", 19.45}},
         108,
         46,
         4970},
        {"Ferroxcube planar E22/6/16 datasheet: Ae 78.5 mm², le 32.5 mm, Ve 2550 mm³",
         CoreFamily::PlanarE,
         {{"A", 21.8}, {"B", 5.7}, {"C", 15.8}, {"D", 3.2}, {"E", 16.8}, {"F", 5}},
         78.5,
         32.5,
         2550},
        {"Ferroxcube planar E43/10/28 datasheet: Ae 229 mm², le 61.1 mm, Ve 13900 mm³",
         CoreFamily::PlanarE,
         {{"A", 43.2}, {"B", 9.5}, {"C", 27.9}, {"D", 5.4}, {"E", 35.5}, {"F", 8.1}},
         229,
         61.1,
         13900},
        {"Ferroxcube planar E64/10/50 datasheet: Ae 519 mm², le 79.9 mm, Ve 40700 mm³",
         CoreFamily::PlanarE,
         {{"A", 64}, {"B", 10.2}, {"C", 50.8}, {"D", 5.1}, {"E", 53.6}, {"F", 10.2}},
         519,
         79.9,
         40700},
        {"Ferroxcube planar ER11/2.5/6 datasheet: Ae 11.9 mm², le 14.7 mm, Ve 174 mm³",
         CoreFamily::PlanarEr,
         {{"A", 10.825},
          {"B", 2.455},
          {"C", 5.9},
          {"D", 1.575},
          {"E", 8.85},
          {"F", 4.125},
          {"G", 8.1}},
         11.9,
         14.7,
         174},
        {"Ferroxcube planar ER18/3/10 datasheet: Ae 30.2 mm², le 22.1 mm, Ve 667 mm³",
         CoreFamily::PlanarEr,
         {{"A", 18}, {"B", 3.15}, {"C", 9.7}, {"D", 1.6}, {"E", 15.6}, {"F", 6.2}, {"G", 13.8}},
         30.2,
         22.1,
         667},
        {"Ferroxcube RM10/I datasheet: Ae 96.6 mm², le 44.6 mm, Ve 4310 mm³",
         CoreFamily::Rm,
         {{"A", 27.85},
          {"B", 9.3},
          {"C", 13.25},
          {"D", 6.35},
          {"E", 21.65},
          {"F", 10.7},
          {"G", 10.9},
          {"J", 24.15},
          {"R", 0.3}},
         96.6,
         44.6,
         4310},
        {"Ferroxcube RM12/I datasheet: Ae 146 mm², le 56.6 mm, Ve 8340 mm³",
         CoreFamily::Rm,
         {{"A", 36.75},
          {"B", 12.25},
          {"C", 15.85},
          {"D", 8.55},
          {"E", 25.5},
          {"F", 12.55},
          {"G", 12.9},
          {"J", 29.25},
          {"R", 0.3}},
         146,
         56.6,
         8340},
        {"Ferroxcube RM14/I datasheet: Ae 198 mm², le 70 mm, Ve 13900 mm³",
         CoreFamily::Rm,
         {{"A", 41.5},
          {"B", 14.45},
          {"D", 10.55},
          {"E", 29.6},
          {"F", 14.7},
          {"G", 17},
          {"J", 34.1}},
         198,
         70,
         13900},
        {"Ferroxcube P26/16 datasheet: Ae 94 mm², le 37.5 mm, Ve 3530 mm³",
         CoreFamily::Pot,
         {{"A", 25.5},
          {"E", 21.6},
          {"F", 11.3},
          {"H", 5.55},
          {"B", 8.05},
          {"D", 5.6},
          {"r1", 0.35},
          {"C", 18.5},
          {"G", 3.7}},
         94,
         37.5,
         3530},
        {"Ferroxcube P36/22 datasheet: Ae 202 mm², le 53.2 mm, Ve 10700 mm³",
         CoreFamily::Pot,
         {{"A", 35.6},
          {"E", 30.4},
          {"F", 15.9},
          {"H", 5.55},
          {"B", 10.85},
          {"D", 7.4},
          {"r1", 0.35},
          {"C", 25.6},
          {"G", 4.8}},
         202,
         53.2,
         10700},
        {"Ferroxcube PM74/59 datasheet: Ae 790 mm², le 128 mm, Ve 101000 mm³",
         CoreFamily::Pm,
         {{"A", 72.75},
          {"E", 58.4},
          {"F", 29},
          {"H", 5.55},
          {"B", 29.35},
          {"D", 20.55},
          {"C", 33},
          {"e", 13.5},
          {"G", 34},
          {"t", 2.7},
          {"b", 4.5}},
         790,
         128,
         101000},
        {"Ferroxcube PM87/70 datasheet: Ae 910 mm², le 146 mm, Ve 133000 mm³",
         CoreFamily::Pm,
         {{"A", 85.5}, {"E", 68.15}, {"F", 31.2}, {"H", 8.65}, {"B", 34.8}, {"D", 24.2}, {"G", 40}},
         910,
         146,
         133000},
        {"TDK PQ 26/20 datasheet: Ae 119 mm², le 46.3 mm, Ve 5490 mm³",
         CoreFamily::Pq,
         {{"A", 26.5}, {"B", 10.075}, {"C", 19}, {"D", 5.75}, {"E", 22.5}, {"F", 12}, {"G", 16}},
         119,
         46.3,
         5490},
        {"TDK PQ 26/25 datasheet: Ae 118 mm², le 55.5 mm, Ve 6530 mm³",
         CoreFamily::Pq,
         {{"A", 26.5},
          {"B", 12.375},
          {"C", 19},
          {"D", 8.05},
          {"E", 22.5},
          {"F", 12},
          {"G", 16},
          {"J", 7.3},
          {"L", 13.9}},
         118,
         55.5,
         6530},
        {"TDK PQ 50/50 datasheet: Ae 328 mm², le 113 mm, Ve 37100 mm³",
         CoreFamily::Pq,
         {{"A", 50}, {"B", 24.975}, {"C", 32}, {"D", 18.05}, {"E", 44}, {"F", 20}, {"G", 32}},
         328,
         113,
         37100},
        {"Ferroxcube EP10 datasheet: Ae 11.3 mm², le 19.3 mm, Ve 215 mm³",
         CoreFamily::Ep,
         {{"A", 11.5}, {"C", 7.65}, {"E", 9.4}, {"F", 3.3}, {"B", 5.1}, {"D", 3.7}, {"K", 1.725}},
         11.3,
         19.3,
         215},
        {"Ferroxcube EP13 datasheet: Ae 19.5 mm², le 24.2 mm, Ve 472 mm³",
         CoreFamily::Ep,
         {{"A", 12.5}, {"C", 8.8}, {"E", 10}, {"F", 4.35}, {"B", 6.425}, {"D", 4.6}, {"K", 2.25}},
         19.5,
         24.2,
         472},
        {"Ferroxcube EP17 datasheet: Ae 33.7 mm², le 28.5 mm, Ve 960 mm³",
         CoreFamily::Ep,
         {{"A", 18}, {"C", 11}, {"E", 12}, {"F", 5.675}, {"B", 8.4}, {"D", 5.65}, {"K", 2.925}},
         33.7,
         28.5,
         960},
        {"Ferroxcube EP20 datasheet: Ae 78.7 mm², le 40 mm, Ve 3150 mm³",
         CoreFamily::Ep,
         {{"A", 24}, {"C", 14.95}, {"E", 16.5}, {"F", 8.75}, {"B", 10.7}, {"D", 7.15}, {"K", 4.5}},
         78.7,
         40,
         3150},
        {"EPCOS ER 35/20/11 (B66350G) datasheet: Ae 111 mm², le 89.6 mm, Ve 9950 mm³",
         CoreFamily::Er,
         {{"A", 35}, {"B", 20.7}, {"C", 11.3}, {"D", 14.7}, {"E", 26.1}, {"F", 11.3}},
         111,
         89.6,
         9950},
        {"TDK ER25.5 catalogue: Ae 44.8 mm², Ve 2160 mm³",
         CoreFamily::Er,
         {{"A", 25.5}, {"B", 9.3}, {"C", 7.5}, {"D", 6.2}, {"E", 20.3}, {"F", 7.5}},
         44.8,
         0,
         2160},
        {"Ferroxcube ER48/21/21 catalogue: Ae 255 mm², Ve 25500 mm³",
         CoreFamily::Er,
         {{"A", 48}, {"B", 21}, {"C", 20.9}, {"D", 15.05}, {"E", 37.85}, {"F", 18}},
         255,
         0,
         25500},
        {"TDK EQ20/6.3/14 catalogue: Ae 59 mm², Ve 1960 mm³",
         CoreFamily::Eq,
         {{"A", 20}, {"B", 6.3}, {"C", 14}, {"D", 4.1}, {"E", 18}, {"F", 8.8}, {"G", 12.86}},
         59,
         0,
         1960},
        {"Magnetics planar ER 25/5.5 (the EQ 25/6 outline): Ae 91.8 mm², le 33.8 mm, Ve 3100 mm³",
         CoreFamily::Eq,
         {{"A", 25}, {"B", 5.6}, {"C", 18}, {"D", 3.2}, {"E", 22}, {"F", 11}, {"G", 14.7}},
         91.8,
         33.8,
         3100},
        {"TDK EL11X4 catalogue (a pair of EL 11/2.0): Ae 16.5 mm², Ve 226 mm³",
         CoreFamily::PlanarEl,
         {{"A", 11}, {"B", 2.01}, {"C", 8.8}, {"D", 1}, {"E", 9.17}, {"F", 2.78}, {"F2", 6.4}},
         16.5,
         0,
         226},
        {"TDK EL25X8.6 catalogue (a pair of EL 25/4.3): Ae 85.6 mm², Ve 2570 mm³",
         CoreFamily::PlanarEl,
         {{"A", 25}, {"B", 4.29}, {"C", 20}, {"D", 2}, {"E", 20.83}, {"F", 6.32}, {"F2", 14.54}},
         85.6,
         0,
         2570},
        {"TDK PQI26/12 catalogue: Ae 123 mm², Ve 3410 mm³",
         CoreFamily::Pqi,
         {{"A", 26.5},
          {"B", 7.3},
          {"B2", 4.2},
          {"C", 19},
          {"D", 3.1},
          {"E", 22.5},
          {"F", 12},
          {"G", 16}},
         123,
         0,
         3410},
        // The standard's own figures for the large PQs, where the makers'
        // older ones (below) run 5 to 15 % higher.
        {"IEC 63093-13 table 3, PQ 32/30: Ae 155 mm², le 68.5 mm, Ve 10600 mm³",
         CoreFamily::Pq,
         {{"A", 32},
          {"B", 15.175},
          {"C", 22},
          {"D", 10.65},
          {"E", 27.5},
          {"F", 13.45},
          {"G", 19.5}},
         155,
         68.5,
         10600},
        {"IEC 63093-13 table 3, PQ 35/35: Ae 171 mm², le 79.7 mm, Ve 13600 mm³",
         CoreFamily::Pq,
         {{"A", 35.1}, {"B", 17.375}, {"C", 26}, {"D", 12.5}, {"E", 32}, {"F", 14.35}, {"G", 24}},
         171,
         79.7,
         13600},
        {"IEC 63093-13 table 3, PQ 40/40: Ae 189 mm², le 93 mm, Ve 17600 mm³",
         CoreFamily::Pq,
         {{"A", 40.5}, {"B", 19.875}, {"C", 28}, {"D", 14.75}, {"E", 37}, {"F", 14.9}, {"G", 28.5}},
         189,
         93,
         17600},
        {"OpenMagnetics test suite, UT 20 (maker not named): Ae 13 mm², le 53 mm, Ve 688 mm³",
         CoreFamily::Ut,
         {{"A", 14.1}, {"B", 20.6}, {"C", 4.6}, {"D", 16}, {"E", 7.5}, {"F", 4.1}},
         13,
         53,
         688},
        {"Magnetics ferrite catalogue 2022, UI 93/76/16 (with I 93/28/16): Ae 450 mm², le 257 mm",
         CoreFamily::Ui,
         {{"A", 93}, {"B", 76}, {"B2", 28}, {"C", 16}, {"D", 48}, {"E", 34.6}},
         450,
         257,
         0},
        {"Ferroxcube U93/76/16 with I93/28/16 catalogue: Ae 448 mm², Ve 115000 mm³",
         CoreFamily::Ui,
         {{"A", 93}, {"B", 76}, {"B2", 28}, {"C", 16}, {"D", 48}, {"E", 34.6}},
         448,
         0,
         115000},
    };
    for (const DatasheetRow& row : rows) {
        EXPECT_LE(WorstDeviation(row), 0.03) << row.source;
    }
}

// The rows the rules still miss by more than 3 %, each held to how far off
// it is today and why; a row that comes within 3 % belongs in the table
// above.
TEST(FamilyShapeTest, KnownDeviationsFromTheDatasheets) {
    struct Deviation {
        DatasheetRow row;
        double off;  // the worst of A_e, l_e and V_e today
        const char* why;
    };
    const Deviation deviations[] = {
        {{"Ferroxcube P18/11 datasheet: Ae 43.3 mm², le 25.8 mm, Ve 1120 mm³",
          CoreFamily::Pot,
          {{"A", 18}, {"E", 15.15}, {"F", 7.45}, {"H", 3.1}, {"B", 5.275}, {"D", 3.7}, {"G", 3.55}},
          43.3,
          25.8,
          1120},
         0.035,
         "A_e 3.2 % over: the rule runs 1 to 3 % over on every pot, most on the small ones, "
         "where the slots weigh most"},
        {{"Ferroxcube PM114/93 datasheet: Ae 1720 mm², le 200 mm, Ve 344000 mm³",
          CoreFamily::Pm,
          {{"A", 111.75},
           {"E", 89.85},
           {"F", 42.3},
           {"H", 5.6},
           {"B", 46.25},
           {"D", 31.9},
           {"G", 52}},
          1720,
          200,
          344000},
         0.035,
         "A_e 3.1 % over, where PM 74/59 and 87/70 are within 3 %: the drawing's alpha, b, e "
         "and t are not read"},
        {{"TDK PQ 32/20 datasheet: Ae 170 mm², le 55.5 mm, Ve 9420 mm³",
          CoreFamily::Pq,
          {{"A", 32},
           {"B", 10.275},
           {"C", 22},
           {"D", 5.75},
           {"E", 27.5},
           {"F", 13.45},
           {"G", 19.5}},
          170,
          55.5,
          9420},
         0.19,
         "A_e 9 % and l_e 10 % short: the makers' older figure; the standard's own for the "
         "large PQs (IEC 63093-13, in the table above) are within 3 %"},
        {{"TDK PQ 35/35 datasheet: Ae 196 mm², le 87.9 mm, Ve 17300 mm³",
          CoreFamily::Pq,
          {{"A", 35.1}, {"B", 17.375}, {"C", 26}, {"D", 12.5}, {"E", 32}, {"F", 14.35}, {"G", 24}},
          196,
          87.9,
          17300},
         0.22,
         "A_e 15 % short: the makers' older figure implies a back of 302 mm² a half, more "
         "than the whole depth C gives (2 × 26 × 4.9 mm = 254 mm²); IEC 63093-13's is "
         "within 3 %"},
        {{"TDK PQ 40/40 datasheet: Ae 201 mm², le 102 mm, Ve 20500 mm³",
          CoreFamily::Pq,
          {{"A", 40.5},
           {"B", 19.875},
           {"C", 28},
           {"D", 14.75},
           {"E", 37},
           {"F", 14.9},
           {"G", 28.5}},
          201,
          102,
          20500},
         0.14,
         "A_e 8 % and l_e 7 % short: the makers' older figure; IEC 63093-13's is within 3 %"},
        {{"EPCOS EPX 7/9 (B65857A) datasheet: Ae 17.2 mm², le 15.7 mm, Ve 270 mm³",
          CoreFamily::Epx,
          {{"A", 9.4}, {"B", 3.65}, {"C", 8.8}, {"D", 2.5}, {"E", 7.2}, {"F", 3.3}, {"K", 4}},
          17.2,
          15.7,
          270},
         0.5,
         "A_e 38 % short: the post is longer than it is wide, and the data gives no letter "
         "for its length, so it is taken round (8.6 mm² where the maker's A_min is 13.9 mm²)"},
        {{"TDK PQI16/7.8 catalogue: Ae 41.8 mm², Ve 815 mm³",
          CoreFamily::Pqi,
          {{"A", 16.4},
           {"B", 5.4},
           {"B2", 2.35},
           {"C", 11.2},
           {"D", 3.05},
           {"E", 14.4},
           {"F", 7},
           {"G", 10}},
          41.8,
          0,
          815},
         0.07,
         "A_e 6 % short where PQI 26/12 is within 3 %: the plate's back is taken as the PQ "
         "half's, the mean of the post's and the legs' sections"},
        {{"Ferroxcube ER28/14/11 catalogue: Ae 81.4 mm², Ve 5260 mm³",
          CoreFamily::Er,
          {{"A", 28.5}, {"B", 14}, {"C", 11.4}, {"D", 9.6}, {"E", 21.7}, {"F", 9.9}},
          81.4,
          0,
          5260},
         0.07,
         "A_e 6 % over, where ER 35/20/11, ER 25.5 and ER 48/21/21 are within 3 %: the "
         "makers' ER 28 has a narrower back than the data's letters give"},
        {{"OpenMagnetics test suite, LP 42/25/15.8 (maker not named): Ae 206 mm², le 90.1 mm, "
          "Ve 18560 mm³",
          CoreFamily::Lp,
          {{"A", 42}, {"B", 15.8}, {"C", 25}, {"D", 11.4}, {"E", 35.2}, {"F", 16.2}, {"G", 27.25}},
          206,
          90.1,
          18560},
         0.1,
         "A_e 8 % over and l_e 10 % short, from a test suite's figure that names no maker: "
         "none of the makers' LP figures could be had to judge the rule by"},
    };
    for (const Deviation& d : deviations) {
        const double worst = WorstDeviation(d.row);
        EXPECT_GT(worst, 0.03) << d.row.source;
        EXPECT_LE(worst, d.off) << d.row.source << ": " << d.why;
    }
}

// What else a family core answers, worked by hand: planar E 22/6/16 (gap
// in the F × C centre leg, window (E − F)/2 by 2·D, the 21.8 × 11.4 × 15.8
// box) and C 8 (a spacer in both 11 × 20 legs, window E by 2·D), wound
// bare and on a bobbin.
TEST(FamilyShapeTest, GapWindowTurnAndSurface) {
    const CoreShape planar = CoreShape::OfFamily(
        {CoreFamily::PlanarE,
         "",
         {{"A", 21.8}, {"B", 5.7}, {"C", 15.8}, {"D", 3.2}, {"E", 16.8}, {"F", 5}}});
    EXPECT_EQ(planar.Kind(), CoreKind::ShapedE);
    EXPECT_EQ(planar.Family(), CoreFamily::PlanarE);
    EXPECT_EQ(planar.MaterialFamily(), "E/ER/U");
    const std::optional<GapSite> gap = planar.Gap();
    ASSERT_TRUE(gap);
    EXPECT_NEAR(gap->legArea, 79e-6, 1e-12);
    EXPECT_NEAR(gap->legPerimeter, 41.6e-3, 1e-12);
    EXPECT_NEAR(gap->fringeHeight, 2.4e-3, 1e-12);
    EXPECT_EQ(gap->count, 1);
    const std::optional<WindingWindow> window = planar.Window();
    ASSERT_TRUE(window);
    EXPECT_NEAR(window->breadth, 5.9e-3, 1e-12);
    EXPECT_NEAR(window->height, 6.4e-3, 1e-12);
    EXPECT_NEAR(planar.TurnLength(1e-3), 41.6e-3 + 2 * 3.14159265358979e-3, 1e-12);
    EXPECT_NEAR(planar.OuterSurface(), 2 * (21.8 * 11.4 + 21.8 * 15.8 + 11.4 * 15.8) * 1e-6, 1e-12);
    EXPECT_FALSE(planar.WindowFault());

    const FamilyCore c8{CoreFamily::C, "", {{"A", 35}, {"B", 26}, {"C", 20}, {"D", 15}, {"E", 13}}};
    const CoreShape bare = CoreShape::OfFamily(c8);
    EXPECT_EQ(bare.Kind(), CoreKind::ShapedU);
    const std::optional<GapSite> legs = bare.Gap();
    ASSERT_TRUE(legs);
    EXPECT_NEAR(legs->legArea, 220e-6, 1e-12);
    EXPECT_NEAR(legs->legPerimeter, 62e-3, 1e-12);
    EXPECT_NEAR(legs->fringeHeight, 11.25e-3, 1e-12);
    EXPECT_EQ(legs->count, 2);
    EXPECT_NEAR(bare.Window()->breadth, 13e-3, 1e-12);
    EXPECT_NEAR(bare.Window()->height, 30e-3, 1e-12);
    const std::optional<WindingWindow> bobbin =
        CoreShape::OfFamily(c8, BobbinWindow{4, 27}).Window();
    ASSERT_TRUE(bobbin);
    EXPECT_NEAR(bobbin->breadth, 4e-3, 1e-12);
    EXPECT_NEAR(bobbin->height, 27e-3, 1e-12);
    EXPECT_NEAR(bobbin->area, 108e-6, 1e-12);

    EXPECT_EQ(CoreShape({CoreKind::Ring, 25, 15, 10, 0}).Family(), CoreFamily::Ring);
    EXPECT_EQ(CoreShape::OfFamily({CoreFamily::Pq, "", {}}).MaterialFamily(), "EQ/LP");
}

// Letters that make no core are refused with what is wrong, and give no
// parameters.
TEST(FamilyShapeTest, LettersThatMakeNoCore) {
    const std::pair<FamilyCore, std::string_view> cases[] = {
        {{CoreFamily::Etd, "", {{"A", 39.1}, {"B", 19.8}, {"C", 12.5}, {"D", 14.6}, {"E", 30.1}}},
         "the letter F is missing"},
        {{CoreFamily::Etd,
          "",
          {{"A", 39.1}, {"B", 19.8}, {"C", 12.5}, {"D", 14.6}, {"E", 30.1}, {"F", 31}}},
         "the letters leave no window"},
        {{CoreFamily::C, "", {{"A", 35}, {"B", 15}, {"C", 20}, {"D", 15}, {"E", 13}}},
         "the letters leave no window"},
    };
    for (const auto& [core, why] : cases) {
        const std::optional<std::string_view> fault = FamilyShapeFault(core);
        ASSERT_TRUE(fault) << why;
        EXPECT_TRUE(fault->starts_with(why)) << *fault;
        EXPECT_FALSE(FamilyGeometryOf(core)) << why;
        EXPECT_FALSE(CoreShape::OfFamily(core).Gap()) << why;
    }
}

}  // namespace
}  // namespace transcalc
