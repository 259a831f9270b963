#include "NumberText.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "Errors.h"

namespace transcalc {
namespace {

constexpr std::array<long double, 28> kExactPowersOfTen = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// The nearest extended values of 10^-k used by the multiplication form.
constexpr std::array<long double, 6> kTenthPowers = {1.0L, 0.1L, 0.01L, 0.001L, 0.0001L, 0.00001L};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number-text rule: the text must be one number, with optional blanks
// around it, an optional sign, digits with at most one decimal separator and
// an optional exponent. Returns nothing when the text is not such a number or
// its value leaves the extended range.
std::optional<long double> ConvertNumberText(std::string_view text, DecimalSeparator separator) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long double digits = 0;
    bool anyDigit = false;
    while (i < n && IsDigit(text[i])) {
        digits = digits * 10 + (text[i] - '0');
        anyDigit = true;
        ++i;
    }
    bool anySeparator = false;
    int fractionDigits = 0;
    if (!separator.empty() && text.substr(i).starts_with(separator)) {
        anySeparator = true;
        i += separator.size();
        while (i < n && IsDigit(text[i])) {
            digits = digits * 10 + (text[i] - '0');
            ++fractionDigits;
            ++i;
        }
    }
    if (!anyDigit && !anySeparator) {
        return std::nullopt;
    }
    int exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        // Digits are taken only while the exponent is below 500; a digit
        // left over rejects the text below.
        while (i < n && IsDigit(text[i]) && exponent < 500) {
            exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i != n || std::isinf(digits)) {
        return std::nullopt;
    }
    long double value = digits;
    if (value != 0) {
        const int power = exponent - fractionDigits;
        value = power >= 0 ? value * PowerOfTen(power) : value / PowerOfTen(-power);
        if (std::isinf(value)) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

// Scales by 10^power in the way the display needs: one multiplication or one
// division by the nearest extended power of ten.
long double ScaleByPowerOfTen(long double value, int power) {
    return power >= 0 ? value * PowerOfTen(power) : value / PowerOfTen(-power);
}

}  // namespace

long double PowerOfTen(int k) {
    if (k < static_cast<int>(kExactPowersOfTen.size())) {
        return kExactPowersOfTen[k];
    }
    // Beyond 10^27 the power is inexact; strtold rounds the decimal text
    // correctly to the nearest extended value (infinity past the range).
    char text[16];
    std::snprintf(text, sizeof text, "1e%d", k);
    return std::strtold(text, nullptr);
}

double ParseNumber(std::string_view text, DecimalSeparator separator) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (char c : text) {
        if (c == '.') {
            cleaned += separator;
        } else if (c != ' ') {
            cleaned += c;
        }
    }
    const std::optional<long double> value = ConvertNumberText(cleaned, separator);
    if (!value) {
        throw ConversionError(cleaned);
    }
    return Store(*value);
}

std::string FormatNumber(Extended value, DecimalSeparator separator) {
    const long double x = value.value();
    if (x == 0) {
        return "0";
    }
    const long double magnitude = std::fabs(x);

    // 18 significant digits: the whole number `whole` with 10^17 <= whole <
    // 10^18 and magnitude ~ 0.whole * 10^exponent.
    int exponent = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    long double whole = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        whole = std::nearbyint(ScaleByPowerOfTen(magnitude, 18 - exponent));
        if (whole >= 1e18L) {
            ++exponent;
        } else if (whole < 1e17L) {
            --exponent;
        } else {
            break;
        }
    }
    char digits[18];
    auto rest = static_cast<std::uint64_t>(whole);
    for (int i = 17; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }

    // Cut to 15 digits on the 16th alone, carrying to the left.
    int count = 15;
    if (digits[15] >= '5') {
        int i = 14;
        while (i >= 0 && digits[i] == '9') {
            digits[i--] = '0';
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    while (count > 1 && digits[count - 1] == '0') {
        --count;
    }
    const std::string_view shown(digits, count);

    std::string text;
    text.reserve(32);
    if (x < 0) {
        text += '-';
    }
    if (exponent >= -3 && exponent <= 15) {
        if (exponent <= 0) {
            text += '0';
            text += separator;
            text.append(-exponent, '0');
            text += shown;
        } else if (count <= exponent) {
            text += shown;
            text.append(exponent - count, '0');
        } else {
            text += shown.substr(0, exponent);
            text += separator;
            text += shown.substr(exponent);
        }
    } else {
        text += shown[0];
        if (count > 1) {
            text += separator;
            text += shown.substr(1);
        }
        text += 'E';
        text += std::to_string(exponent - 1);
    }
    return text;
}

Extended RoundedMul(double x, int k) {
    return Extended(Round(Extended(x) * PowerOfTen(k))) * kTenthPowers.at(k);
}

double RoundedDiv(double x, int k) {
    const double whole = Store(Round(Extended(x) * PowerOfTen(k)));
    return Store(Extended(whole) / PowerOfTen(k));
}

}  // namespace transcalc
