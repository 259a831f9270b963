#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "Json.h"

namespace transcalc::json {
namespace {

std::string ParsedText(std::string_view text) {
    return std::get<std::string>(Parse(text).data);
}

TEST(JsonStringTest, ReadsEveryEscape) {
    struct Case {
        std::string_view json;
        std::string text;
    };
    const Case cases[] = {
        {R"("a\"b\\c\/d")", "a\"b\\c/d"},
        {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
        {R"("\u0000x")", std::string("\0x", 2)},
        {R"("\u0416\u00b5")", "Жµ"},
        {R"("\ud83d\ude00")", "\xF0\x9F\x98\x80"},
        {R"("\uD834\uDD1E")", "\xF0\x9D\x84\x9E"},
        {"\"Дроссель\"", "Дроссель"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParsedText(c.json), c.text) << c.json;
    }
}

TEST(JsonStringTest, WritesControlsAsEscapesAndKeepsUtf8) {
    EXPECT_EQ(Write(Value{std::string("\"\\\n\t\r\x01\x1f Ш\x7f")}),
              "\"\\\"\\\\\\n\\t\\r\\u0001\\u001f Ш\x7f\"\n");
}

TEST(JsonNumberTest, WritesTheShortestTextThatReadsBack) {
    struct Case {
        double value;
        std::string text;
    };
    const Case cases[] = {
        {100, "100\n"},
        {0.1, "0.1\n"},
        {-2.5e-300, "-2.5e-300\n"},
        {1.7976931348623157e308, "1.7976931348623157e+308\n"},
        {0.30000000000000004, "0.30000000000000004\n"},
        {5e-324, "5e-324\n"},
    };
    for (const Case& c : cases) {
        const std::string text = Write(Value{c.value});
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(std::get<double>(Parse(text).data), c.value) << text;
    }
}

TEST(JsonWriteTest, RefusesWhatJsonCannotHold) {
    EXPECT_THROW(Write(Value{std::numeric_limits<double>::infinity()}), std::invalid_argument);
    EXPECT_THROW(Write(Value{std::numeric_limits<double>::quiet_NaN()}), std::invalid_argument);
    EXPECT_THROW(Write(Value{std::string("\xC0\xAF")}), std::invalid_argument);
}

TEST(JsonWriteTest, IndentsObjectsAndArrays) {
    const Value value{Object{{"a", {Array{{1.0}, {nullptr}}}}, {"b", {Object{}}}, {"c", {true}}}};
    EXPECT_EQ(Write(value),
              "{\n  \"a\": [\n    1,\n    null\n  ],\n  \"b\": {},\n  \"c\": true\n}\n");
}

TEST(JsonParseTest, TheLastOfTwoEqualKeysCounts) {
    const Value value = Parse(R"({"k": 1, "k": 2})");
    EXPECT_EQ(std::get<double>(value.Find("k")->data), 2);
    EXPECT_EQ(value.Find("other"), nullptr);
}

TEST(JsonParseTest, RefusesBrokenTextSayingWhere) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"", "unexpected end of the text at line 1, column 1"},
        {"{\"a\": 1,\n  \"b\": ", "unexpected end of the text at line 2, column 8"},
        {"{\"a\": \"xyz", "unexpected end of the text in a string at line 1, column 11"},
        {"hello", "unexpected 'h' at line 1, column 1"},
        {"{\"a\": 1} x", "more text after the value at line 1, column 10"},
        {"[1,]", "unexpected ']' at line 1, column 4"},
        {"01", "more text after the value at line 1, column 2"},
        {"-", "unexpected end of the text at line 1, column 2"},
        {"1e999", "number out of range at line 1, column 1"},
        {"\"a\nb\"", "control character in a string at line 1, column 3"},
        {"\"\\x\"", "unknown escape at line 1, column 2"},
        {"\"\\ud800\"", "lone high surrogate at line 1, column 2"},
        {"\"\\ud800\\u0041\"", "lone high surrogate at line 1, column 2"},
        {"\"\\udc00\"", "lone low surrogate at line 1, column 2"},
        {"\"\\u12g4\"", "unexpected 'g' at line 1, column 6"},
        {"\"\xFF\"", "not UTF-8 at line 1, column 2"},
        {"\"\xED\xA0\x80\"", "not UTF-8 at line 1, column 2"},
        {"[nul]", "unexpected ']' at line 1, column 5"},
        {std::string(70, '[') + std::string(70, ']'), "nesting too deep at line 1, column 66"},
    };
    for (const Case& c : cases) {
        try {
            Parse(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const SyntaxError& error) {
            EXPECT_EQ(std::string(error.what()), c.message) << c.text;
        }
    }
}

}  // namespace
}  // namespace transcalc::json
