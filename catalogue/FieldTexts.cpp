#include "FieldTexts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>

#include "NumberText.h"

namespace transcalc::catalogue {

// Not display text: the fields it fills are read by the classic parser, and
// the catalogue's data are decimals as written, so it rounds the written
// decimal where FormatValue rounds the double.
std::string RoundedText(double value, int decimals, std::string_view separator) {
    // Nine decimals first, so that a datum such as 12.545 rounds as the decimal
    // number it was written as, not as its binary neighbour 12.54499...
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::fixed, 9);
    const std::string_view fixed(buffer, result.ptr);
    const std::size_t point = fixed.find('.');
    std::string digits =
        std::string(fixed.substr(0, point)) + std::string(fixed.substr(point + 1, decimals));
    if (fixed[point + 1 + decimals] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    std::string whole = digits.substr(0, digits.size() - decimals);
    std::string fraction = digits.substr(digits.size() - decimals);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    const bool zero = whole.find_first_not_of('0') == std::string::npos && fraction.empty();
    std::string text = value < 0 && !zero ? "-" + whole : whole;
    if (!fraction.empty()) {
        text += std::string(separator) + fraction;
    }
    return text;
}

std::vector<FieldText> CoreFieldTexts(const Core& core, std::string_view separator) {
    if (!core.IsClassic()) {
        return {};
    }
    const CoreDimensions fields = CoreShape::OfLetters(LettersOf(core)).Dimensions();
    const double values[] = {fields.d1, fields.d2, fields.d3, fields.d4};
    std::vector<FieldText> texts;
    for (int i = 0; i < InfoOf(core.kind).dimensionCount; ++i) {
        texts.push_back({static_cast<Field>(static_cast<int>(Field::Dimension1) + i),
                         RoundedText(values[i], 2, separator)});
    }
    return texts;
}

std::optional<CoreLetters> LettersWhileFilled(const Core& core, const CorePictures& cores,
                                              const InputFields& fields,
                                              std::string_view separator) {
    if (!core.IsClassic()) {
        return std::nullopt;
    }
    const std::span<const std::string_view> refining = CoreShape::RefiningLetters(core.kind);
    if (refining.empty() || !cores.Shows(core.kind) ||
        !std::ranges::all_of(refining,
                             [&](std::string_view l) { return core.Millimetres(l).has_value(); })) {
        return std::nullopt;
    }
    try {
        for (const FieldText& filled : CoreFieldTexts(core, ".")) {
            const double value = ParseNumber(filled.text, ".");
            const double typed = ParseNumber(fields[filled.field], separator);
            if (std::abs(typed - value) > 1e-9 * std::abs(value)) {
                return std::nullopt;
            }
        }
    } catch (const std::exception&) {
        return std::nullopt;  // a field that is no number is not the core's
    }
    return LettersOf(core);
}

std::string PermeabilityText(const Material& material) {
    return RoundedText(material.initialPermeability, 0, ".");
}

std::string SaturationText(const Material& material, double temperature,
                           std::string_view separator) {
    if (material.saturation.empty()) {
        return {};
    }
    return RoundedText(SaturationAt(material, temperature), 3, separator);
}

std::string WorkingFluxText(const Material& material, std::string_view separator) {
    if (material.saturation.empty()) {
        return {};
    }
    return RoundedText(kWorkingFluxShare * SaturationAt(material, kFieldSaturationTemperature), 3,
                       separator);
}

std::vector<FieldText> MaterialFieldTexts(const Material& material, std::string_view separator) {
    std::vector<FieldText> texts = {{Field::Permeability, PermeabilityText(material)}};
    if (!material.saturation.empty()) {
        texts.push_back({Field::SatInduction, WorkingFluxText(material, separator)});
    }
    return texts;
}

}  // namespace transcalc::catalogue
