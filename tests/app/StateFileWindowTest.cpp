#include <sys/resource.h>
#include <sys/stat.h>

#include <QtTest/qtestspontaneevent.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest/QTest>
#include <csignal>

#include "StateFile.h"
#include "StateFileFixture.h"
#include "WindowFixture.h"

namespace {

using transcalc::testing::DesignLines;
using transcalc::testing::EmptyFileLines;
using transcalc::testing::FileOf;
using transcalc::testing::Lines;
using transcalc::testing::LinesOf;
using transcalc::testing::With;

// Each test works in a fresh folder, where Exit writes and the next start reads.
class StateFileWindowTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        WindowTest::SetUp();
    }

    void TearDown() override { QDir::setCurrent(previous_); }

    // A second start of the program in the same folder.
    std::unique_ptr<TForm1> Restart() {
        auto next = std::make_unique<TForm1>();
        next->setErrorReporter([this](const QString& text) { errors << text; });
        next->BitBtn8Click();
        return next;
    }

    static void StoreFile(const QByteArray& bytes) {
        QFile file(QString::fromLatin1(transcalc::kStateFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray FileBytes() {
        QFile file(QString::fromLatin1(transcalc::kStateFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList FolderEntries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};

TEST_F(StateFileWindowTest, ExitThenStartRestoresTheWindow) {
    const QString longText = QString(300, QLatin1Char('7'));
    form->show();
    form->N2Click();
    form->N4Click();
    const QString texts[] = {QStringLiteral("30"),          QStringLiteral("40"),
                             QStringLiteral("10"),          QStringLiteral("12"),
                             QStringLiteral("0,5"),         QStringLiteral("10"),
                             QStringLiteral("Ёмкость 300"), longText,
                             QStringLiteral("0,3"),         QStringLiteral("2000"),
                             QStringLiteral("20"),          QStringLiteral("400")};
    for (int number = 1; number <= 12; ++number) {
        Edit(number)->setText(texts[number - 1]);
    }
    form->BitBtn5Click();  // Edit7 is no number: the panel stays hidden
    form->BitBtn1Click();
    EXPECT_TRUE(errors.size() == 1 && errors[0].startsWith(QStringLiteral("'Ёмкость300'")));
    EXPECT_FALSE(form->isVisible());

    const auto next = Restart();
    for (int number = 1; number <= 12; ++number) {
        EXPECT_EQ(next->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number))->text(),
                  texts[number - 1])
            << number;
    }
    EXPECT_EQ(next->CurrentDesign().mode, "Обратноходовой");
    EXPECT_FALSE(next->findChild<QWidget*>(QStringLiteral("BitBtn2"))->isVisibleTo(next.get()));
    EXPECT_TRUE(next->findChild<QWidget*>(QStringLiteral("BitBtn3"))->isVisibleTo(next.get()));
    for (const char* shown : {"Edit4", "Label4", "Edit6", "Edit7", "Edit8", "Label8"}) {
        EXPECT_TRUE(next->findChild<QWidget*>(QLatin1String(shown))->isVisibleTo(next.get()))
            << shown;
    }
    EXPECT_EQ(next->findChild<QLabel*>(QStringLiteral("Label6"))->text(),
              QStringLiteral("Длительность импульса МкСек"));
    EXPECT_EQ(next->findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("L2"));
    EXPECT_TRUE(next->findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->isHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return next->findChild<QLabel*>(QStringLiteral("Label13"))->text() ==
               QStringLiteral("Режим Обратноходовой");
    }));
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(StateFileWindowTest, TheResultsPanelComesBackWithTheInitialLines) {
    FillRingChoke();
    form->BitBtn5Click();
    form->BitBtn1Click();
    const auto next = Restart();
    EXPECT_FALSE(next->findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->isHidden());
    const QListWidget* list = next->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Для  начала  работы"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Нажмите ввод. "));
}

TEST_F(StateFileWindowTest, ClosingByTheWindowSystemSavesToo) {
    form->show();
    FillRingChoke();
    QCloseEvent event;
    QApplication::sendEvent(form.get(), &event);
    EXPECT_TRUE(event.isAccepted());
    EXPECT_TRUE(FileBytes().startsWith("20\r\n10\r\n10\r\n\r\n0.5\r\n"));
}

TEST_F(StateFileWindowTest, AFailedExitKeepsTheWindowOpenAndTheOldFile) {
    form->show();
    FillRingChoke();
    form->BitBtn1Click();
    const QByteArray saved = FileBytes();
    ASSERT_EQ(saved.count("\r\n"), 53);

    auto next = Restart();
    next->show();
    next->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString(4000, QLatin1Char('9')));
    // A real "file too large" on write, as a full disk would give.
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    next->BitBtn1Click();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(errors, QStringList{QStringLiteral("I/O error 27.")});
    EXPECT_TRUE(next->isVisible());
    EXPECT_EQ(FileBytes(), saved);
    EXPECT_EQ(FolderEntries(), QStringList{QString::fromLatin1(transcalc::kStateFileName)});

    // Exit again retries, and succeeds once the cause is gone.
    next->BitBtn1Click();
    EXPECT_FALSE(next->isVisible());
    EXPECT_TRUE(FileBytes().startsWith(QByteArray(4000, '9') + "\r\n"));
}

