#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include <QDir>

#include "StateFile.h"
#include "StateFileFixture.h"

namespace transcalc::testing {
namespace {

const std::string kChokeCp1251 = "\xC4\xF0\xEE\xF1\xF1\xE5\xEB\xFC";  // "Дроссель"

using StateWriting = StateFileTest;

TEST_F(StateWriting, WritesExactBytes) {
    WindowState state = DesignState();
    state.fieldTexts[0] = QStringLiteral("12,5");
    state.fieldTexts[1] = QString::fromUtf8("Ш€😀");    // the emoji is not in the code page
    state.fieldTexts[2] = QString::fromUtf8("a\x1A");  // byte 26 would end the file
    state.picturesShown[0] = true;
    state.dimensionCaptionsShown[0] = true;
    state.dimensionCaptions[0] = QStringLiteral("D1");
    state.resultsShown = true;
    state.mode = "Дроссель";

    WriteStateFile(state, Path());

    const QByteArray expected = FileOf(With(DesignLines(), {{1, "12,5"},
                                                            {2, "\xD8\x88?"},
                                                            {3, "a?"},
                                                            {13, "1"},
                                                            {16, "1"},
                                                            {20, "D1"},
                                                            {24, kChokeCp1251},
                                                            {53, "1"}}));
    EXPECT_EQ(Stored(), expected);
}

TEST_F(StateWriting, RoundTripRestoresTheState) {
    const QString longText = QString(300, QChar(0x416)) + QStringLiteral("12,5");  // 300 × "Ж"
    WindowState saved = DesignState();
    saved.fieldTexts[0] = QString::fromUtf8("Сердечник 20,5");
    saved.fieldTexts[1] = longText;
    saved.fieldTexts[11] = QStringLiteral("48");
    saved.picturesShown[1] = true;
    saved.dimensionCaptionsShown = {true, true, true, true};
    saved.dimensionCaptions = {"H1", "H2", "L1", "L2"};
    for (const int edit : {1, 2, 3, 4, 6, 12}) {
        saved.fieldsShown[edit - 1] = true;
    }
    saved.captionsShown[6 - 5] = true;
    saved.captionsShown[14 - 5] = false;
    saved.captions[0] = QString::fromUtf8("Длительность импульса, мкс");
    saved.captions[4] = QString::fromUtf8("Режим обратноходовой");
    saved.resultsShown = true;
    saved.mode = "Обратноходовой";
    WriteStateFile(saved, Path());

    WindowState restored = DesignState();
    ASSERT_TRUE(ReadStateFile(restored, Path()));

    EXPECT_EQ(restored.mode, "Обратноходовой");
    EXPECT_EQ(restored.fieldTexts[1], longText);
    // Label14 is visible by design, and a "0" cannot hide it.
    WindowState expected = saved;
    expected.captionsShown[14 - 5] = true;
    EXPECT_EQ(restored, expected);
}

using StateReading = StateFileTest;

TEST_F(StateReading, NoFileKeepsTheDesignState) {
    WindowState state = DesignState();
    state.mode = "Дроссель";
    EXPECT_FALSE(ReadStateFile(state, Path()));
    EXPECT_EQ(SavedLines(state), With(DesignLines(), {{24, kChokeCp1251}}));
}

TEST_F(StateReading, EmptyFileEmptiesTextsCaptionsAndMode) {
    Store({});
    WindowState state = DesignState();
    state.mode = "Дроссель";
    EXPECT_TRUE(ReadStateFile(state, Path()));
    EXPECT_EQ(state.mode, "");
    EXPECT_EQ(SavedLines(state), EmptyFileLines());
}

struct ReadCase {
    const char* name;
    std::string bytes;
    Lines expected;
};

void PrintTo(const ReadCase& readCase, std::ostream* out) {
    *out << readCase.name;
}

class StateReadingCases : public StateFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(StateReadingCases, ReadsAsExpected) {
    Store(QByteArray::fromStdString(GetParam().bytes));
    WindowState state = DesignState();
    ASSERT_TRUE(ReadStateFile(state, Path()));
    EXPECT_EQ(LinesOf(state), GetParam().expected);
}

std::string FullFileWith(std::initializer_list<std::pair<int, std::string>> changes) {
    return FileOf(With(EmptyFileLines(), changes)).toStdString();
}

std::string AllFlagsAre(const std::string& flag) {
    Lines lines = EmptyFileLines();
    for (const int number : FlagLineNumbers()) {
        lines[number - 1] = flag;
    }
    return FileOf(lines).toStdString();
}

const Lines kFirstTwo = With(EmptyFileLines(), {{1, "7"}, {2, "8"}});

INSTANTIATE_TEST_SUITE_P(
    LineEnds, StateReadingCases,
    ::testing::Values(ReadCase{"CrLf", "7\r\n8\r\n", kFirstTwo},
                      ReadCase{"LfOnly", "7\n8\n", kFirstTwo},
                      ReadCase{"LastLineUnended", "7\r\n8", kFirstTwo},
                      ReadCase{"CrDroppedAnywhere", "\r7\r\r\n8\r", kFirstTwo},
                      ReadCase{"CtrlZEndsTheFile",
                               "7\r\n8\x1a"
                               "9\r\n1\r\n",
                               kFirstTwo},
                      ReadCase{"CtrlZFirst",
                               "\x1a"
                               "7\r\n",
                               EmptyFileLines()},
                      ReadCase{"CyrillicMode",
                               "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n" + kChokeCp1251,
                               With(EmptyFileLines(), {{24, kChokeCp1251}})},
                      ReadCase{"LongLineCutToWhatAFieldHolds",
                               FullFileWith({{47, std::string(100000, 'x')}, {48, "y"}}),
                               With(EmptyFileLines(), {{47, std::string(32767, 'x')}, {48, "y"}})},
                      ReadCase{"LinesPastTheLastIgnored", FullFileWith({{53, "1"}}) + "1\r\n1\r\n",
                               With(EmptyFileLines(), {{53, "1"}})}),
    [](const auto& info) { return std::string(info.param.name); });

// A flag other than exactly "1" hides a picture but leaves every other
// control as designed.
INSTANTIATE_TEST_SUITE_P(
    FlagsOtherThanOne, StateReadingCases,
    ::testing::Values(ReadCase{"Zero", AllFlagsAre("0"), EmptyFileLines()},
                      ReadCase{"OneBlank", AllFlagsAre("1 "), EmptyFileLines()},
                      ReadCase{"BlankOne", AllFlagsAre(" 1"), EmptyFileLines()},
                      ReadCase{"True", AllFlagsAre("true"), EmptyFileLines()},
                      ReadCase{"ZeroOne", AllFlagsAre("01"), EmptyFileLines()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StateReading, PictureFlagsHideButOtherFlagsLeave) {
    WindowState state = DesignState();
    state.picturesShown[1] = true;
    state.captionsShown[6 - 5] = true;
    state.fieldsShown[6 - 1] = true;
    Store(QByteArray::fromStdString(AllFlagsAre("0")));
    ASSERT_TRUE(ReadStateFile(state, Path()));
    EXPECT_FALSE(state.picturesShown[1]);
    EXPECT_TRUE(state.captionsShown[6 - 5]);
    EXPECT_TRUE(state.fieldsShown[6 - 1]);
}

TEST_F(StateReading, FolderInPlaceOfTheFileFailsAndChangesNothing) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("zentu.pallomir")));
    WindowState state = DesignState();
    state.mode = "Дроссель";
    try {
        ReadStateFile(state, Path());
        FAIL() << "reading a folder succeeded";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
        EXPECT_EQ(error.Code(), 5);
    }
    EXPECT_EQ(LinesOf(state), With(DesignLines(), {{24, kChokeCp1251}}));
}

}  // namespace
}  // namespace transcalc::testing
