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

std::optional<BobbinWindow> Core::Bobbin() const {
    return bobbins.empty() ? std::nullopt : std::optional(bobbins.front());
}

CoreLetters LettersOf(const Core& core) {
    const auto mm = [&](std::string_view letter) { return core.Millimetres(letter).value_or(0); };
    return {core.kind, mm("A"), mm("B"), mm("C"), mm("D"), mm("E"), mm("F")};
}

FamilyCore FamilyCoreOf(const Core& core) {
    FamilyCore family{core.Family(), core.subtype, {}};
    for (const Dimension& dimension : core.dimensions) {
        family.letters.push_back({dimension.letter, dimension.millimetres});
    }
    return family;
}

CatalogueFamilyCore CatalogueFamilyCoreOf(const Core& core) {
    return {FamilyCoreOf(core), core.Bobbin()};
}

}  // namespace transcalc::catalogue
