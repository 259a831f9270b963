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

#include "DesignRun.h"

namespace {

using namespace transcalc;

// The error box texts a command may end with.
bool IsDefinedError(std::string_view text) {
    return text == "Floating point division by zero." ||
           text == "Invalid floating point operation." || text == "Floating point overflow." ||
           (text.starts_with("'") && text.ends_with("' is not a valid floating point value."));
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
    Design design;
    design.cores = cores;
    InputFields& fields = design.fields;
    fields = InputFields{};
    std::string& mode = design.mode;
    for (int piece = 1; piece <= 13 && !rest.empty(); ++piece) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view text = rest.substr(0, end);
        if (piece <= kFieldCount) {
            // An error text is a C string: a field never holds a NUL byte.
            std::string& field = fields.texts[piece - 1];
            field = text;
            std::replace(field.begin(), field.end(), '\0', '\x01');
        } else if (text.size() == 1 && text[0] >= '0' && text[0] <= '4') {
            mode = text[0] == '0' ? std::string_view() : kModes[text[0] - '1'].text;
        } else {
            mode = text;
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }

    const DesignRun run = RunDesign(design, separator);
    if (run.error && !IsDefinedError(*run.error)) {
        std::abort();
    }
    const std::string modeLine = "         Режим работы: " + mode;
    for (const std::string& line : run.list.lines) {
        if (line != modeLine && !ShowsNoNumber(line)) {
            std::abort();
        }
    }
    if (run.after.ResultsPending) {
        std::abort();  // a finished or faulted pass is never due again
    }
    return 0;
}
