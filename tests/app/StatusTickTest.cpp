#include <QTest>
#include <QTimer>

#include "WindowFixture.h"

namespace {

class StatusTickTest : public WindowTest {
protected:
    bool WaitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, 2000);
    }
    QTimer* ResultsTimer() { return Find<QTimer>("Timer2"); }
};

TEST_F(StatusTickTest, FollowsTheModeInTheStatusLine) {
    ASSERT_TRUE(WaitFor([&] { return Label(13)->text() == "Введите режим"; }));
    form->N4Click();
    ASSERT_TRUE(WaitFor([&] { return Label(13)->text() == "Режим Обратноходовой"; }));
    EXPECT_EQ(Label(13)->size(), Label(13)->sizeHint());
}

TEST_F(StatusTickTest, ShowsTheOvershootFieldInFlybackModeWhileTheInputIsShown) {
    form->N4Click();
    ASSERT_TRUE(WaitFor([&] { return Shown("Edit12"); }));
    EXPECT_TRUE(Shown("Label14"));
    EXPECT_EQ(Label(14)->text(), "U выброса допустимое");

    form->BitBtn5Click();
    ASSERT_TRUE(Shown("GroupBox1"));
    ASSERT_TRUE(WaitFor([&] { return !Shown("Edit12"); }));
    EXPECT_TRUE(Shown("Label14"));

    form->BitBtn7Click();
    ASSERT_TRUE(WaitFor([&] { return Shown("Edit12"); }));

    form->N6Click();
    ASSERT_TRUE(WaitFor([&] { return !Shown("Edit12"); }));
    EXPECT_FALSE(Shown("Label14"));
}

TEST_F(StatusTickTest, OneCalculateGivesOneResultsPass) {
    FillRingChoke();
    form->BitBtn5Click();
    EXPECT_TRUE(ResultsTimer()->isActive());
    ASSERT_TRUE(WaitFor([&] { return !ResultsTimer()->isActive(); }));
    const QStringList lines = Lines();
    QTest::qWait(100);
    EXPECT_EQ(Lines(), lines);
    EXPECT_EQ(lines.count("Магнитопровод кольцо"), 1);
    EXPECT_FALSE(form->designState().ResultsPending);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(StatusTickTest, AFaultedPassIsReportedOnce) {
    FillRingChoke();
    Edit(10)->clear();  // no permeability: the choke design divides by zero
    form->BitBtn5Click();
    ASSERT_TRUE(WaitFor([&] { return !errors.isEmpty(); }));
    QTest::qWait(100);
    EXPECT_EQ(errors, QStringList({"Floating point division by zero."}));
    EXPECT_FALSE(ResultsTimer()->isActive());
    EXPECT_FALSE(form->designState().ResultsPending);
    EXPECT_TRUE(Shown("GroupBox1"));
    // The lines of the pass up to the fault stay.
    EXPECT_EQ(Lines().last(), "Число витков дросселя=20");
    EXPECT_EQ(Lines().count("Магнитопровод кольцо"), 1);
}

}  // namespace
