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

std::vector<std::string_view> RequiredLetters(CoreKind kind) {
    switch (kind) {
        case CoreKind::Ring:
            return {"A", "B", "C"};
        case CoreKind::ShapedE:
            return {"A", "B", "C", "F"};
        case CoreKind::ShapedU:
            return {"A", "B", "C", "E"};
    }
    return {};
}

}  // namespace transcalc::catalogue
