#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "CliReport.h"

namespace transcalc::cli {
namespace {

using Json = nlohmann::ordered_json;

TEST(JsonLineTest, WritesOneLineInTheOrderBuilt) {
    Json value = Json::object();
    value["z"] = Json::array({1, "a", nullptr, true});
    value["a"] = Json::object();
    value["m"] = Json::array();
    value["n"] = Json::object({{"x", false}});
    EXPECT_EQ(JsonLine(value),
              "{\"z\": [1, \"a\", null, true], \"a\": {}, \"m\": [], \"n\": {\"x\": false}}\n");
}

TEST(JsonLineTest, NumbersHaveSeventeenDigitsAndNeverInfinityOrNan) {
    struct Case {
        double value;
        std::string text;
    };
    const Case cases[] = {
        {0.5, "0.5\n"},
        {2, "2\n"},
        {0.1, "0.10000000000000001\n"},
        {4.71238898038469, "4.7123889803846897\n"},
        {-2.5e-300, "-2.5e-300\n"},
        {0.30000000000000004, "0.30000000000000004\n"},
        {1e21, "1e+21\n"},
        {-0.0, "-0\n"},
        {std::numeric_limits<double>::infinity(), "null\n"},
        {-std::numeric_limits<double>::infinity(), "null\n"},
        {std::numeric_limits<double>::quiet_NaN(), "null\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonLine(Json(c.value)), c.text) << c.text;
    }
}

TEST(JsonLineTest, TextsAreEscapedAndBadBytesReplaced) {
    struct Case {
        std::string text;
        std::string json;
    };
    const Case cases[] = {
        {"Режим работы: Дроссель", "\"Режим работы: Дроссель\"\n"},
        {"\"q\" \\ /", "\"\\\"q\\\" \\\\ /\"\n"},
        {"\t\n\x01\x1f\x7f", "\"\\t\\n\\u0001\\u001f\x7f\"\n"},
        {"a\xFF"
         "b",
         "\"a\xEF\xBF\xBD"
         "b\"\n"},
        {"\xD0", "\"\xEF\xBF\xBD\"\n"},
        {std::string("nul\0end", 7), "\"nul\\u0000end\"\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonLine(Json(c.text)), c.json) << c.json;
    }
    Json object = Json::object();
    object["k\xFF"] = "v";
    EXPECT_EQ(JsonLine(object), "{\"k\xEF\xBF\xBD\": \"v\"}\n");
}

}  // namespace
}  // namespace transcalc::cli
