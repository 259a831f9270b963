// Drives the whole core from arbitrary bytes: twelve field texts, the core
// pictures, the separator and a mode, then Calculate and one results pass.
// The only outcomes allowed are a finished list or one of the four error
// texts; a number line never shows "nan" or "inf".
//
// Input: one byte of flags (bits 0-2: ring, Ш, П pictures; bit 3: point as
// separator), then up to thirteen pieces separated by '\n': the fields
// Edit1..Edit12 and the mode ("0".."4" pick none or one of the four modes,
// any other text is taken as it is).

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "Design.h"

namespace {

using namespace transcalc;

constexpr std::string_view kModes[] = {"", kModeChoke, kModeFlyback, kModeSingleEnded,
                                       kModePushPull};

bool IsDefinedError(std::string_view text) {
    return text == "Floating point division by zero" ||
           text == "Invalid floating point operation" || text == "Floating point overflow" ||
           (text.starts_with("'") && text.ends_with("' is not a valid floating point value"));
}

bool ShowsNoNumber(std::string_view line) {
    for (std::string_view bad : {"nan", "NaN", "NAN", "inf", "Inf", "INF"}) {
        if (line.find(bad) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t flags = data[0];
    const CorePictures cores{
        .ring = (flags & 1) != 0, .shapedE = (flags & 2) != 0, .shapedU = (flags & 4) != 0};
    const DecimalSeparator separator = (flags & 8) != 0 ? "." : ",";

    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    InputFields fields;
    DesignState state;
    for (int piece = 1; piece <= 13 && !rest.empty(); ++piece) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view text = rest.substr(0, end);
        if (piece <= 12) {
            // An error text is a C string: a field never holds a NUL byte.
            fields.Edit(piece) = text;
            std::replace(fields.Edit(piece).begin(), fields.Edit(piece).end(), '\0', '\x01');
        } else if (text.size() == 1 && text[0] >= '0' && text[0] <= '4') {
            state.Mode = kModes[text[0] - '0'];
        } else {
            state.Mode = text;
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }

    RecordedList list;
    try {
        Calculate(fields, cores, state, list, separator);
        RunResultsPass(cores, state, list, separator);
    } catch (const ConversionError& error) {
        if (!IsDefinedError(error.what())) {
            std::abort();
        }
    } catch (const ArithmeticFault& fault) {
        if (!IsDefinedError(fault.what())) {
            std::abort();
        }
    }
    const std::string modeLine = "         Режим работы: " + state.Mode;
    for (const std::string& line : list.lines) {
        if (line != modeLine && !ShowsNoNumber(line)) {
            std::abort();
        }
    }
    if (state.ResultsPending) {
        std::abort();  // a finished or faulted pass is never due again
    }
    return 0;
}
