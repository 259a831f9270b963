#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include "DesignDocument.h"

namespace transcalc {
namespace {

Design RoundTrip(const Design& document) {
    return ParseDesignText(DesignText(document, "a.transcalc"), "a.transcalc");
}

TEST(DesignTextTest, WritesEveryKeyInItsPlace) {
    Design document;
    document.fields[Field::Dimension1] = "20";
    document.fields[Field::Permeability] = "2000";
    document.ShowCore(CoreKind::ShapedU);
    document.mode = "Дроссель";
    document.catalogueCore = "U 20/16/7 \"ferrite\\\"";
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
  "catalogueCore": "U 20/16/7 \"ferrite\\\"",
  "material": "N87",
  "check": {
    "temperatureC": 100,
    "dcCurrentA": null,
    "rippleA": 0.25,
    "frequencyKHz": null,
    "loadCurrentA": null,
    "currentDensityAPerMm2": 4
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
        "1\u00a0000 \u2009µs",
        "\xF0\x9D\x84\x9E \u0416 /\\/",
        "😀 µs Ш П",
        "1e-3",
        ",",
        "'0,3x'",
        "\\u0041",
    };
    static_assert(std::size(texts) == kFieldCount);
    Design document;
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
            Design document;
            if (core) {
                document.ShowCore(*core);
            }
            document.mode = mode;
            const Design read = RoundTrip(document);
            EXPECT_EQ(read.FirstCore(), core);
            EXPECT_EQ(read.cores, document.cores);
            EXPECT_EQ(read.mode, mode);
        }
    }
}

TEST(DesignTextTest, KeepsNamesAndCheckValuesOrTheirAbsence) {
    Design given;
    given.catalogueCore = "E 20/10/6 \"Epcos\"";
    given.material = "3C90";
    given.check = CheckInputs{.temperature = -40.5,
                              .dcCurrent = 0.1,
                              .ripple = 1e-9,
                              .frequencyKhz = 25,
                              .loadCurrent = 5.25,
                              .currentDensity = 2.5};
    EXPECT_EQ(RoundTrip(given), given);

    const Design none;
    const Design read = RoundTrip(none);
    EXPECT_EQ(read, none);
    EXPECT_FALSE(read.check.has_value());
}

TEST(DesignTextTest, ACheckValueWithoutATemperatureTakesTheDefault) {
    std::string text = DesignText(Design(), "a.transcalc");
    const std::string none = R"("dcCurrentA": null)";
    text.replace(text.find(none), none.size(), R"("dcCurrentA": 2.5)");
    const std::optional<CheckInputs> check = ParseDesignText(text, "a.transcalc").check;
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(check->temperature, 100);
    EXPECT_EQ(check->dcCurrent, 2.5);
    EXPECT_FALSE(check->ripple.has_value());
    EXPECT_FALSE(check->loadCurrent.has_value());
    EXPECT_EQ(check->currentDensity, 4);
}

// A version 1 file as written, with one line replaced.
std::string Edited(std::string_view from, std::string_view to) {
    std::string text = DesignText(Design(), "x");
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

// A file written before the windings were checked has neither key; one that
// gives only the windings' inputs has run the check all the same.
TEST(DesignTextTest, TheWindingsInputsAloneAreCheckInputs) {
    const std::string older = R"({"format": "transcalc-design", "version": 1, "fields": {
  "dimension1": "", "dimension2": "", "dimension3": "", "dimension4": "", "gap": "0",
  "frequencyOrPulse": "", "voltageIn": "", "voltageOut": "", "satInduction": "",
  "permeability": "", "chokeTurns": "", "overshoot": ""},
  "core": null, "mode": "", "check": {"temperatureC": 60, "dcCurrentA": null}})";
    const std::optional<CheckInputs> old = ParseDesignText(older, "old.transcalc").check;
    ASSERT_TRUE(old.has_value());
    EXPECT_EQ(*old, CheckInputs{.temperature = 60});

    const struct {
        std::string text;
        CheckInputs expected;
    } cases[] = {
        {Edited("\"loadCurrentA\": null", "\"loadCurrentA\": 5"), CheckInputs{.loadCurrent = 5}},
        {Edited("\"currentDensityAPerMm2\": null", "\"currentDensityAPerMm2\": 2.5"),
         CheckInputs{.currentDensity = 2.5}},
    };
    for (const auto& c : cases) {
        const std::optional<CheckInputs> check = ParseDesignText(c.text, "w.transcalc").check;
        ASSERT_TRUE(check.has_value()) << c.text;
        EXPECT_EQ(*check, c.expected) << c.text;
    }
    EXPECT_FALSE(
        ParseDesignText(Edited("\"loadCurrentA\": null", "\"loadCurrentA\": null"), "w.transcalc")
            .check.has_value());
}

