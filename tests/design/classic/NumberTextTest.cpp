#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <string_view>

#include "Errors.h"

namespace transcalc {
namespace {

// A case's text spelled as a test name: digits and Latin letters kept, every
// other character named, e.g. "1 000,5" -> "Text_1_blank_000_comma_5".
std::string SpelledName(std::string_view text) {
    std::string name = "Text";
    bool afterWord = true;  // the last thing written was a word
    const auto word = [&](std::string_view spelled) {
        name += "_";
        name += spelled;
        afterWord = true;
    };
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter || (c >= '0' && c <= '9')) {
            name += afterWord ? "_" : "";
            name += c;
            afterWord = false;
            continue;
        }
        switch (c) {
            case ' ':
                word("blank");
                break;
            case '\t':
                word("tab");
                break;
            case '.':
                word("point");
                break;
            case ',':
                word("comma");
                break;
            case '-':
                word("minus");
                break;
            case '+':
                word("plus");
                break;
            default: {
                constexpr char kHex[] = "0123456789ABCDEF";
                const auto byte = static_cast<unsigned char>(c);
                word(std::string("byte") + kHex[byte / 16] + kHex[byte % 16]);
            }
        }
    }
    return name;
}

template <typename Case>
std::string NameOfText(const testing::TestParamInfo<Case>& info) {
    return SpelledName(info.param.text);
}

struct ParseCase {
    const char* separator;
    const char* text;
    double value;
};

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTheNumber) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseNumber(c.text, c.separator), c.value) << "'" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Comma, ParseNumberTest,
    testing::Values(ParseCase{",", "12.5", 12.5}, ParseCase{",", "12,5", 12.5},
                    ParseCase{",", " 12,5 ", 12.5}, ParseCase{",", "1 2.5", 12.5},
                    ParseCase{",", "1 000,5", 1000.5}, ParseCase{",", "1.000", 1},
                    ParseCase{",", ".", 0}, ParseCase{",", ",", 0}, ParseCase{",", "5.", 5},
                    ParseCase{",", ".5", 0.5}, ParseCase{",", "-.5", -0.5}, ParseCase{",", "+7", 7},
                    ParseCase{",", "1e3", 1000}, ParseCase{",", "1.5E-3", 0.0015},
                    ParseCase{",", "5E", 5}, ParseCase{",", "5E+", 5}, ParseCase{",", "1E-400", 0},
                    ParseCase{",", "0E499", 0}, ParseCase{",", "0,1", 0.1},
                    ParseCase{",", "1E308", 1e308}, ParseCase{",", "-0", 0}),
    NameOfText<ParseCase>);

INSTANTIATE_TEST_SUITE_P(Point, ParseNumberTest,
                         testing::Values(ParseCase{".", "12.5", 12.5},
                                         ParseCase{".", " 1 2.5", 12.5},
                                         ParseCase{".", "-.5e1", -5}, ParseCase{".", "7", 7}),
                         NameOfText<ParseCase>);

TEST(ParseNumberTest, ScalesInExtendedPrecisionNotAsStrtod) {
    // 48398658547 / 10^7 in extended, then to double: one ulp below strtod's.
    EXPECT_EQ(ParseNumber("4839.8658547", ","), 4839.8658546999995);
    EXPECT_NE(ParseNumber("4839.8658547", ","), 4839.8658547);
}

struct RejectCase {
    const char* separator;
    const char* text;
    const char* error;
};

class ParseNumberRejectTest : public testing::TestWithParam<RejectCase> {};

TEST_P(ParseNumberRejectTest, NamesTheCleanedText) {
    const RejectCase& c = GetParam();
    try {
        ParseNumber(c.text, c.separator);
        FAIL() << "accepted '" << c.text << "'";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberRejectTest,
    testing::Values(RejectCase{",", "1.000,5", "'1,000,5' is not a valid floating point value"},
                    RejectCase{",", "1 2.5x", "'12,5x' is not a valid floating point value"},
                    RejectCase{",", "E5", "'E5' is not a valid floating point value"},
                    RejectCase{",", "   ", "'' is not a valid floating point value"},
                    RejectCase{",", "12a", "'12a' is not a valid floating point value"},
                    RejectCase{",", "1\t2", "'1\t2' is not a valid floating point value"},
                    RejectCase{",",
                               "1\xC2\xA0"
                               "2",
                               "'1\xC2\xA0"
                               "2' is not a valid floating point value"},
                    RejectCase{",", "1E5000", "'1E5000' is not a valid floating point value"},
                    RejectCase{",", "1E-5000", "'1E-5000' is not a valid floating point value"},
                    RejectCase{",", "-", "'-' is not a valid floating point value"},
                    RejectCase{",", "+", "'+' is not a valid floating point value"},
                    RejectCase{",", "1,2,3", "'1,2,3' is not a valid floating point value"},
                    RejectCase{",", "inf", "'inf' is not a valid floating point value"},
                    RejectCase{",", "1e4933", "'1e4933' is not a valid floating point value"}),
    NameOfText<RejectCase>);

// Where the separator is a point a comma is no decimal mark and never
// silently a thousands mark.
INSTANTIATE_TEST_SUITE_P(
    PointTexts, ParseNumberRejectTest,
    testing::Values(RejectCase{".", "12,5", "'12,5' is not a valid floating point value"},
                    RejectCase{".", "1.000,5", "'1.000,5' is not a valid floating point value"}),
    NameOfText<RejectCase>);

TEST(ParseNumberTest, ANumberBeyondTheDoubleRangeOverflowsOnStore) {
    try {
        ParseNumber("1E400", ",");
        FAIL();
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), "Floating point overflow");
    }
}

