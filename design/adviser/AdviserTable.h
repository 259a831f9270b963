#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "Adviser.h"
#include "Language.h"
#include "TableColumn.h"

namespace transcalc {

// The adviser's table, one row per kept core: the dialog and the command
// line both take its captions, units, formats and cells from here.
enum class AdviserColumn {
    Core,
    Family,  // shown only where AdviserShowsFamilies
    Db,
    Gap,
    Turns,
    Wire,
    Fill,
    CoreLoss,
    CopperLoss,
    TotalLoss,
    Rise,
    Margin,
    Volume,
};
inline constexpr std::size_t kAdviserColumnCount = 13;

inline constexpr std::array<TableColumn, kAdviserColumnCount> kAdviserColumns = {{
    {"Сердечник", "Core", "", "", {}},
    {"Семейство", "Family", "", "", {}},
    {"dB", "dB", "Тл", "T", Decimals(2)},
    {"Зазор", "Gap", "мм", "mm", Decimals(2)},
    {"Витки", "Turns", "", "", Decimals(0)},  // primary / secondary for a transformer
    // Each section's conductor as the catalogue names it: "P1, P2: 3×0,475".
    {"Провод", "Wire", "мм", "mm", kAsTyped},
    {"Заполнение", "Fill", "%", "%", Decimals(0)},
    {"P сердечника", "P core", "Вт", "W", SignificantDigits(3)},
    {"P меди", "P copper", "Вт", "W", SignificantDigits(3)},
    {"P всего", "P total", "Вт", "W", SignificantDigits(3)},
    {"ΔT", "ΔT", "К", "K", Decimals(1)},
    {"Запас", "Margin", "%", "%", Decimals(1)},
    {"Ve", "Ve", "см³", "cm³", SignificantDigits(3)},
}};

constexpr const TableColumn& ColumnOf(AdviserColumn column) {
    return kAdviserColumns[static_cast<std::size_t>(column)];
}

// Whether the table names each row's family: where the search reaches
// beyond the classic three. A search of rings, Ш and П cores alone lists
// them as it always did, their names saying their kinds.
bool AdviserShowsFamilies(const AdviserInputs& inputs);

// The cells of a row in the columns' order, numbers in the columns' units:
// the fill and the margin in per cent; "нет данных" for a core loss the
// material does not give, "—" for the total without it.
std::array<std::string, kAdviserColumnCount> AdviserCells(const AdvisedCore& row,
                                                          DecimalSeparator separator,
                                                          Language language = Language::Russian);

}  // namespace transcalc