// The converter's inputs come back as given, written only where a design has
// them; a file saved before them opens with one output, no drop, at VoltIn.
TEST(DesignTextTest, KeepsTheConvertersOutputsDropsAndInputRange) {
    Design given;
    given.check = CheckInputs{.loadCurrent = 2, .drop = 0.7, .inputMin = 200, .inputMax = 370};
    given.check->outputs = {{5, 1, "", 0.7}, {15, 0.1, "Bias", 0.45}};
    const std::string text = DesignText(given, "c.transcalc");
    EXPECT_NE(text.find(R"("outputs": [
      {
        "voltageV": 5,
        "currentA": 1,
        "name": "",
        "dropV": 0.7
      },)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(R"("inputMinV": 200,
    "inputMaxV": 370)"),
              std::string::npos);
    EXPECT_EQ(RoundTrip(given), given);

    const std::optional<CheckInputs> old =
        ParseDesignText(Edited("\"loadCurrentA\": null", "\"loadCurrentA\": 2"), "old.transcalc")
            .check;
    ASSERT_TRUE(old.has_value());
    EXPECT_EQ(old->drop, 0);
    EXPECT_TRUE(old->outputs.empty());
    EXPECT_FALSE(old->inputMin || old->inputMax);
}

TEST(DesignTextTest, NumbersReadBackToTheSameDouble) {
    struct Case {
        double value;
        std::string text;
    };
    const Case cases[] = {
        {100, "100"},
        {-40, "-40"},
        {0.1, "0.1"},
        {0.30000000000000004, "0.30000000000000004"},
        {-2.5e-300, "-2.5e-300"},
        {299.99999999999994, "299.99999999999994"},
        {5e-324, "5e-324"},
        {-0.0, "-0.0"},
    };
    for (const Case& c : cases) {
        Design document;
        document.check.emplace().temperature = c.value;
        const std::string text = DesignText(document, "n.transcalc");
        EXPECT_NE(text.find("\"temperatureC\": " + c.text + ",\n"), std::string::npos) << text;
        const double read =
            ParseDesignText(text, "n.transcalc").check.value_or(CheckInputs{}).temperature;
        EXPECT_EQ(read, c.value) << c.text;
        EXPECT_EQ(std::signbit(read), std::signbit(c.value)) << c.text;
    }
}

