#pragma once

#include <string>
#include <string_view>

namespace transcalc {

// How every number outside the classic results list is written: the check's
// and the windings' lines, the tables, the plots' axes, the report's inputs
// and the field texts the adviser fills in. The results list keeps the
// classic FormatNumber (classic/NumberText.h).
//
// A number is rounded from the double's exact value, as std::to_chars
// rounds: 2,675 (the double 2,67499…) to two decimals is 2,67, and a value
// exactly halfway goes to the even digit, 0,5625 to 0,562 and 0,375 to
// 0,38. Whatever the style: a value that rounds to zero has no minus sign;
// from 1e15 on the value is written as a mantissa and a power of ten
// ("1,00e+15"), since fixed digits there mean nothing, and so is a value
// below 1e-9 in significant digits or round trip ("2,42e-14"); NaN is "—"
// and an infinity "∞" or "-∞".
enum class Notation {
    Decimals,     // a fixed count of decimals: 12,30
    Significant,  // this many significant digits, whole digits kept, at most 9 decimals
    RoundTrip,    // the shortest digits that read back as the same double
};

struct NumberFormat {
    Notation notation = Notation::RoundTrip;
    int digits = 0;          // decimals or significant digits; RoundTrip takes none
    bool trimZeros = false;  // drops trailing decimal zeros, and the separator left bare

    constexpr NumberFormat Trimmed() const { return {notation, digits, true}; }
    friend constexpr bool operator==(const NumberFormat&, const NumberFormat&) = default;
};

constexpr NumberFormat Decimals(int decimals) {
    return {Notation::Decimals, decimals, false};
}
constexpr NumberFormat SignificantDigits(int digits) {
    return {Notation::Significant, digits, false};
}
constexpr NumberFormat RoundTrip() {
    return {};
}

// A value echoed as a user would type it: up to 15 significant digits, as
// the classic list writes its numbers, so that 4,1 stays 4,1 after a product
// and a quotient (and at most nine decimals).
inline constexpr NumberFormat kAsTyped = SignificantDigits(15).Trimmed();

// The value in the format with the decimal separator given ("," or "."),
// whatever the locale.
std::string FormatValue(double value, NumberFormat format, std::string_view separator);

}  // namespace transcalc
