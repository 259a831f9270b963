#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include "ListBoxResults.h"
#include "WindowFixture.h"

using transcalc::ListBoxResults;

namespace {

class CalculateWindowTest : public WindowTest {
protected:
    QColor ListColour() const { return List()->palette().color(QPalette::Text); }
    bool TimerActive() const { return Find<QTimer>("Timer2")->isActive(); }

    // Calculate and the results pass, as the two timers would run them.
    void CalculateAndPass() {
        form->BitBtn5Click();
        ASSERT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();
        ASSERT_TRUE(Shown("GroupBox1"));
        ASSERT_TRUE(TimerActive());
        form->Timer2Timer();
        form->Timer1Timer();
        EXPECT_FALSE(TimerActive());
    }
};

TEST_F(CalculateWindowTest, DesignsARingChoke) {
    FillRingChoke();
    const QColor designed = ListColour();
    ASSERT_NO_FATAL_FAILURE(CalculateAndPass());
    EXPECT_EQ(Lines(),
              QStringList({"Зазор=0,5 мм", "Сечение=0,5 см2", "Длина магнитной линии=4,71 см",
                           "Проницаемость=2000", "dB инд. нассыщения=0,3", "", "",
                           "         Режим работы: Дроссель", "Магнитопровод кольцо",
                           "Прониц с зазором=90", "Индуктивность=0,04966 MГн", "Зазор=0,5 мм",
                           "Число витков дросселя=20", "Максимальный ток дросселя=6,041 А",
                           "Рекомендуемый диаметр проводане не менее=1,048 мм", " ",
                           "Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?"}));
    EXPECT_EQ(ListColour(), ListBoxResults::kDesktopColour);
    EXPECT_NE(ListColour(), designed);
    EXPECT_FALSE(Shown("BitBtn9"));
}

TEST_F(CalculateWindowTest, ShowsTheSeparatorItIsGiven) {
    FillRingChoke();
    form->setDecimalSeparator(QStringLiteral("."));
    Edit(9)->setText("0.3");
    ASSERT_NO_FATAL_FAILURE(CalculateAndPass());
    EXPECT_EQ(Lines().first(), "Зазор=0.5 мм");
}

TEST_F(CalculateWindowTest, DesignsAFlybackTransformerOnAnECore) {
    form->N2Click();
    form->N4Click();
    const std::pair<int, const char*> texts[] = {{1, "30"},  {2, "40"},    {3, "10"},  {4, "12"},
                                                 {5, "0,2"}, {6, "10"},    {7, "310"}, {8, "12"},
                                                 {9, "0,3"}, {10, "2000"}, {12, "100"}};
    for (const auto& [number, text] : texts) {
        Edit(number)->setText(QString::fromUtf8(text));
    }
    ASSERT_NO_FATAL_FAILURE(CalculateAndPass());
    const QStringList lines = Lines();
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines.mid(0, 5), QStringList({"Напряжение первички=310", "Напряжение вторички=12",
                                            "Напряжение выброса обраноходовой=100", "Зазор=0,2 мм",
                                            "Длительность импульса= 10 МкСек"}));
    EXPECT_TRUE(lines.contains("         Режим работы: Обратноходовой"));
    EXPECT_TRUE(lines.contains("Магнитопровод Ш образный"));
    EXPECT_FALSE(lines.contains("Введены не все данные, расчет не возможен"));
    EXPECT_EQ(ListColour(), ListBoxResults::kDesktopColour);
}

TEST_F(CalculateWindowTest, ForwardModesDesignOnAUCore) {
    for (auto mode : {&TForm1::N6Click, &TForm1::N7Click}) {
        form->N11Click();
        (form.get()->*mode)();
        const std::pair<int, const char*> texts[] = {{1, "30"},  {2, "40"},   {3, "10"},  {4, "12"},
                                                     {5, "0"},   {6, "50"},   {7, "310"}, {8, "12"},
                                                     {9, "0,3"}, {10, "2000"}};
        for (const auto& [number, text] : texts) {
            Edit(number)->setText(QString::fromUtf8(text));
        }
        ASSERT_NO_FATAL_FAILURE(CalculateAndPass());
        const QStringList lines = Lines();
        EXPECT_TRUE(lines.contains("Частота=50 КГц"));
        EXPECT_TRUE(lines.contains("Магнитопровод П образный"));
        EXPECT_FALSE(lines.contains("Введены не все данные, расчет не возможен"));
        EXPECT_GT(lines.size(), 12);
    }
}

TEST_F(CalculateWindowTest, MissingDataTurnTheListRed) {
    form->N1Click();
    Edit(1)->setText("20");
    Edit(2)->setText("10");
    Edit(3)->setText("10");
    ASSERT_NO_FATAL_FAILURE(CalculateAndPass());
    EXPECT_EQ(Lines(),
              QStringList({"Зазор=0 мм", "Длительность импульса= 0 МкСек", "Сечение=0,5 см2",
                           "Длина магнитной линии=4,71 см", "", "", "Введите режим ",
                           "Магнитопровод кольцо", "Индукция насыщения dB не может равняться 0",
                           "Введены не все данные, расчет не возможен", " "}));
    EXPECT_EQ(ListColour(), QColor(Qt::red));
}

TEST_F(CalculateWindowTest, AConversionErrorLeavesTheInputShown) {
    FillRingChoke();
    Edit(9)->setText("0,3x");
    form->BitBtn5Click();
    EXPECT_EQ(errors, QStringList({"'0,3x' is not a valid floating point value."}));
    EXPECT_FALSE(Shown("GroupBox1"));
    EXPECT_FALSE(Shown("BitBtn9"));
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(TimerActive());
    EXPECT_FALSE(form->designState().ResultsPending);
    EXPECT_EQ(form->designState().Permeability, 2000);
    EXPECT_EQ(form->designState().SatInduction, 0);
}

TEST_F(CalculateWindowTest, AnArithmeticFaultKeepsTheEchoWithThePanelHidden) {
    FillRingChoke();
    Edit(1)->setText("1e9");  // a cross-section beyond what its line can round
    Edit(2)->setText("0");
    Edit(3)->setText("1e9");
    form->BitBtn5Click();
    EXPECT_EQ(errors, QStringList({"Invalid floating point operation."}));
    EXPECT_FALSE(Shown("GroupBox1"));
    EXPECT_FALSE(TimerActive());
    EXPECT_EQ(Lines(), QStringList({"Зазор=0,5 мм"}));
}

TEST(ErrorBoxTest, ShowsTheTextUnderTheApplicationTitle) {
    TForm1 form;
    form.setDecimalSeparator(QStringLiteral(","));
    form.findChild<QLineEdit*>("Edit10")->setText("x");
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    form.BitBtn5Click();
    EXPECT_EQ(title, "transcalc_window_tests");
    EXPECT_EQ(text, "'x' is not a valid floating point value.");
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(CalculateWindowTest, ReadsTheSeparatorAgainWhenTheLocaleChanges) {
    form->setDecimalSeparator(QStringLiteral("#"));
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(form.get(), &change);
    EXPECT_EQ(form->decimalSeparator(), QLocale::system().decimalPoint().toStdString());
}

}  // namespace
