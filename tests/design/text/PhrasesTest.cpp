#include "Phrases.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CheckFixture.h"
#include "CheckText.h"
#include "Cyrillic.h"
#include "DesignRun.h"
#include "InputField.h"
#include "WorkMode.h"

namespace transcalc {
namespace {

using testing_support::DesignWith;
using testing_support::E25PushPull;
using testing_support::N87;
using Lines = std::vector<std::string>;

using testing_support::HasCyrillic;

TEST(PhrasesTest, TheCyrillicTestFindsCyrillicOnly) {
    EXPECT_TRUE(HasCyrillic("Total air gap=0,5 мм"));
    EXPECT_TRUE(HasCyrillic("Ѐ"));  // U+0400
    EXPECT_TRUE(HasCyrillic("ӿ"));  // U+04FF
    EXPECT_FALSE(HasCyrillic("Skin depth δ=0,339 mm, ±35 %, 20 °C, 1 µs, ΔB"));
}

TEST(PhrasesTest, EveryEnglishPhraseIsEnglish) {
    for (const PhraseRow& row : kPhrases) {
        EXPECT_FALSE(row.english.empty()) << row.russian;
        EXPECT_FALSE(HasCyrillic(row.english)) << row.english;
        EXPECT_EQ(PhraseText(row.phrase, Language::English), row.english);
        EXPECT_EQ(PhraseText(row.phrase), row.russian);
    }
}

// The mode, core and field tables carry an English text wherever they carry
// a Russian one.
TEST(PhrasesTest, ModesCoresAndCaptionsHaveTheirEnglish) {
    for (const ModeInfo& info : kModes) {
        EXPECT_FALSE(info.englishText.empty()) << info.text;
        EXPECT_FALSE(HasCyrillic(info.englishText)) << info.englishText;
        EXPECT_EQ(info.englishTimingCaption.empty(), info.timingCaption.empty()) << info.text;
        EXPECT_FALSE(HasCyrillic(TimingCaption(info.mode, Language::English)));
        EXPECT_EQ(TimingCaption(info.mode), info.timingCaption);
    }
    for (const CoreKindInfo& info : kCoreKinds) {
        EXPECT_FALSE(info.englishHeading.empty()) << info.heading;
        EXPECT_FALSE(HasCyrillic(CoreHeading(info.kind, Language::English)));
        EXPECT_EQ(CoreHeading(info.kind), info.heading);
    }
    for (const FieldInfo& info : kFields) {
        EXPECT_EQ(info.englishCaption.empty(), info.caption.empty()) << info.editName;
        EXPECT_FALSE(HasCyrillic(FieldCaption(info.field, Language::English)));
        EXPECT_EQ(FieldCaption(info.field), info.caption);
    }
}

TEST(PhrasesTest, LanguagesByTheirCodes) {
    EXPECT_EQ(LanguageOfCode("ru"), Language::Russian);
    EXPECT_EQ(LanguageOfCode("en"), Language::English);
    for (const std::string_view code : {"", "EN", "Ru", "eng", "en ", "en_GB", "de"}) {
        EXPECT_EQ(LanguageOfCode(code), std::nullopt) << code;
    }
    EXPECT_EQ(LanguageCode(Language::Russian), "ru");
    EXPECT_EQ(LanguageCode(Language::English), "en");
}

TEST(PhrasesTest, TranslatesWholePhrasesAndModesOnly) {
    const struct {
        std::string_view russian;
        std::string_view english;
    } cases[] = {
        {"Нет расчета для проверки: нажмите «Расчет»", "No design to check: press \"Calculate\""},
        {"У сердечника не остается окна для обмотки: проверьте размеры.",
         "The core leaves no window for a winding: check its dimensions."},
        {"Частота=", "Frequency="},
        // Not a whole phrase, or no phrase at all: as it is.
        {"Нет расчета для проверки", "Нет расчета для проверки"},
        {"Задайте частоту", "Задайте частоту"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TranslatedText(c.russian, Language::English), c.english) << c.russian;
        EXPECT_EQ(TranslatedText(c.russian, Language::Russian), c.russian);
    }
    EXPECT_EQ(ModeTextIn("Двухтактный", Language::English), "Push-pull forward");
    EXPECT_EQ(ModeTextIn("Двухтактный", Language::Russian), "Двухтактный");
    EXPECT_EQ(ModeTextIn("двухтактный", Language::English), "двухтактный");
}

Design EShaped(std::string_view mode) {
    return DesignWith(mode, CoreKind::ShapedE,
                      {{Field::Dimension1, "15"},
                       {Field::Dimension2, "20"},
                       {Field::Dimension3, "10"},
                       {Field::Dimension4, "5"},
                       {Field::Gap, "0,1"},
                       {Field::FrequencyOrPulse, "50"},
                       {Field::VoltageIn, "300"},
                       {Field::VoltageOut, "12"},
                       {Field::SatInduction, "0,3"},
                       {Field::Permeability, "2000"}});
}

// Every value of a state, bit for bit, with its mode and pending flag.
std::vector<std::string> StateOf(const DesignState& state) {
    std::vector<std::string> values = {state.Mode, state.ResultsPending ? "pending" : "done"};
    VisitDesignValues(state, [&values](const char* name, double value) {
        values.push_back(std::string(name) + "=" +
                         std::to_string(std::bit_cast<std::uint64_t>(value)));
    });
    return values;
}

struct EnglishCase {
    const char* name;
    Design design;
    Lines lines;
};

class EnglishLinesTest : public testing::TestWithParam<EnglishCase> {};

// The same run in both languages: English words around the same numbers, the
// same colour, error and state.
TEST_P(EnglishLinesTest, OfOneDesignOfEachMode) {
    const DesignRun english = RunDesign(GetParam().design, ",", std::nullopt, Language::English);
    EXPECT_EQ(english.list.lines, GetParam().lines);
    const DesignRun russian = RunDesign(GetParam().design, ",");
    EXPECT_EQ(english.list.lines.size(), russian.list.lines.size());
    EXPECT_EQ(english.list.colour, russian.list.colour);
    EXPECT_EQ(english.error, russian.error);
    EXPECT_EQ(StateOf(english.after), StateOf(russian.after));
    EXPECT_EQ(StateOf(english.asRead), StateOf(russian.asRead));
    for (const std::string& line : english.list.lines) {
        EXPECT_FALSE(HasCyrillic(line)) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EnglishLinesTest,
    testing::Values(
        EnglishCase{
            "RingChoke",
            testing_support::RingChokeDesign(),
            {"Total air gap=0,5 mm", "Cross-section=0,5 cm²", "Magnetic path length=4,71 cm",
             "Permeability=2000", "Working flux density dB the turns are designed for, T=0,3", "",
             "", "         Operating mode: Choke", "Ring core",
             "Effective permeability with the gap=90", "Inductance=0,04966 mH",
             "Total air gap=0,5 mm", "Choke turns=20",
             "Choke current at which the core reaches dB=6,041 A",
             "Recommended wire diameter at 7 A/mm², at least=1,048 mm", " ",
             "Attention: a ring core. Does it really have a gap of 0,5 mm?"}},
        EnglishCase{"Flyback",
                    [] {
                        Design design = EShaped(kModeFlyback);
                        design.fields[Field::FrequencyOrPulse] = "10";
                        design.fields[Field::Overshoot] = "400";
                        design.fields[Field::Gap] = "0,5";
                        return design;
                    }(),
                    {"Input voltage, V=300",
                     "Output voltage, V=12",
                     "Flyback overshoot voltage allowed, V=400",
                     "Total air gap=0,5 mm",
                     "Pulse duration=10 µs",
                     "Cross-section=0,5 cm²",
                     "Magnetic path length=5 cm",
                     "Permeability=2000",
                     "Working flux density dB the turns are designed for, T=0,3",
                     "",
                     "",
                     "         Operating mode: Flyback",
                     "E core",
                     "Primary turns=200",
                     "Effective permeability with the gap=95,2",
                     "Primary inductance=4,95238 mH",
                     "Total air gap=0,5 mm",
                     "Peak pulse current through the power transistor=0,606 A",
                     "Secondary turns=26",
                     "Maximum transistor voltage, V=401,5",
                     "Pulse time=10 µs",
                     "Pause for the core to demagnetise=30 µs",
                     "Recommended frequency=25 kHz"}},
        EnglishCase{"SingleEnded",
                    EShaped(kModeSingleEnded),
                    {"Input voltage, V=300",
                     "Output voltage, V=12",
                     "Total air gap=0,1 mm",
                     "Frequency=50 kHz",
                     "Cross-section=0,5 cm²",
                     "Magnetic path length=5 cm",
                     "Permeability=2000",
                     "Working flux density dB the turns are designed for, T=0,3",
                     "",
                     "",
                     "         Operating mode: Single-ended forward",
                     "E core",
                     "Pulse duration=9 µs",
                     "Pause duration=11 µs",
                     "Primary turns=180",
                     "Primary inductance=16,848 mH",
                     "Secondary turns=16",
                     "Secondary voltage, V=12",
                     "Voltage per turn=1,36364 V",
                     "No-load peak magnetising current=0,16 A",
                     "Longest pulse before the core saturates=9 µs",
                     "Pause the core needs to reset after that pulse=11 µs",
                     "With these transformer parameters",
                     "Lowest frequency they allow=50 kHz"}},
        EnglishCase{"PushPullOneTurnOff",
                    testing_support::E25Design(kModePushPull),
                    {"Input voltage, V=300",
                     "Output voltage, V=12",
                     "Total air gap=0 mm",
                     "Frequency=50 kHz",
                     "Cross-section=0,5625 cm²",
                     "Magnetic path length=5,41 cm",
                     "Permeability=2200",
                     "Working flux density dB the turns are designed for, T=0,45",
                     "",
                     "",
                     "         Operating mode: Push-pull forward",
                     "E core",
                     "Pulse duration=10 µs",
                     "Primary turns=60",
                     "Primary inductance=10,70518 mH",
                     "Secondary turns=2",
                     "Secondary voltage, V=10",
                     "Secondary turns, corrected by one turn=3",
                     "Secondary voltage, V=15",
                     "Voltage per turn=5 V",
                     "No-load peak magnetising current=0,14 A",
                     "Longest pulse before the core saturates=10,125 µs",
                     "With these transformer parameters",
                     "Lowest frequency they allow=49,383 kHz"}},
        EnglishCase{"FlybackWithoutPulse",
                    [] {
                        Design design = EShaped(kModeFlyback);
                        design.fields[Field::FrequencyOrPulse] = "";
                        design.fields[Field::VoltageIn] = "";
                        design.fields[Field::VoltageOut] = "";
                        return design;
                    }(),
                    {"Total air gap=0,1 mm", "Pulse duration=0 µs", "Cross-section=0,5 cm²",
                     "Magnetic path length=5 cm", "Permeability=2000",
                     "Working flux density dB the turns are designed for, T=0,3", "", "",
                     "         Operating mode: Flyback", "E core", "Pulse duration=0",
                     "Not all data are entered: no calculation is possible"}},
        EnglishCase{"NoModeNoInduction",
                    [] {
                        Design design = EShaped("");
                        design.fields[Field::SatInduction] = "";
                        return design;
                    }(),
                    {"Input voltage, V=300", "Output voltage, V=12", "Total air gap=0,1 mm",
                     "Frequency=50 kHz", "Cross-section=0,5 cm²", "Magnetic path length=5 cm",
                     "Permeability=2000", "", "", "Choose an operating mode", "E core",
                     "The working flux density dB cannot be 0",
                     "Not all data are entered: no calculation is possible"}}),
    [](const testing::TestParamInfo<EnglishCase>& info) { return std::string(info.param.name); });

// A mode text the designs do not know is shown as it was typed.
TEST(EnglishLinesTest, AnUnknownModeTextStaysAsTyped) {
    const DesignRun run = RunDesign(EShaped("Мой режим"), ",", std::nullopt, Language::English);
    ASSERT_GT(run.list.lines.size(), 10u);
    EXPECT_EQ(run.list.lines[10], "         Operating mode: Мой режим");
}

// The check of the E 25/13/7 push-pull transformer, word for word beside
// its Russian lines; the refusals in English too.
TEST(EnglishLinesTest, OfTheDesignCheck) {
    const Material material = N87();
    const DesignCheck check = RunDesignCheck(E25PushPull("0,45"), &material, CheckInputs{});
    const Lines expected = {
        "Material=N87",
        "Effective area Ae=0,562 cm² (results list 0,562 cm²)",
        "Effective length le=5,84 cm (results list 5,41 cm)",
        "Effective volume Ve=3,28 cm³",
        "Inductance with fringing and bias=9,59 mH (in the list 10,7 mH)",
        "Inductance per turn² A_L=2664 nH",
        "Frequency=50,0 kHz",
        "Flux density swing ΔB=0,889 T",
        "Peak flux density Bpk=0,444 T",
        "Entered flux density dB=0,45 T",
        "Saturation flux density at 100 °C=0,390 T",
        "Margin to saturation=-14,0 %",
        "Loss density (estimate ±35 %)=1,35 W/cm³",
        "Core loss (estimate ±35 %)=4,42 W",
        "Core surface=20,7 cm²",
        "Core temperature rise=87,3 K",
        "Skin depth δ=0,339 mm",
    };
    EXPECT_EQ(CheckTextLines(check, ",", Language::English), expected);
    const std::vector<CheckLine> lines = CheckLines(check, ",", Language::English);
    ASSERT_EQ(lines.size(), expected.size());
    EXPECT_EQ(lines[11].meaning, "the core saturates: lower dB or take more turns");
    for (const CheckLine& line : lines) {
        EXPECT_FALSE(HasCyrillic(line.meaning)) << line.meaning;
    }

    const DesignCheck nothing =
        RunDesignCheck(CheckedDesignOf({}, ListColour::Default, {}, {}, {}), &material, {});
    EXPECT_EQ(CheckTextLines(nothing, ",", Language::English),
              Lines{"No design to check: press \"Calculate\""});
    EXPECT_EQ(CheckTextLines(nothing, ","), Lines{std::string(kNoDesignYet)});
}

}  // namespace
}  // namespace transcalc
