#include "NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace transcalc {
namespace {

// Fixed digits from 1e15 on mean nothing; significant digits below 1e-9
// would all lie past the ninth decimal.
constexpr double kLargest = 1e15;
constexpr double kSmallest = 1e-9;
constexpr int kMostDecimals = 9;
// Significant digits of the mantissa for a fixed count of decimals.
constexpr int kMantissaDigits = 3;
// Past the 1074th decimal every double's digits are zeros.
constexpr int kLastDecimal = 1080;

// A magnitude as decimal digits: d[0].d[1]d[2]… × 10^exponent, no digits for zero.
struct Digits {
    std::string digits;
    int exponent = 0;

    bool Zero() const { return digits.empty(); }
    int Count() const { return static_cast<int>(digits.size()); }
    // The digit of 10^power.
    char At(int power) const {
        const int index = exponent - power;
        return index >= 0 && index < Count() ? digits[index] : '0';
    }
};

// The magnitude as std::to_chars writes it, "123.4560" or "1.2345e+17",
// taken apart into its digits; no precision: the shortest that reads back.
Digits Printed(double magnitude, std::chars_format format, std::optional<int> precision = {}) {
    char buffer[kLastDecimal + 400];
    const char* end = precision
                          ? std::to_chars(buffer, buffer + sizeof buffer, magnitude, format,
                                          std::min(*precision, kLastDecimal))
                                .ptr
                          : std::to_chars(buffer, buffer + sizeof buffer, magnitude, format).ptr;
    const std::string_view text(buffer, end);
    const std::size_t e = text.find('e');
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    int power = 0;
    if (e != std::string_view::npos) {
        std::string_view written = text.substr(e + 1);
        if (written.front() == '+') {
            written.remove_prefix(1);
        }
        std::from_chars(written.data(), written.data() + written.size(), power);
    }
    Digits d;
    for (const char c : mantissa) {
        if (c != '.') {
            d.digits += c;
        }
    }
    d.exponent = static_cast<int>(point) - 1 + power;
    const std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return {};
    }
    d.digits.erase(0, first);
    d.exponent -= static_cast<int>(first);
    return d;
}

// Whether the value is written as a mantissa and a power of ten.
bool InExponentForm(double magnitude, Notation notation) {
    if (magnitude >= kLargest) {
        return true;
    }
    return notation != Notation::Decimals && magnitude != 0 && magnitude < kSmallest;
}

int DecimalsFor(double magnitude, NumberFormat format) {
    if (format.notation == Notation::Decimals) {
        return std::max(0, format.digits);
    }
    if (magnitude == 0) {
        return 0;
    }
    const int exponent = Printed(magnitude, std::chars_format::scientific).exponent;
    return std::clamp(std::max(1, format.digits) - 1 - exponent, 0, kMostDecimals);
}

}  // namespace

std::string FormatValue(double value, NumberFormat format, std::string_view separator) {
    if (std::isnan(value)) {
        return "—";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-∞" : "∞";
    }
    const double magnitude = std::fabs(value);
    Digits d;
    std::string whole;
    std::string fraction;
    std::string power;
    if (InExponentForm(magnitude, format.notation)) {
        int significant = 0;
        if (format.notation == Notation::RoundTrip) {
            d = Printed(magnitude, std::chars_format::scientific);
            significant = d.Count();
        } else {
            significant = format.notation == Notation::Decimals ? kMantissaDigits
                                                                : std::max(1, format.digits);
            d = Printed(magnitude, std::chars_format::scientific, significant - 1);
        }
        whole = d.digits.substr(0, 1);
        fraction = d.digits.substr(1, significant - 1);
        fraction.resize(significant - 1, '0');
        const int exponent = std::abs(d.exponent);
        power = (d.exponent < 0 ? "e-" : "e+") + std::string(exponent < 10 ? "0" : "") +
                std::to_string(exponent);
    } else {
        int decimals = 0;
        if (format.notation == Notation::RoundTrip) {
            d = Printed(magnitude, std::chars_format::fixed);
            decimals = std::max(0, d.Count() - 1 - d.exponent);
        } else {
            decimals = DecimalsFor(magnitude, format);
            d = Printed(magnitude, std::chars_format::fixed, decimals);
        }
        whole = "0";
        if (!d.Zero() && d.exponent >= 0) {
            whole.clear();
            for (int p = d.exponent; p >= 0; --p) {
                whole += d.At(p);
            }
        }
        for (int p = -1; p >= -decimals; --p) {
            fraction += d.At(p);
        }
    }
    if (format.trimZeros) {
        fraction.erase(fraction.find_last_not_of('0') + 1);
    }
    std::string text = std::signbit(value) && !d.Zero() ? "-" : "";
    text += whole;
    if (!fraction.empty()) {
        text += separator;
        text += fraction;
    }
    return text + power;
}

}  // namespace transcalc
