#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "DesignFile.h"
#include "ReportContent.h"
#include "StateFileFixture.h"
#include "WindowFixture.h"

namespace {

using transcalc::testing::LinesOf;

// The file dialogs answer with paths in a fresh folder.
class DesignFileWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        form->setFileChooser([this](TForm1::FileKind kind, const QString&) {
            asked << kind;
            return answer;
        });
    }

    QString PathOf(const QString& name) const { return folder_.filePath(name); }

    std::unique_ptr<TForm1> NewWindow() {
        auto next = std::make_unique<TForm1>();
        next->setDecimalSeparator(QStringLiteral(","));
        next->setErrorReporter([this](const QString& text) { errors << text; });
        return next;
    }

    QString answer;
    QList<TForm1::FileKind> asked;

private:
    QTemporaryDir folder_;
};

TEST_F(DesignFileWindowTest, SaveThenOpenGivesTheSameDesign) {
    FillRingChoke();
    Edit(7)->setText(QString::fromUtf8("  Ёмкость 300 "));
    answer = PathOf(QStringLiteral("choke.transcalc"));
    form->SaveDesignAs();
    EXPECT_EQ(asked, QList{TForm1::FileKind::SaveDesign});
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("choke — ")));

    const auto next = NewWindow();
    next->OpenDesign(answer);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(LinesOf(next->CaptureState()), LinesOf(form->CaptureState()));
    EXPECT_EQ(next->CurrentDesign().mode, "Дроссель");
    EXPECT_EQ(next->windowTitle(), form->windowTitle());
    EXPECT_EQ(next->CurrentDesign(), form->CurrentDesign());
}

TEST_F(DesignFileWindowTest, OpeningRunsTheCoreAndModeCommands) {
    transcalc::Design design;
    design.ShowCore(transcalc::CoreKind::ShapedU);
    design.mode = "Обратноходовой";
    design.fields[transcalc::Field::Overshoot] = "400";
    const QString path = PathOf(QStringLiteral("flyback.transcalc"));
    transcalc::SaveDesign(design, QFile::encodeName(path).toStdString());
    FillRingChoke();
    form->BitBtn5Click();

    form->OpenDesign(path);
    EXPECT_TRUE(Shown(QStringLiteral("BitBtn4")));
    EXPECT_FALSE(Shown(QStringLiteral("BitBtn2")));
    EXPECT_TRUE(Shown(QStringLiteral("Edit4")));
    EXPECT_EQ(Label(4)->text(), QStringLiteral("L2"));
    EXPECT_EQ(Label(6)->text(), QStringLiteral("Длительность импульса МкСек"));
    EXPECT_FALSE(Shown(QStringLiteral("Edit11")));
    EXPECT_FALSE(Shown(QStringLiteral("GroupBox1")));
    EXPECT_EQ(Edit(1)->text(), QString());
    EXPECT_EQ(Edit(12)->text(), QStringLiteral("400"));
}

TEST_F(DesignFileWindowTest, ARefusedFileIsReportedAndChangesNothing) {
    FillRingChoke();
    const auto before = LinesOf(form->CaptureState());
    const QString title = form->windowTitle();
    std::string tooFast = transcalc::DesignText(transcalc::Design(), "x");
    tooFast.replace(tooFast.find("\"frequencyKHz\": null"), 20, "\"frequencyKHz\": 1e308");
    const struct {
        const char* name;
        QByteArray bytes;
        const char* error;
    } cases[] = {
        {"truncated.transcalc", "{\"format\": \"transcalc-design\", \"version\": 1, \"fie",
         "not JSON"},
        {"future.transcalc", "{\"format\": \"transcalc-design\", \"version\": 2}",
         "format version 2"},
        // The check dialog's boxes would clamp it without a word.
        {"fast.transcalc", QByteArray::fromStdString(tooFast),
         "\"check\".\"frequencyKHz\": the switching frequency must be a number above 0 kHz and "
         "at most 10000 kHz"},
    };
    for (const auto& c : cases) {
        errors.clear();
        QFile file(PathOf(QString::fromLatin1(c.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        form->OpenDesign(file.fileName());
        ASSERT_EQ(errors.size(), 1) << c.name;
        EXPECT_TRUE(errors[0].contains(QString::fromLatin1(c.name))) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(QString::fromLatin1(c.error))) << errors[0].toStdString();
        EXPECT_EQ(LinesOf(form->CaptureState()), before) << c.name;
        EXPECT_EQ(form->windowTitle(), title);
    }
}

// The dimensions open; the names the catalogue lacks are dropped with one
// message, so that a save or the report no longer gives them.
TEST_F(DesignFileWindowTest, AStaleCatalogueNameIsDroppedWithOneMessage) {
    transcalc::Design design;
    design.ShowCore(transcalc::CoreKind::ShapedE);
    design.mode = "Двухтактный";
    design.fields[transcalc::Field::Dimension1] = "12,55";
    design.catalogueCore = "E 99";
    design.material = "N99";
    const QString path = PathOf(QStringLiteral("stale.transcalc"));
    transcalc::SaveDesign(design, QFile::encodeName(path).toStdString());

    form->OpenDesign(path);
    const QString file = QStringLiteral("Design file \"") + path;
    EXPECT_EQ(errors, QStringList{file +
                                  QStringLiteral("\": no core \"E 99\" in the catalogue; its name "
                                                 "is dropped\n") +
                                  file +
                                  QStringLiteral("\": no material \"N99\" in the catalogue; its "
                                                 "name is dropped")});
    EXPECT_EQ(Edit(1)->text(), QStringLiteral("12,55"));
    EXPECT_EQ(form->CurrentDesign().catalogueCore, "");
    EXPECT_EQ(form->CurrentDesign().material, "");
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("stale — ")));
}