struct FormatCase {
    const char* name;
    long double value;
    const char* comma;
};

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, WritesFifteenSignificantDigits) {
    EXPECT_EQ(FormatNumber(GetParam().value, ","), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumberTest,
    testing::Values(FormatCase{"Zero", 0, "0"}, FormatCase{"NegativeZero", -0.0L, "0"},
                    FormatCase{"Half", 0.5, "0,5"}, FormatCase{"Whole", 1500, "1500"},
                    FormatCase{"Negative", -2.5, "-2,5"}, FormatCase{"TwoDecimals", 12.34, "12,34"},
                    FormatCase{"OneThirdRoundsDown", 1.0 / 3.0, "0,333333333333333"},
                    FormatCase{"TwoThirdsRoundUp", 2.0 / 3.0, "0,666666666666667"},
                    FormatCase{"SmallestWithoutExponent", 0.0001, "0,0001"},
                    FormatCase{"SmallTakesAnExponent", 0.00005, "5E-5"},
                    FormatCase{"TwoDigitNegativeExponent", 1e-10, "1E-10"},
                    FormatCase{"FifteenDigitsWhole", 123456789012345.0, "123456789012345"},
                    FormatCase{"SixteenDigitsTakeAnExponent", 1e15, "1E15"},
                    FormatCase{"SixteenDigitsRoundToFifteen", 1234567890123456.0,
                               "1,23456789012346E15"},
                    FormatCase{"LargeWithFraction", 1.5e20, "1,5E20"},
                    FormatCase{"RoundingCarriesIntoTheExponent", 999999999999999.5L, "1E15"},
                    FormatCase{"RoundingCarriesToAThousandth", 0.00099999999999999999L, "0,001"},
                    FormatCase{"NegativeWithExponent", -1e-5, "-1E-5"},
                    FormatCase{"LargestDouble", DBL_MAX, "1,79769313486232E308"},
                    FormatCase{"SmallestDouble", 4.9406564584124654e-324, "4,94065645841247E-324"},
                    FormatCase{"FifteenSignificantDigits", 4.71238898038469, "4,71238898038469"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatNumberTest, WritesTheGivenSeparator) {
    EXPECT_EQ(FormatNumber(12.34, "."), "12.34");
    EXPECT_EQ(FormatNumber(1.5e20, "."), "1.5E20");
    EXPECT_EQ(FormatNumber(0.001, "."), "0.001");
}

TEST(RoundingTest, DivisionFormRoundsTiesToEven) {
    EXPECT_EQ(FormatNumber(RoundedDiv(0.125, 2), ","), "0,12");
    EXPECT_EQ(FormatNumber(RoundedDiv(0.375, 2), ","), "0,38");
    EXPECT_EQ(FormatNumber(RoundedDiv(4.71238898038469, 2), ","), "4,71");
    EXPECT_EQ(RoundedDiv(-0.125, 2), -0.12);
}

TEST(RoundingTest, MultiplicationFormShowsTheDecimalNumber) {
    EXPECT_EQ(FormatNumber(RoundedMul(1.2, 4), ","), "1,2");
    EXPECT_EQ(FormatNumber(RoundedMul(1.5, 2), ","), "1,5");
    EXPECT_EQ(FormatNumber(RoundedMul(3, 4), ","), "3");
    EXPECT_EQ(FormatNumber(RoundedMul(10.13333333, 5), ","), "10,13333");
}

TEST(RoundingTest, FaultsWhenTheScaledValueLeavesTheIntegerRange) {
    EXPECT_THROW(RoundedMul(9.3e14, 4), ArithmeticFault);
    EXPECT_THROW(RoundedDiv(-9.3e16, 2), ArithmeticFault);
}

}  // namespace
}  // namespace transcalc
