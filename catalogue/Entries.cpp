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

std::span<const std::string_view> RequiredLetters(CoreKind kind) {
    static constexpr std::string_view kRing[] = {"A", "B", "C"};
    static constexpr std::string_view kE[] = {"A", "B", "C", "F"};
    static constexpr std::string_view kU[] = {"A", "B", "C", "E"};
    switch (kind) {
        case CoreKind::Ring:
            return kRing;
        case CoreKind::ShapedE:
            return kE;
        case CoreKind::ShapedU:
            return kU;
    }
    return {};
}

}  // namespace transcalc::catalogue
