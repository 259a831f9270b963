#include "NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace transcalc {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Every case worked by hand from the value's digits.
TEST(NumberFormatTest, ValuesInEachFormat) {
    struct Case {
        double value;
        NumberFormat format;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        // Fixed decimals, zeros kept.
        {12.3, Decimals(2), ",", "12,30"},
        {1234567.891, Decimals(1), ".", "1234567.9"},
        {9.996, Decimals(2), ".", "10.00"},  // the carry reaches the whole part
        {0.004, Decimals(2), ",", "0,00"},
        // From the double's exact value; exactly halfway goes to the even digit.
        {2.675, Decimals(2), ".", "2.67"},    // the double 2.67499999…
        {1.005, Decimals(2), ",", "1,00"},    // 1.00499999…
        {12.35, Decimals(1), ",", "12,3"},    // 12.3499999…
        {0.5625, Decimals(3), ",", "0,562"},  // E 25's centre leg in cm²
        {0.375, Decimals(2), ".", "0.38"},
        {12.25, Decimals(1), ",", "12,2"},
        {2.5, Decimals(0), ".", "2"},
        {3.5, Decimals(0), ".", "4"},
        {-2.5, Decimals(0), ".", "-2"},
        {0.5, Decimals(0), ".", "0"},
        {0.50000000000000011, Decimals(0), ".", "1"},
        {0.125, SignificantDigits(2), ",", "0,12"},
        // No "-0".
        {-0.04, Decimals(1), ",", "0,0"},
        {-0.0, Decimals(1), ",", "0,0"},
        {-0.05, Decimals(1), ",", "-0,1"},
        {-0.0004, SignificantDigits(3).Trimmed(), ",", "-0,0004"},
        {-1e-300, Decimals(3), ".", "0.000"},
        // Trimmed: the catalogue's and the adviser's field texts.
        {30.0, Decimals(1).Trimmed(), ",", "30"},
        {0.05, Decimals(2).Trimmed(), ",", "0,05"},
        {1.2, Decimals(2).Trimmed(), ",", "1,2"},
        {0.3898, Decimals(3).Trimmed(), ",", "0,39"},
        {99.999, Decimals(2).Trimmed(), ",", "100"},
        // Significant digits: whole digits are never rounded away.
        {0.012345, SignificantDigits(3), ",", "0,0123"},
        {4.4249, SignificantDigits(3), ",", "4,42"},
        {12345, SignificantDigits(3), ",", "12345"},
        {0.0009996, SignificantDigits(3), ".", "0.001000"},
        {0.0009996, SignificantDigits(3).Trimmed(), ".", "0.001"},
        {2.42e-8, SignificantDigits(3), ".", "0.000000024"},  // at most nine decimals
        {0, SignificantDigits(3), ",", "0"},
        {0.0015, SignificantDigits(4).Trimmed(), ",", "0,0015"},
        {10000, SignificantDigits(4).Trimmed(), ",", "10000"},
        // As typed: 15 digits hide what a product and a quotient leave.
        {4.0999999999999995, kAsTyped, ",", "4,1"},
        {0.30000000000000004, kAsTyped, ".", "0.3"},
        {10.0 / 3, kAsTyped, ",", "3,333333333"},
        {100, kAsTyped, ",", "100"},
        // Round trip: every digit the double needs.
        {0.30000000000000004, RoundTrip(), ".", "0.30000000000000004"},
        {100000, RoundTrip(), ",", "100000"},
        {0.0001, RoundTrip(), ",", "0,0001"},
        {-12.5, RoundTrip(), ",", "-12,5"},
        {-0.0, RoundTrip(), ",", "0"},
        // From 1e15 on, a mantissa and a power of ten.
        {999999999999999.9, Decimals(0), ".", "1000000000000000"},
        {1e15, Decimals(1), ",", "1,00e+15"},
        {1.2345e17, Decimals(3), ",", "1,23e+17"},
        {-9.996e20, Decimals(2), ".", "-1.00e+21"},
        {1.5e15, Decimals(2).Trimmed(), ",", "1,5e+15"},
        {1.245e15, Decimals(0), ".", "1.24e+15"},  // exactly halfway
        {2.5e15, SignificantDigits(3), ".", "2.50e+15"},
        {1e15, RoundTrip(), ".", "1e+15"},
        {1.2345678901234568e20, RoundTrip(), ".", "1.2345678901234568e+20"},
        {1.7976931348623157e308, kAsTyped, ",", "1,79769313486232e+308"},
        // Below 1e-9 nine decimals would show nothing.
        {1.5e-10, SignificantDigits(3), ".", "1.50e-10"},
        {1e-10, SignificantDigits(3).Trimmed(), ",", "1e-10"},
        {-3e-12, SignificantDigits(2), ",", "-3,0e-12"},
        {2.42e-14, RoundTrip(), ".", "2.42e-14"},
        {2.42e-14, Decimals(3), ".", "0.000"},
        // No number at all.
        {kNaN, Decimals(2), ",", "—"},
        {kInfinity, SignificantDigits(3), ",", "∞"},
        {-kInfinity, RoundTrip(), ",", "-∞"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatValue(c.value, c.format, c.separator), c.text)
            << c.value << " notation " << static_cast<int>(c.format.notation) << " digits "
            << c.format.digits << (c.format.trimZeros ? " trimmed" : "");
    }
}

}  // namespace
}  // namespace transcalc
