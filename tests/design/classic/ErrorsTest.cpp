#include "Errors.h"

#include <gtest/gtest.h>

namespace transcalc {
namespace {

TEST(ErrorsTest, ConversionErrorNamesTheCleanedText) {
    EXPECT_STREQ(ConversionError("12,5x").what(), "'12,5x' is not a valid floating point value");
}

TEST(ErrorsTest, ErrorBoxAppendsAFullStopAfterCharactersSortingAfterIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"I/O error 27", "I/O error 27."},
        {"ends with a stop.", "ends with a stop."},
        {"ends with a comma,", "ends with a comma,"},
        {"'' is not a valid floating point value", "'' is not a valid floating point value."},
        {"Ошибка", "Ошибка."},
        {"", ""},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(ErrorBoxText(text), shown) << text;
    }
}

}  // namespace
}  // namespace transcalc
