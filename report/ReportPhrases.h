#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "Language.h"

namespace transcalc {

// The report's own texts, Russian and English side by side: the page's
// headings and captions and the check plot's titles. The lines of the
// results list and the check come from the core's table (Phrases.h).
enum class ReportPhrase {
    EnterMode,
    ModeBefore,
    CoreBefore,
    MaterialBefore,
    DimensionsHeading,
    InputsHeading,
    ResultsHeading,
    CheckHeading,
    CoreTemperature,
    ChokeCurrent,
    Ripple,
    RippleFrequency,
    LoadCurrent,
    CurrentDensity,
    PlotOutsideData,
    PlotLossTitle,
    PlotLossesTitle,
    PlotCore,
    PlotCopper,
    PlotTotal,
    PlotRiseTitle,
    PlotWholeRiseTitle,
    PlotNoLoss,
    PlotFrequencyAxis,
    PlotInductanceTitle,
    PlotCurrentAxis,
    FamilyCoreHeading,
    FamilyCoreName,
    FamilyCoreArea,
    FamilyCorePath,
    FamilyCoreWindow,
    NoBobbin,
};

struct ReportPhraseRow {
    ReportPhrase phrase;
    std::string_view russian;
    std::string_view english;
};

// clang-format off
inline constexpr auto kReportPhrases = std::to_array<ReportPhraseRow>({
    {ReportPhrase::EnterMode, "Введите режим", "Choose an operating mode"},
    {ReportPhrase::ModeBefore, "Режим ", "Mode: "},
    {ReportPhrase::CoreBefore, "Сердечник ", "Core "},
    {ReportPhrase::MaterialBefore, "Материал ", "Material "},
    {ReportPhrase::DimensionsHeading, "Ввод размеров в ММ", "Dimensions in mm"},
    {ReportPhrase::InputsHeading, "Введены параметры", "Inputs"},
    {ReportPhrase::ResultsHeading, "Результаты расчета", "Results"},
    {ReportPhrase::CheckHeading, "Проверка расчета", "Design check"},
    {ReportPhrase::CoreTemperature, "Температура сердечника, °C", "Core temperature, °C"},
    {ReportPhrase::ChokeCurrent, "Постоянный ток дросселя, А", "Choke DC current, A"},
    {ReportPhrase::Ripple, "Размах пульсаций тока, А", "Ripple current, peak to peak, A"},
    {ReportPhrase::RippleFrequency, "Частота пульсаций, КГц", "Ripple frequency, kHz"},
    {ReportPhrase::LoadCurrent, "Ток нагрузки, А", "Load current, A"},
    {ReportPhrase::CurrentDensity, "Плотность тока, А/мм²", "Current density, A/mm²"},
    {ReportPhrase::PlotOutsideData, "вне данных материала", "beyond the material's data"},
    {ReportPhrase::PlotLossTitle, "потери в сердечнике, Вт (оценка)", "core loss, W (estimate)"},
    {ReportPhrase::PlotLossesTitle, "потери, Вт (оценка)", "loss, W (estimate)"},
    {ReportPhrase::PlotCore, "сердечник", "core"},
    {ReportPhrase::PlotCopper, "медь", "copper"},
    {ReportPhrase::PlotTotal, "всего", "total"},
    {ReportPhrase::PlotRiseTitle, "перегрев сердечника, К", "core temperature rise, K"},
    {ReportPhrase::PlotWholeRiseTitle, "перегрев сердечника и обмоток, К",
     "core and windings temperature rise, K"},
    {ReportPhrase::PlotNoLoss, "Нет потерь для графика", "No core loss to plot"},
    {ReportPhrase::PlotFrequencyAxis, "частота, кГц (точка — рабочая частота)",
     "frequency, kHz (the dot: the operating frequency)"},
    {ReportPhrase::PlotInductanceTitle, "индуктивность,", "inductance,"},
    {ReportPhrase::PlotCurrentAxis, "ток, А (точки — постоянный и пиковый)",
     "current, A (the dots: DC and peak)"},
    {ReportPhrase::FamilyCoreHeading, "Сердечник из каталога", "Core from the catalogue"},
    {ReportPhrase::FamilyCoreName, "Название", "Name"},
    {ReportPhrase::FamilyCoreArea, "Сечение Ae, мм²", "Area Ae, mm²"},
    {ReportPhrase::FamilyCorePath, "Длина le, мм", "Path length le, mm"},
    {ReportPhrase::FamilyCoreWindow, "Окно, мм", "Window, mm"},
    {ReportPhrase::NoBobbin, "без каркаса", "no bobbin"},
});
// clang-format on

constexpr bool ReportPhrasesInOrder() {
    for (std::size_t i = 0; i < kReportPhrases.size(); ++i) {
        if (static_cast<std::size_t>(kReportPhrases[i].phrase) != i) {
            return false;
        }
    }
    return kReportPhrases.back().phrase == ReportPhrase::NoBobbin;
}
static_assert(ReportPhrasesInOrder(), "kReportPhrases must list every ReportPhrase once, in order");

constexpr std::string_view ReportText(ReportPhrase phrase, Language language) {
    const ReportPhraseRow& row = kReportPhrases[static_cast<std::size_t>(phrase)];
    return language == Language::English ? row.english : row.russian;
}

}  // namespace transcalc
