// Arbitrary bytes as a design file: reading either gives a design or refuses
// with DocumentError, and a design that was read is written and read back
// unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "DesignDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    transcalc::Design design;
    try {
        design = transcalc::ParseDesignText(text, "fuzz.transcalc");
    } catch (const transcalc::DocumentError&) {
        return 0;
    }
    if (transcalc::ParseDesignText(transcalc::DesignText(design, "fuzz.transcalc"),
                                   "fuzz.transcalc") != design) {
        std::abort();
    }
    return 0;
}
