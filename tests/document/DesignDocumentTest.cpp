#include <gtest/gtest.h>

#include <string>

#include "DesignDocument.h"

namespace transcalc {
namespace {

DesignDocument RoundTrip(const DesignDocument& document) {
    return ParseDesignText(DesignText(document, "a.transcalc"), "a.transcalc");
}

TEST(DesignTextTest, WritesEveryKeyInItsPlace) {
    DesignDocument document;
    document.fields[Field::Dimension1] = "20";
    document.fields[Field::Permeability] = "2000";
    document.ShowCore(CoreKind::ShapedU);
    document.mode = "Дроссель";
    document.material = "N87";
    document.check.emplace().ripple = 0.25;
    EXPECT_EQ(DesignText(document, "a.transcalc"),
              R"({
  "format": "transcalc-design",
  "version": 1,
  "fields": {
    "dimension1": "20",
    "dimension2": "",
    "dimension3": "",
    "dimension4": "",
    "gap": "0",
    "frequencyOrPulse": "",
    "voltageIn": "",
    "voltageOut": "",
    "satInduction": "",
    "permeability": "2000",
    "chokeTurns": "",
    "overshoot": ""
  },
  "core": "u",
  "mode": "Дроссель",
  "catalogueCore": "",
  "material": "N87",
  "check": {
    "temperatureC": 100,
    "dcCurrentA": null,
    "rippleA": 0.25,
    "frequencyKHz": null
  }
}
)");
}

TEST(DesignTextTest, KeepsEveryFieldTextAsTyped) {
    const std::string texts[] = {
        "Индукция 0,3",
        "  1 2.5  ",
        "",
        std::string(300, 'x'),
        "\"quoted\" and \\back\\slashes\\",
        std::string("tab\tnew\nline\rnul\0bell\x07", 22),
        "\x1f\x7f",
        "😀 µs Ш П",
        "1e-3",
        ",",
        "'0,3x'",
        "\\u0041",
    };
    static_assert(std::size(texts) == kFieldCount);
    DesignDocument document;
    for (int i = 0; i < kFieldCount; ++i) {
        document.fields.texts[i] = texts[i];
    }
    EXPECT_EQ(RoundTrip(document).fields.texts, document.fields.texts);
}

TEST(DesignTextTest, KeepsEveryCoreKindAndMode) {
    const std::optional<CoreKind> cores[] = {std::nullopt, CoreKind::Ring, CoreKind::ShapedE,
                                             CoreKind::ShapedU};
    const std::string modes[] = {
        "", "Дроссель", "Обратноходовой", "Однотактный", "Двухтактный", "boost", " Дроссель"};
    for (const auto& core : cores) {
        for (const std::string& mode : modes) {
            DesignDocument document;
            if (core) {
                document.ShowCore(*core);
            }
            document.mode = mode;
            const DesignDocument read = RoundTrip(document);
            EXPECT_EQ(read.FirstCore(), core);
            EXPECT_EQ(read.cores, document.cores);
            EXPECT_EQ(read.mode, mode);
        }
    }
}

TEST(DesignTextTest, KeepsNamesAndCheckValuesOrTheirAbsence) {
    DesignDocument given;
    given.catalogueCore = "E 20/10/6 \"Epcos\"";
    given.material = "3C90";
    given.check =
        CheckInputs{.temperature = -40.5, .dcCurrent = 0.1, .ripple = 1e-9, .frequencyKhz = 0};
    EXPECT_EQ(RoundTrip(given), given);

    const DesignDocument none;
    const DesignDocument read = RoundTrip(none);
    EXPECT_EQ(read, none);
    EXPECT_FALSE(read.check.has_value());
}

TEST(DesignTextTest, ACheckValueWithoutATemperatureTakesTheDefault) {
    std::string text = DesignText(DesignDocument(), "a.transcalc");
    const std::string none = R"("dcCurrentA": null)";
    text.replace(text.find(none), none.size(), R"("dcCurrentA": 2.5)");
    const std::optional<CheckInputs> check = ParseDesignText(text, "a.transcalc").check;
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(check->temperature, 100);
    EXPECT_EQ(check->dcCurrent, 2.5);
    EXPECT_FALSE(check->ripple.has_value());
}

TEST(DesignTextTest, RefusesToWriteWhatWouldNotReadBack) {
    DesignDocument notUtf8;
    notUtf8.fields[Field::Gap] = "\xE9";
    DesignDocument infinite;
    infinite.check.emplace().dcCurrent = std::numeric_limits<double>::infinity();
    const std::pair<DesignDocument, std::string> cases[] = {
        {notUtf8, "Design file \"b.transcalc\" not written: a text is not UTF-8"},
        {infinite, "Design file \"b.transcalc\" not written: a number is not finite"},
    };
    for (const auto& [document, message] : cases) {
        try {
            DesignText(document, "b.transcalc");
            ADD_FAILURE() << message;
        } catch (const DocumentError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

// A version 1 file as written, with one line replaced.
std::string Edited(std::string_view from, std::string_view to) {
    std::string text = DesignText(DesignDocument(), "x");
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

TEST(ParseDesignTextTest, RefusesWithTheFileNameAndTheReason) {
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    };
    const std::string whole = DesignText(DesignDocument(), "x");
    const Case cases[] = {
        {"NotJson", "<html>", "not JSON: unexpected '<' at line 1, column 1"},
        {"Truncated", whole.substr(0, 120),
         "not JSON: unexpected end of the text in a string at line 7, column 13"},
        {"Empty", "", "not JSON: unexpected end of the text at line 1, column 1"},
        {"NotAnObject", "[1]", "not a Transcalc design (no \"format\": \"transcalc-design\")"},
        {"WrongFormat", Edited("transcalc-design", "transcalc-state"),
         "not a Transcalc design (no \"format\": \"transcalc-design\")"},
        {"FutureVersion", Edited("\"version\": 1", "\"version\": 2"),
         "format version 2 comes from a newer Transcalc; this one reads version 1 only"},
        {"NoVersion", Edited("\"version\": 1,", ""), "the file has no \"version\""},
        {"VersionText", Edited("\"version\": 1", "\"version\": \"1\""),
         "\"version\" is not a whole number from 1 on"},
        {"VersionFraction", Edited("\"version\": 1", "\"version\": 1.5"),
         "\"version\" is not a whole number from 1 on"},
        {"FieldMissing", Edited("\"gap\": \"0\",", ""), "\"fields\" has no \"gap\""},
        {"FieldNumber", Edited("\"gap\": \"0\"", "\"gap\": 0"), "\"fields\".\"gap\" is not a text"},
        {"FieldsArray", Edited("\"fields\": {", "\"fields\": [], \"x\": {"),
         "\"fields\" is not an object"},
        {"CoreUnknown", Edited("\"core\": null", "\"core\": \"pot\""),
         "\"core\" is not \"ring\", \"e\", \"u\" or null"},
        {"CoreMissing", Edited("\"core\": null,", ""), "the file has no \"core\""},
        {"ModeNull", Edited("\"mode\": \"\"", "\"mode\": null"), "\"mode\" is not a text"},
        {"MaterialNumber", Edited("\"material\": \"\"", "\"material\": 3"),
         "\"material\" is not a text"},
        {"CheckText", Edited("\"rippleA\": null", "\"rippleA\": \"0.5\""),
         "\"check\".\"rippleA\" is not a number"},
        {"CheckArray", Edited("\"check\": {", "\"check\": [], \"y\": {"),
         "\"check\" is not an object"},
    };
    for (const Case& c : cases) {
        try {
            ParseDesignText(c.text, "/home/u/Дроссель.transcalc");
            ADD_FAILURE() << c.name << " accepted";
        } catch (const DocumentError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Design file \"/home/u/Дроссель.transcalc\": " + c.message)
                << c.name;
        }
    }
}

TEST(ParseDesignTextTest, IgnoresWhatANewerFileAdds) {
    const std::string text = R"({
  "format": "transcalc-design", "version": 1, "comment": {"nested": [1, 2, {"x": null}]},
  "fields": {"dimension1": "20", "dimension2": "10", "dimension3": "10", "dimension4": "",
             "gap": "0,5", "frequencyOrPulse": "", "voltageIn": "", "voltageOut": "",
             "satInduction": "0.3", "permeability": "2000", "chokeTurns": "20",
             "overshoot": "", "winding": "litz"},
  "core": "ring", "mode": "Дроссель", "check": {"temperatureC": 85, "airflow": 2}
})";
    DesignDocument expected;
    expected.fields[Field::Dimension1] = "20";
    expected.fields[Field::Dimension2] = "10";
    expected.fields[Field::Dimension3] = "10";
    expected.fields[Field::Gap] = "0,5";
    expected.fields[Field::SatInduction] = "0.3";
    expected.fields[Field::Permeability] = "2000";
    expected.fields[Field::ChokeTurns] = "20";
    expected.ShowCore(CoreKind::Ring);
    expected.mode = "Дроссель";
    expected.check.emplace().temperature = 85;
    EXPECT_EQ(ParseDesignText(text, "n.transcalc"), expected);
}

}  // namespace
}  // namespace transcalc
