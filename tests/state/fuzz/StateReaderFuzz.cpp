// Arbitrary bytes as the state file: reading must neither crash nor throw,
// and never keep more of a line than a field can hold.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "StateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    transcalc::WindowState state;
    transcalc::StateFileParser parser(state);
    // In two pieces, as reads of the file may split it anywhere.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
    if (parser.Feed(bytes.substr(0, split))) {
        parser.Feed(bytes.substr(split));
    }
    parser.Finish();
    for (const QString& text : state.fieldTexts) {
        if (text.size() > static_cast<qsizetype>(transcalc::kMaxLineLength)) {
            std::abort();
        }
    }
    return 0;
}