TEST_F(StateFileWindowTest, AnUnreadableFileIsReportedAndTheWindowStillOpens) {
    ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(transcalc::kStateFileName)));
    const auto next = Restart();
    EXPECT_EQ(errors, QStringList{QStringLiteral("File access denied.")});
    EXPECT_EQ(next->findChild<QLineEdit*>(QStringLiteral("Edit5"))->text(), QStringLiteral("0"));
    next->show();
    EXPECT_TRUE(next->isVisible());
}

TEST_F(StateFileWindowTest, TheWindowCapturesItsDesignState) {
    EXPECT_EQ(LinesOf(form->CaptureState()), DesignLines());
}

// The stored pictures decide the core layout once the whole file is read.
struct LayoutCase {
    const char* name;
    Lines file;
    Lines expected;
};

std::string PrintLayoutCase(const ::testing::TestParamInfo<LayoutCase>& info) {
    return info.param.name;
}

class CoreLayoutTest : public StateFileWindowTest,
                       public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(CoreLayoutTest, FollowsTheStoredPictures) {
    StoreFile(FileOf(GetParam().file));
    const auto next = Restart();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(LinesOf(next->CaptureState()), GetParam().expected);
}

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
    CoreLayout, CoreLayoutTest,
    ::testing::Values(
        LayoutCase{"RingUndoesStrayFourthDimension",
                   With(EmptyFileLines(), {{13, "1"}, {19, "1"}, {28, "1"}, {20, "x"}, {23, "w"}}),
                   With(kRingLayout, {{23, "w"}})},
        LayoutCase{"ShapedCaptionsWhateverTheFileHeld",
                   With(EmptyFileLines(), {{14, "1"}, {20, "a"}, {21, "b"}, {22, "c"}, {23, "d"}}),
                   With(kShapedLayout, {{14, "1"}})},
        LayoutCase{"BothShapedPicturesStay", With(EmptyFileLines(), {{14, "1"}, {15, "1"}}),
                   With(kShapedLayout, {{14, "1"}, {15, "1"}})},
        LayoutCase{"RingWinsOverShaped", With(EmptyFileLines(), {{13, "1"}, {14, "1"}}),
                   kRingLayout},
        LayoutCase{"NoPictureNoLayout", With(EmptyFileLines(), {{16, "1"}, {20, "x"}}),
                   With(EmptyFileLines(), {{16, "1"}, {20, "x"}})}),
    PrintLayoutCase);

TEST_F(StateFileWindowTest, ARestoredCaptionSizesItsLabel) {
    StoreFile(FileOf(With(EmptyFileLines(), {{47, "Длительность импульса, мкс"}})));
    const auto next = Restart();
    const QLabel* label = next->findChild<QLabel*>(QStringLiteral("Label6"));
    EXPECT_EQ(label->size(), label->sizeHint());
}

TEST_F(StateFileWindowTest, AFifoInPlaceOfTheFileOpensTheWindowAtOnce) {
    ASSERT_EQ(mkfifo(transcalc::kStateFileName, 0644), 0);
    const auto next = Restart();
    EXPECT_EQ(errors, QStringList{QStringLiteral("File access denied.")});
    EXPECT_EQ(LinesOf(next->CaptureState()), DesignLines());
}

// A close by the window system that cannot save asks what to do: a folder in
// place of the state file can never be written.
class CloseWithoutSaving : public StateFileWindowTest {
protected:
    void SetUp() override {
        StateFileWindowTest::SetUp();
        ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(transcalc::kStateFileName)));
        form->setDiscardQuestion([this](const QString& text) {
            questions << text;
            return discard;
        });
        form->show();
        FillRingChoke();
    }

    // The close request of the window system: a spontaneous close event to
    // the window's native window.
    void CloseByWindowSystem() {
        QCloseEvent event;
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::sendEvent(form->windowHandle(), &event);
    }

    bool discard = false;
    QStringList questions;
};

TEST_F(CloseWithoutSaving, DiscardClosesAndWritesNothing) {
    discard = true;
    CloseByWindowSystem();
    EXPECT_EQ(questions,
              QStringList{QStringLiteral("Состояние окна не сохранено: File access denied.\n"
                                         "Закрыть окно без сохранения?")});
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(QFileInfo(QString::fromLatin1(transcalc::kStateFileName)).isDir());
}

TEST_F(CloseWithoutSaving, CancelKeepsTheWindowAndWhatWasTyped) {
    CloseByWindowSystem();
    EXPECT_EQ(questions.size(), 1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("20"));
}

TEST_F(CloseWithoutSaving, ExitShowsTheErrorBoxAndAsksNothing) {
    form->BitBtn1Click();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(errors, QStringList{QStringLiteral("File access denied.")});
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
