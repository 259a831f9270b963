#pragma once

#include <array>
#include <cstddef>

#include "TableColumn.h"

namespace transcalc {

// The windings table, one row per section: the check dialog's panel, the
// command line's lines and the report's table all take their captions,
// units and number formats from here.
enum class WindingColumn { Section, Turns, Wire, Layers, MeanTurn, Resistance, AcFactor, Loss };
inline constexpr std::size_t kWindingColumnCount = 8;

inline constexpr std::array<TableColumn, kWindingColumnCount> kWindingColumns = {{
    {"Секция", "Section", "", "", {}},
    {"Витков", "Turns", "", "", kAsTyped},
    // The conductor's diameter; the strands follow it: "0,450 × 8".
    {"Провод", "Wire", "мм", "mm", Decimals(3)},
    {"Слоев", "Layers", "", "", Decimals(0)},
    {"Ср. виток", "Mean turn", "мм", "mm", Decimals(1)},
    {"Rdc", "R_dc hot", "Ом", "Ω", SignificantDigits(3)},
    {"Kac", "Kac", "", "", Decimals(2)},
    {"Потери", "Loss", "Вт", "W", SignificantDigits(3)},
}};

constexpr const TableColumn& ColumnOf(WindingColumn column) {
    return kWindingColumns[static_cast<std::size_t>(column)];
}

}  // namespace transcalc