TEST(DesignTextTest, RefusesToWriteWhatWouldNotReadBack) {
    Design notUtf8;
    notUtf8.fields[Field::Gap] = "\xE9";
    Design notUtf8Mode;
    notUtf8Mode.mode = "\xC0\xAF";
    Design infinite;
    infinite.check.emplace().dcCurrent = std::numeric_limits<double>::infinity();
    Design notANumber;
    notANumber.check.emplace().temperature = std::numeric_limits<double>::quiet_NaN();
    Design tooFast;
    tooFast.check.emplace().frequencyKhz = 1e308;
    Design noLoad;
    noLoad.check.emplace().loadCurrent = 0;
    Design dense;
    dense.check.emplace().currentDensity = std::numeric_limits<double>::quiet_NaN();
    Design tab;
    tab.fields[Field::VoltageIn] = "1\t2";
    Design del;
    del.fields[Field::Overshoot] = "\x7f";
    const std::pair<Design, std::string> cases[] = {
        {notUtf8, "Design file \"b.transcalc\" not written: a text is not UTF-8"},
        {notUtf8Mode, "Design file \"b.transcalc\" not written: a text is not UTF-8"},
        {infinite,
         "Design file \"b.transcalc\" not written: \"check\".\"dcCurrentA\": the DC current "
         "must be a number of at least 0 A and at most 100000 A"},
        {notANumber,
         "Design file \"b.transcalc\" not written: \"check\".\"temperatureC\": the core "
         "temperature must be a number of at least -60 °C and at most 300 °C, where the models "
         "of copper and core hold"},
        {tooFast,
         "Design file \"b.transcalc\" not written: \"check\".\"frequencyKHz\": the switching "
         "frequency must be a number above 0 kHz and at most 10000 kHz"},
        {noLoad,
         "Design file \"b.transcalc\" not written: \"check\".\"loadCurrentA\": the load current "
         "must be a number above 0 A and at most 100000 A"},
        {dense,
         "Design file \"b.transcalc\" not written: \"check\".\"currentDensityAPerMm2\": the "
         "current density must be a number above 0 A/mm² and at most 100 A/mm²"},
        {tab,
         "Design file \"b.transcalc\" not written: \"fields\".\"voltageIn\" holds a control "
         "character"},
        {del,
         "Design file \"b.transcalc\" not written: \"fields\".\"overshoot\" holds a control "
         "character"},
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

TEST(ParseDesignTextTest, RefusesWithTheFileNameAndTheReason) {
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    };
    const std::string whole = DesignText(Design(), "x");
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
        {"CoreUnknown", Edited("\"core\": null", "\"core\": \"box\""),
         "\"core\" is not a core family (\"ring\", \"e\", \"u\", \"etd\", ...) or null"},
        {"FamilyCoreUnnamed", Edited("\"core\": null", "\"core\": \"pq\""),
         "a core of the family \"pq\" needs its \"catalogueCore\""},
        {"CoreMissing", Edited("\"core\": null,", ""), "the file has no \"core\""},
        {"ModeNull", Edited("\"mode\": \"\"", "\"mode\": null"), "\"mode\" is not a text"},
        {"MaterialNumber", Edited("\"material\": \"\"", "\"material\": 3"),
         "\"material\" is not a text"},
        {"CheckText", Edited("\"rippleA\": null", "\"rippleA\": \"0.5\""),
         "\"check\".\"rippleA\" is not a number"},
        {"CheckArray", Edited("\"check\": {", "\"check\": [], \"y\": {"),
         "\"check\" is not an object"},
        {"CheckFrequencyHuge", Edited("\"frequencyKHz\": null", "\"frequencyKHz\": 1e308"),
         "\"check\".\"frequencyKHz\": the switching frequency must be a number above 0 kHz and "
         "at most 10000 kHz"},
        {"CheckFrequencyZero", Edited("\"frequencyKHz\": null", "\"frequencyKHz\": 0"),
         "\"check\".\"frequencyKHz\": the switching frequency must be a number above 0 kHz and "
         "at most 10000 kHz"},
        {"CheckTemperatureCold", Edited("\"temperatureC\": null", "\"temperatureC\": -60.001"),
         "\"check\".\"temperatureC\": the core temperature must be a number of at least -60 °C "
         "and at most 300 °C, where the models of copper and core hold"},
        {"CheckTemperatureHot", Edited("\"temperatureC\": null", "\"temperatureC\": 300.001"),
         "\"check\".\"temperatureC\": the core temperature must be a number of at least -60 °C "
         "and at most 300 °C, where the models of copper and core hold"},
        {"CheckCurrentHuge", Edited("\"dcCurrentA\": null", "\"dcCurrentA\": 100001"),
         "\"check\".\"dcCurrentA\": the DC current must be a number of at least 0 A and at most "
         "100000 A"},
        {"CheckRippleNegative", Edited("\"rippleA\": null", "\"rippleA\": -1"),
         "\"check\".\"rippleA\": the ripple must be a number of at least 0 A and at most 100000 "
         "A"},
        {"CheckLoadZero", Edited("\"loadCurrentA\": null", "\"loadCurrentA\": 0"),
         "\"check\".\"loadCurrentA\": the load current must be a number above 0 A and at most "
         "100000 A"},
        {"CheckLoadHuge", Edited("\"loadCurrentA\": null", "\"loadCurrentA\": 1e6"),
         "\"check\".\"loadCurrentA\": the load current must be a number above 0 A and at most "
         "100000 A"},
        {"CheckLoadText", Edited("\"loadCurrentA\": null", "\"loadCurrentA\": \"5 A\""),
         "\"check\".\"loadCurrentA\" is not a number"},
        {"CheckDensityNegative",
         Edited("\"currentDensityAPerMm2\": null", "\"currentDensityAPerMm2\": -4"),
         "\"check\".\"currentDensityAPerMm2\": the current density must be a number above 0 "
         "A/mm² and at most 100 A/mm²"},
        {"CheckDensityHigh",
         Edited("\"currentDensityAPerMm2\": null", "\"currentDensityAPerMm2\": 100.5"),
         "\"check\".\"currentDensityAPerMm2\": the current density must be a number above 0 "
         "A/mm² and at most 100 A/mm²"},
        {"FieldTab", Edited("\"gap\": \"0\"", "\"gap\": \"0\\t5\""),
         "\"fields\".\"gap\" holds a control character"},
        {"FieldNul", Edited("\"voltageIn\": \"\"", "\"voltageIn\": \"12\\u0000x\""),
         "\"fields\".\"voltageIn\" holds a control character"},
        {"FieldDelete", Edited("\"chokeTurns\": \"\"", "\"chokeTurns\": \"\x7f\""),
         "\"fields\".\"chokeTurns\" holds a control character"},
        {"FieldEscapeDelete", Edited("\"overshoot\": \"\"", "\"overshoot\": \"\\u007F\""),
         "\"fields\".\"overshoot\" holds a control character"},
        {"DropHigh", Edited("\"loadCurrentA\": null", "\"loadCurrentA\": null, \"dropV\": 6"),
         "\"check\".\"dropV\": a rectifier drop must be a number of at least 0 V and at most 5 V"},
        {"OutputNoCurrent",
         Edited("\"loadCurrentA\": null", "\"outputs\": [{\"voltageV\": 5}], \"loadCurrentA\": 1"),
         "\"check\".\"outputs\"[].\"currentA\" is missing"},
        {"OutputVoltageZero",
         Edited("\"loadCurrentA\": null",
                "\"outputs\": [{\"voltageV\": 0, \"currentA\": 1}], \"loadCurrentA\": 1"),
         "\"check\".\"outputs\"[].\"voltageV\": an output voltage must be a number above 0 V "
         "and at most 100000 V"},
        {"OutputsFour",
         Edited("\"loadCurrentA\": null", "\"outputs\": [{}, {}, {}, {}], \"loadCurrentA\": 1"),
         "\"check\".\"outputs\" holds more than 3 outputs"},
        {"RangeReversed",
         Edited("\"loadCurrentA\": null",
                "\"inputMinV\": 30, \"inputMaxV\": 18, \"loadCurrentA\": 1"),
         "\"check\": the lowest input voltage lies above the highest"},
        {"NestedDeep", std::string(100000, '[') + std::string(100000, ']'),
         "not a Transcalc design (no \"format\": \"transcalc-design\")"},
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

TEST(ParseDesignTextTest, SaysWhereTheTextStopsBeingJson) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"{\"a\": 1,\n  \"b\": ", "unexpected end of the text at line 2, column 8"},
        {"{\"a\": \"xyz", "unexpected end of the text in a string at line 1, column 11"},
        {"hello", "unexpected 'h' at line 1, column 1"},
        {"{\"a\": 1} x", "unexpected 'x' at line 1, column 10"},
        {"[1,]", "unexpected ']' at line 1, column 4"},
        {"[1 2]", "unexpected '2' at line 1, column 4"},
        {"-", "unexpected end of the text at line 1, column 2"},
        {"[nul]", "unexpected ']' at line 1, column 5"},
        {"\"a\nb\"", "unexpected byte at line 1, column 3"},
        {"\"\\x\"", "unexpected 'x' at line 1, column 3"},
        {"\"\xFF\"", "unexpected byte at line 1, column 2"},
        {"\"\xED\xA0\x80\"", "unexpected byte at line 1, column 3"},
        {"{\"a\":\n\"\\ud800\"}", "unexpected '\"' at line 2, column 8"},
        {"[1,\n 1e999]", "number out of range at line 2, column 2"},
        {"[-1e-400, 2e308]", "number out of range at line 1, column 11"},
        {std::string("{\0}", 3), "unexpected byte at line 1, column 2"},
    };
    for (const Case& c : cases) {
        try {
            ParseDesignText(c.text, "j.transcalc");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const DocumentError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Design file \"j.transcalc\": not JSON: " + c.message)
                << c.text;
        }
    }
}

TEST(ParseDesignTextTest, ReadsEveryEscapeAndTheLastOfTwoEqualKeys) {
    std::string text = Edited(R"("gap": "0")", R"("gap": "1", "gap": "a\"b\\c\/d")");
    const std::string mode = R"("mode": "\u0416\u00b5 \ud83d\ude00\uD834\uDD1E\t")";
    text.replace(text.find(R"("mode": "")"), 10, mode);
    const Design read = ParseDesignText(text, "e.transcalc");
    EXPECT_EQ(read.fields[Field::Gap], "a\"b\\c/d");
    EXPECT_EQ(read.mode, "Жµ \xF0\x9F\x98\x80\xF0\x9D\x84\x9E\t");
}

// A file of many keys, as big as a design file may be, reads at once: the
// keys are looked up in a sorted map, not searched one by one.
TEST(ParseDesignTextTest, ReadsAFileOfManyKeysAtOnce) {
    std::string many;
    for (int i = 0; many.size() < 4'000'000; ++i) {
        many += "\"k" + std::to_string(i) + "\": 0, ";
    }
    const std::string text = Edited("\"fields\": {", "\"fields\": {" + many);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ParseDesignText(text, "m.transcalc"), Design());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
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
    Design expected;
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
