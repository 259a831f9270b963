#include "AdviserTable.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Cyrillic.h"
#include "WindingColumns.h"

namespace transcalc {
namespace {

using Cells = std::array<std::string, kAdviserColumnCount>;

WindingSection Section(const char* name, int strands, double diameterMm) {
    WindingSection s;
    s.name = name;
    s.strands = strands;
    s.conductorDiameter = diameterMm / 1000;
    return s;
}

// A push-pull transformer on E 20/10/5, its figures in SI units as the
// search keeps them.
AdvisedCore Transformer() {
    AdvisedCore row;
    row.core = "E 20/10/5";
    row.kind = CoreKind::ShapedE;
    row.family = CoreFamily::E;
    row.db = 0.19;
    row.turnsPrimary = 11;
    row.turnsSecondary = 5;
    row.sections = {Section("P1", 3, 0.475), Section("P2", 3, 0.475), Section("S1", 5, 0.475),
                    Section("S2", 5, 0.475)};
    row.fill = 0.7049;
    row.coreLoss = 0.4413;
    row.copperLoss = 0.3779;
    row.totalLoss = 0.8192;
    row.temperatureRise = 33.44;
    row.margin = 0.5163;
    row.volume = 1.341e-6;
    return row;
}

// A choke on a powder ring whose material gives no loss data.
AdvisedCore Choke() {
    AdvisedCore row;
    row.core = "R 27/14/11";
    row.db = 0.3;
    row.gap = 0.0005;
    row.turns = 27;
    row.sections = {Section("L", 1, 1.32)};
    row.fill = 0.996;
    row.copperLoss = 0.000456;
    row.temperatureRise = 2.06;
    row.margin = 0.2;
    row.volume = 12.3456e-6;
    row.coreLossUnknown = true;
    return row;
}

// Worked by hand: the fill and the margin in per cent, the losses and V_e
// (cm³) to three significant digits, the turns primary / secondary.
TEST(AdviserTableTest, CellsOfARow) {
    struct Case {
        const char* name;
        AdvisedCore row;
        const char* separator;
        Language language;
        Cells cells;
    };
    const Case cases[] = {
        {"transformer",
         Transformer(),
         ",",
         Language::Russian,
         {"E 20/10/5", "Ш (E)", "0,19", "0,00", "11 / 5", "P1, P2: 3×0,475; S1, S2: 5×0,475", "70",
          "0,441", "0,378", "0,819", "33,4", "51,6", "1,34"}},
        {"choke without loss data",
         Choke(),
         ",",
         Language::Russian,
         {"R 27/14/11", "кольцо", "0,30", "0,50", "27", "L: 1,32", "100", "нет данных", "0,000456",
          "—", "2,1", "20,0", "12,3"}},
        {"choke in English",
         Choke(),
         ".",
         Language::English,
         {"R 27/14/11", "ring", "0.30", "0.50", "27", "L: 1.32", "100", "no data", "0.000456", "—",
          "2.1", "20.0", "12.3"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AdviserCells(c.row, c.separator, c.language), c.cells) << c.name;
    }
}

// Both tables name their units alike: the kelvin is Cyrillic in Russian and
// Latin in English, and no English caption holds a Cyrillic letter.
TEST(AdviserTableTest, CaptionsOfBothTables) {
    for (const TableColumn& column : kAdviserColumns) {
        EXPECT_FALSE(testing_support::HasCyrillic(ColumnCaption(column, Language::English)))
            << column.english;
    }
    for (const TableColumn& column : kWindingColumns) {
        EXPECT_FALSE(testing_support::HasCyrillic(ColumnCaption(column, Language::English)))
            << column.english;
    }
    const TableColumn& rise = ColumnOf(AdviserColumn::Rise);
    EXPECT_EQ(ColumnCaption(rise, Language::Russian), "ΔT, \u041a");
    EXPECT_EQ(ColumnCaption(rise, Language::English), "ΔT, K");
    EXPECT_EQ(ColumnCaption(ColumnOf(AdviserColumn::Fill), Language::Russian), "Заполнение, %");
    EXPECT_EQ(ColumnCaption(ColumnOf(WindingColumn::Resistance), Language::English), "R_dc hot, Ω");
}

}  // namespace
}  // namespace transcalc
