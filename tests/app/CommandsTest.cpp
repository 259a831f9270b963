#include <QPushButton>

#include "WindowFixture.h"

namespace {

using Command = void (TForm1::*)();

// The visibility of each listed control after a command, and the captions it leaves.
struct CommandCase {
    const char* name;
    std::vector<Command> commands;
    QStringList shown;
    QStringList hidden;
    std::vector<std::pair<int, const char*>> captions;  // label number, caption
    const char* mode;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.name;
}

class CommandTableTest : public WindowTest, public testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTableTest, SetsVisibilityAndCaptions) {
    const CommandCase& expected = GetParam();
    Find<QWidget>("GroupBox1")->show();
    Find<QPushButton>("BitBtn9")->hide();
    for (Command command : expected.commands) {
        (form.get()->*command)();
    }
    for (const QString& name : expected.shown) {
        EXPECT_TRUE(Shown(name)) << name.toStdString();
    }
    for (const QString& name : expected.hidden) {
        EXPECT_FALSE(Shown(name)) << name.toStdString();
    }
    for (const auto& [number, caption] : expected.captions) {
        EXPECT_EQ(Label(number)->text(), QString::fromUtf8(caption)) << "Label" << number;
    }
    EXPECT_EQ(form->CurrentDesign().mode, expected.mode);
    // The preamble of every command: back to the input state with an empty list.
    EXPECT_FALSE(Shown("GroupBox1"));
    EXPECT_TRUE(Shown("BitBtn9"));
    EXPECT_EQ(List()->count(), 0);
}

const QStringList kDimensions3 = {"Label1", "Label2", "Label3", "Edit1", "Edit2", "Edit3"};
const QStringList kDimensions4 = kDimensions3 + QStringList{"Label4", "Edit4"};
const QStringList kVoltages = {"Label6", "Label7", "Label8", "Edit6", "Edit7", "Edit8"};
const QStringList kChokeTurns = {"Label12", "Edit11"};

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandTableTest,
    testing::Values(CommandCase{"Ring",
                                {&TForm1::N1Click},
                                kDimensions3 + QStringList{"BitBtn2"},
                                {"BitBtn3", "BitBtn4", "Label4", "Edit4"},
                                {{1, "D1"}, {2, "D2"}, {3, "H"}, {4, "l"}},
                                ""},
                    CommandCase{"ShapedE",
                                {&TForm1::N2Click},
                                kDimensions4 + QStringList{"BitBtn3"},
                                {"BitBtn2", "BitBtn4"},
                                {{1, "H1"}, {2, "H2"}, {3, "L1"}, {4, "L2"}},
                                ""},
                    CommandCase{"ShapedU",
                                {&TForm1::N11Click},
                                kDimensions4 + QStringList{"BitBtn4"},
                                {"BitBtn2", "BitBtn3"},
                                {{1, "H1"}, {2, "H2"}, {3, "L1"}, {4, "L2"}},
                                ""},
                    CommandCase{"RingAfterShapedKeepsL2",
                                {&TForm1::N2Click, &TForm1::N1Click},
                                kDimensions3 + QStringList{"BitBtn2"},
                                {"BitBtn3", "Label4", "Edit4"},
                                {{1, "D1"}, {4, "L2"}},
                                ""},
                    CommandCase{"Choke",
                                {&TForm1::N3Click},
                                kChokeTurns,
                                kVoltages + QStringList{"Label1", "Edit1", "BitBtn2"},
                                {{12, "Количество витков дросселя"}, {6, "l"}},
                                "Дроссель"},
                    CommandCase{"Flyback",
                                {&TForm1::N3Click, &TForm1::N4Click},
                                kVoltages,
                                kChokeTurns,
                                {{6, "Длительность импульса МкСек"},
                                 {7, "Вход напряжение"},
                                 {8, "Выход напряжение"},
                                 {12, "Количество витков дросселя"}},
                                "Обратноходовой"},
                    CommandCase{
                        "SingleEnded",
                        {&TForm1::N6Click},
                        kVoltages,
                        kChokeTurns,
                        {{6, "Частота КГц"}, {7, "Вход напряжение"}, {8, "Выход напряжение"}},
                        "Однотактный"},
                    CommandCase{"PushPull",
                                {&TForm1::N4Click, &TForm1::N7Click},
                                kVoltages,
                                kChokeTurns,
                                {{6, "Частота КГц"}},
                                "Двухтактный"},
                    CommandCase{"EnterInChokeMode",
                                {&TForm1::N3Click, &TForm1::N13Click},
                                kVoltages + kChokeTurns,
                                {},
                                {{6, "l"}, {7, "Вход напряжение"}, {8, "Выход напряжение"}},
                                "Дроссель"},
                    CommandCase{"ModeKeepsCoreFields",
                                {&TForm1::N11Click, &TForm1::N6Click},
                                kDimensions4 + kVoltages + QStringList{"BitBtn4"},
                                {"BitBtn2", "BitBtn3"},
                                {{1, "H1"}},
                                "Однотактный"},
                    CommandCase{"BackToInputOnRing",
                                {&TForm1::N1Click, &TForm1::BitBtn7Click},
                                kDimensions3 + QStringList{"BitBtn2"},
                                {"Label4", "Edit4"},
                                {{3, "H"}},
                                ""},
                    CommandCase{"BackToInputOnShaped",
                                {&TForm1::N2Click, &TForm1::BitBtn7Click},
                                kDimensions4 + QStringList{"BitBtn3"},
                                {},
                                {{4, "L2"}},
                                ""},
                    CommandCase{"BackToInputWithoutCore",
                                {&TForm1::BitBtn7Click},
                                {"Edit5", "Edit9", "Edit10"},
                                kDimensions4 + QStringList{"BitBtn2", "BitBtn3", "BitBtn4"},
                                {{1, ""}},
                                ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, CommandsLeaveTheFieldTexts) {
    for (int number = 1; number <= 12; ++number) {
        Edit(number)->setText(QString::number(number));
    }
    for (Command command : {&TForm1::N2Click, &TForm1::N1Click, &TForm1::N4Click, &TForm1::N13Click,
                            &TForm1::BitBtn7Click}) {
        (form.get()->*command)();
    }
    for (int number = 1; number <= 12; ++number) {
        EXPECT_EQ(Edit(number)->text(), QString::number(number));
    }
}

TEST_F(WindowTest, ClearEmptiesEveryFieldButTheGap) {
    form->BitBtn9Click();
    EXPECT_EQ(Lines(), QStringList({"Для  начала  работы", "Нажмите ввод. "}));
    form->N11Click();
    form->N4Click();
    Find<QWidget>("GroupBox1")->show();
    List()->addItem(QStringLiteral("result"));
    for (int number = 1; number <= 12; ++number) {
        Edit(number)->setText(QStringLiteral("7"));
    }
    form->BitBtn9Click();
    for (int number = 1; number <= 12; ++number) {
        EXPECT_EQ(Edit(number)->text(), number == 5 ? "0" : "") << number;
    }
    EXPECT_TRUE(Shown("BitBtn4"));
    EXPECT_TRUE(Shown("Edit4"));
    EXPECT_TRUE(Shown("GroupBox1"));
    EXPECT_EQ(Lines(), QStringList({"result"}));
    EXPECT_EQ(form->CurrentDesign().mode, "Обратноходовой");
}

}  // namespace
