#include "Entries.h"

namespace transcalc::catalogue {

std::optional<double> Core::Millimetres(std::string_view letter) const {
    for (const Dimension& dimension : dimensions) {
        if (dimension.letter == letter) {
            return dimension.millimetres;
        }
    }
    return std::nullopt;
}

CoreLetters LettersOf(const Core& core) {
    const auto mm = [&](std::string_view letter) { return core.Millimetres(letter).value_or(0); };
    return {core.kind, mm("A"), mm("B"), mm("C"), mm("D"), mm("E"), mm("F")};
}

}  // namespace transcalc::catalogue
