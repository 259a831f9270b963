#include "AdviserTable.h"

#include <algorithm>

#include "NumberFormat.h"

namespace transcalc {

bool AdviserShowsFamilies(const AdviserInputs& inputs) {
    return std::ranges::any_of(inputs.families,
                               [](CoreFamily family) { return !ClassicKindOf(family); });
}

std::array<std::string, kAdviserColumnCount> AdviserCells(const AdvisedCore& row,
                                                          DecimalSeparator separator,
                                                          Language language) {
    const auto shown = [&](AdviserColumn column, double value) {
        return FormatValue(value, ColumnOf(column).format, separator);
    };
    const std::string turns =
        row.turns ? shown(AdviserColumn::Turns, *row.turns)
                  : shown(AdviserColumn::Turns, row.turnsPrimary.value_or(0)) + " / " +
                        shown(AdviserColumn::Turns, row.turnsSecondary.value_or(0));
    const std::string noData = language == Language::English ? "no data" : "нет данных";
    return {
        row.core,
        std::string(FamilyName(row.family, language)),
        shown(AdviserColumn::Db, row.db),
        shown(AdviserColumn::Gap, row.gap * 1000),
        turns,
        WireSummary(row, separator),
        shown(AdviserColumn::Fill, row.fill * 100),
        row.coreLoss ? shown(AdviserColumn::CoreLoss, *row.coreLoss) : noData,
        shown(AdviserColumn::CopperLoss, row.copperLoss),
        row.totalLoss ? shown(AdviserColumn::TotalLoss, *row.totalLoss) : "—",
        shown(AdviserColumn::Rise, row.temperatureRise),
        shown(AdviserColumn::Margin, row.margin * 100),
        shown(AdviserColumn::Volume, row.volume * 1e6),
    };
}

}  // namespace transcalc