TEST_F(DesignFileWindowTest, ACancelledDialogDoesNothing) {
    FillRingChoke();
    form->SaveDesignAs();
    form->ChooseAndOpenDesign();
    form->SaveReportAsPdf();
    EXPECT_EQ(asked.size(), 3);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(QDir(PathOf({})).isEmpty());
}

TEST_F(DesignFileWindowTest, TheReportShowsTheResultsAsTheListDoes) {
    FillRingChoke();
    form->BitBtn5Click();
    form->Timer2Timer();
    const transcalc::ReportContent report = form->CurrentReport();
    QStringList results;
    for (const std::string& line : report.results) {
        results << QString::fromStdString(line);
    }
    EXPECT_EQ(results, Lines());
    EXPECT_FALSE(report.resultsRed);

    answer = PathOf(QStringLiteral("choke.pdf"));
    form->SaveReportAsPdf();
    EXPECT_TRUE(errors.isEmpty());
    QFile pdf(answer);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(DesignFileWindowTest, WithTheResultsClosedTheReportRunsTheDesign) {
    FillRingChoke();
    const transcalc::ReportContent report = form->CurrentReport();
    ASSERT_FALSE(report.results.empty());
    EXPECT_EQ(report.results.back(), "Внимание: магнитопровод кольцо. Точно есть зазор=0,5 мм?");
}

TEST_F(DesignFileWindowTest, PrintingGoesToThePrinterThatWasSetUp) {
    FillRingChoke();
    const QString path = PathOf(QStringLiteral("printed.pdf"));
    form->setPrinterSetup([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    form->PrintReportPage();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_TRUE(QFile::exists(path));
}

// Saving or reporting onto what is no regular file names it in the error box
// and leaves it as it was.
TEST_F(DesignFileWindowTest, WhatIsNoRegularFileIsRefusedInTheErrorBox) {
    FillRingChoke();
    const QString title = form->windowTitle();
    answer = PathOf(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(answer).constData(), 0644), 0);
    form->SaveDesignAs();
    form->SaveReportAsPdf();
    EXPECT_EQ(errors,
              (QStringList{
                  QStringLiteral("Design file \"%1\" not saved: not a regular file.").arg(answer),
                  QStringLiteral("Report \"%1\" not written: not a regular file.").arg(answer)}));
    EXPECT_EQ(QFileInfo(answer).isFile(), false);
    EXPECT_EQ(QDir(PathOf({}))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("fifo")});
    EXPECT_EQ(form->windowTitle(), title);
}

}  // namespace

// A design opened with its windings' inputs keeps them, and the report of
// its check winds the catalogue's wires.
TEST_F(DesignFileWindowTest, TheReportCarriesTheWindingsOfTheDesignOpened) {
    transcalc::Design design;
    design.ShowCore(transcalc::CoreKind::ShapedE);
    design.mode = "Двухтактный";
    const std::pair<transcalc::Field, const char*> fields[] = {
        {transcalc::Field::Dimension1, "12,55"},    {transcalc::Field::Dimension2, "25,05"},
        {transcalc::Field::Dimension3, "7,25"},     {transcalc::Field::Dimension4, "7,2"},
        {transcalc::Field::FrequencyOrPulse, "50"}, {transcalc::Field::VoltageIn, "300"},
        {transcalc::Field::VoltageOut, "12"},       {transcalc::Field::SatInduction, "0,312"},
        {transcalc::Field::Permeability, "2309"},
    };
    for (const auto& [field, text] : fields) {
        design.fields[field] = text;
    }
    design.catalogueCore = "E 25/13/7";
    design.material = "N87";
    design.check = transcalc::CheckInputs{.loadCurrent = 5};
    const QString path = PathOf(QStringLiteral("pp.transcalc"));
    transcalc::SaveDesign(design, QFile::encodeName(path).toStdString());

    form->OpenDesign(path);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    form->BitBtn5Click();
    form->Timer2Timer();
    ASSERT_TRUE(form->CurrentDesign().check.has_value());
    EXPECT_EQ(form->CurrentDesign().check->loadCurrent, 5);
    const transcalc::ReportContent report = form->CurrentReport();
    ASSERT_EQ(report.windings.rows.size(), 4u) << report.windings.lines.front();
    EXPECT_EQ(report.windings.heading, "Обмотки при плотности тока 4 А/мм²:");
    // The list's 3 secondary turns give 9,7 V: the windings wind its 4.
    const std::vector<std::string> s1 = {"S1",   "4",       "0,630 × 3", "1",
                                         "37,2", "0,00361", "1,18",      "0,0530"};
    EXPECT_EQ(report.windings.rows[2], s1);
}
