#pragma once

#include <cstddef>
#include <string_view>

namespace transcalc::testing_support {

// A letter of the Cyrillic block, U+0400 to U+04FF: in UTF-8 a lead byte
// 0xD0 to 0xD3 and one continuation byte. The English texts must hold none.
inline bool HasCyrillic(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xD0 && lead <= 0xD3 && (next & 0xC0) == 0x80) {
            return true;
        }
    }
    return false;
}

}  // namespace transcalc::testing_support
