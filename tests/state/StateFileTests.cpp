#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include "DesignForm.h"
#include "StateFile.h"
#include "StateFileFixture.h"

namespace transcalc::testing {
namespace {

const std::string kChokeCp1251 = "\xC4\xF0\xEE\xF1\xF1\xE5\xEB\xFC";  // "Дроссель"

QLineEdit& Field(QWidget& form, const char* name) {
    return *form.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QLabel& Label(QWidget& form, const char* name) {
    return *form.findChild<QLabel*>(QString::fromLatin1(name));
}

QWidget& Control(QWidget& form, const char* name) {
    return *form.findChild<QWidget*>(QString::fromLatin1(name));
}

using StateWriting = StateFileTest;

TEST_F(StateWriting, WritesExactBytes) {
    const auto form = BuildDesignForm();
    Field(*form, "Edit1").setText(QStringLiteral("12,5"));
    Field(*form, "Edit2").setText(QString::fromUtf8("Ш€😀"));    // the emoji is not in the code page
    Field(*form, "Edit3").setText(QString::fromUtf8("a\x1A"));  // byte 26 would end the file
    Control(*form, "BitBtn2").show();
    Control(*form, "Label1").show();
    Label(*form, "Label1").setText(QStringLiteral("D1"));
    Control(*form, "GroupBox1").show();

    WriteStateFile(*form, "Дроссель", Path());

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

TEST_F(StateWriting, RoundTripRestoresTheWindow) {
    const QString longText = QString(300, QChar(0x416)) + QStringLiteral("12,5");  // 300 × "Ж"
    const auto saved = BuildDesignForm();
    Field(*saved, "Edit1").setText(QString::fromUtf8("Сердечник 20,5"));
    Field(*saved, "Edit2").setText(longText);
    Field(*saved, "Edit12").setText(QStringLiteral("48"));
    for (const char* name : {"BitBtn3", "Label1", "Label2", "Label3", "Label4", "Edit1", "Edit2",
                             "Edit3", "Edit4", "Edit6", "Edit12", "Label6", "GroupBox1"}) {
        Control(*saved, name).show();
    }
    Control(*saved, "Label14").hide();
    Label(*saved, "Label1").setText(QStringLiteral("H1"));
    Label(*saved, "Label2").setText(QStringLiteral("H2"));
    Label(*saved, "Label3").setText(QStringLiteral("L1"));
    Label(*saved, "Label4").setText(QStringLiteral("L2"));
    Label(*saved, "Label6").setText(QString::fromUtf8("Длительность импульса, мкс"));
    Label(*saved, "Label13").setText(QString::fromUtf8("Режим обратноходовой"));
    WriteStateFile(*saved, "Обратноходовой", Path());

    const auto restored = BuildDesignForm();
    std::string mode;
    ReadStateFile(*restored, mode, Path());

    EXPECT_EQ(mode, "Обратноходовой");
    EXPECT_EQ(Field(*restored, "Edit1").text(), QString::fromUtf8("Сердечник 20,5"));
    EXPECT_EQ(Field(*restored, "Edit2").text(), longText);
    EXPECT_EQ(Label(*restored, "Label6").text(), QString::fromUtf8("Длительность импульса, мкс"));
    EXPECT_FALSE(Control(*restored, "GroupBox1").isHidden());
    EXPECT_FALSE(Control(*restored, "BitBtn3").isHidden());
    EXPECT_EQ(Label(*restored, "Label6").size(), Label(*restored, "Label6").sizeHint());
    // Label14 is visible by design, and a "0" cannot hide it.
    EXPECT_EQ(SavedLines(*restored, mode), With(SavedLines(*saved, mode), {{46, "1"}}));
}

using StateReading = StateFileTest;

TEST_F(StateReading, NoFileKeepsTheDesignState) {
    const auto form = BuildDesignForm();
    std::string mode = "Дроссель";
    ReadStateFile(*form, mode, Path());
    EXPECT_EQ(mode, "Дроссель");
    EXPECT_EQ(SavedLines(*form, mode), With(DesignLines(), {{24, kChokeCp1251}}));
}

TEST_F(StateReading, EmptyFileEmptiesTextsCaptionsAndMode) {
    Store({});
    const auto form = BuildDesignForm();
    std::string mode = "Дроссель";
    ReadStateFile(*form, mode, Path());
    EXPECT_EQ(mode, "");
    EXPECT_EQ(SavedLines(*form, mode), EmptyFileLines());
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
    const auto form = BuildDesignForm();
    std::string mode;
    ReadStateFile(*form, mode, Path());
    EXPECT_EQ(SavedLines(*form, mode), GetParam().expected);
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
                      ReadCase{"LongLineReadWhole", FullFileWith({{47, std::string(100000, 'x')}}),
                               With(EmptyFileLines(), {{47, std::string(100000, 'x')}})},
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

const Lines kRingLayout = With(EmptyFileLines(), {{13, "1"},
                                                  {16, "1"},
                                                  {17, "1"},
                                                  {18, "1"},
                                                  {20, "D1"},
                                                  {21, "D2"},
                                                  {22, "H"},
                                                  {25, "1"},
                                                  {26, "1"},
                                                  {27, "1"}});

const Lines kShapedLayout = With(EmptyFileLines(), {{16, "1"},
                                                    {17, "1"},
                                                    {18, "1"},
                                                    {19, "1"},
                                                    {20, "H1"},
                                                    {21, "H2"},
                                                    {22, "L1"},
                                                    {23, "L2"},
                                                    {25, "1"},
                                                    {26, "1"},
                                                    {27, "1"},
                                                    {28, "1"}});

INSTANTIATE_TEST_SUITE_P(
    CoreLayout, StateReadingCases,
    ::testing::Values(
        ReadCase{"RingUndoesStrayFourthDimension",
                 FullFileWith({{13, "1"}, {19, "1"}, {28, "1"}, {20, "x"}, {23, "w"}}),
                 With(kRingLayout, {{23, "w"}})},
        ReadCase{"ShapedCaptionsWhateverTheFileHeld",
                 FullFileWith({{14, "1"}, {20, "a"}, {21, "b"}, {22, "c"}, {23, "d"}}),
                 With(kShapedLayout, {{14, "1"}})},
        ReadCase{"BothShapedPicturesStay", FullFileWith({{14, "1"}, {15, "1"}}),
                 With(kShapedLayout, {{14, "1"}, {15, "1"}})},
        ReadCase{"RingWinsOverShaped", FullFileWith({{13, "1"}, {14, "1"}}), kRingLayout},
        ReadCase{"NoPictureNoLayout", FullFileWith({{16, "1"}, {20, "x"}}),
                 With(EmptyFileLines(), {{16, "1"}, {20, "x"}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StateReading, PictureFlagsHideButOtherFlagsLeave) {
    const auto form = BuildDesignForm();
    for (const char* name : {"BitBtn3", "Label6", "Edit6"}) {
        Control(*form, name).show();
    }
    Store(QByteArray::fromStdString(AllFlagsAre("0")));
    std::string mode;
    ReadStateFile(*form, mode, Path());
    EXPECT_TRUE(Control(*form, "BitBtn3").isHidden());
    EXPECT_FALSE(Control(*form, "Label6").isHidden());
    EXPECT_FALSE(Control(*form, "Edit6").isHidden());
}

TEST_F(StateReading, FolderInPlaceOfTheFileFailsAndChangesNothing) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("zentu.pallomir")));
    const auto form = BuildDesignForm();
    std::string mode = "Дроссель";
    try {
        ReadStateFile(*form, mode, Path());
        FAIL() << "reading a folder succeeded";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "File access denied");
        EXPECT_EQ(error.Code(), 5);
    }
    EXPECT_EQ(mode, "Дроссель");
    EXPECT_EQ(SavedLines(*form, mode), With(DesignLines(), {{24, kChokeCp1251}}));
}

}  // namespace
}  // namespace transcalc::testing
