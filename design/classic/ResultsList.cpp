#include "ResultsList.h"

namespace transcalc {

void ResultWriter::Number(std::string_view label, Extended value, std::string_view unit) {
    std::string line;
    line.reserve(label.size() + 24 + unit.size());
    line += label;
    line += FormatNumber(value, separator_);
    line += unit;
    list_.Append(line);
}

}  // namespace transcalc
