#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "CheckFixture.h"
#include "CheckReport.h"
#include "Report.h"

namespace transcalc {
namespace {

namespace fs = std::filesystem;

std::string Output(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return text;
    }
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    ::pclose(pipe);
    return text;
}

ReportContent AFlyback() {
    ReportContent content;
    content.name = "Обратноход 12 В";
    content.date = "08.12.2026";
    content.core = CoreKind::ShapedE;
    content.mode = "Обратноходовой";
    content.material = "N87";
    content.dimensions = {{"H1", "15"}, {"H2", "20"}, {"L1", "10"}, {"L2", "5"}};
    content.inputs = {{"Зазор сердечника", "0,5"},
                      {"U выброса допустимое", "400"},
                      {"Длительность импульса МкСек", std::string(120, '7')}};
    content.results = {"Напряжение первички=300", "", "         Режим работы: Обратноходовой",
                       "Рекомендуемая частота=25 КГц"};
    return content;
}

class ReportPdfTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "report-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Pdf() const { return (folder_ / "r.pdf").string(); }
    std::string Text() const { return Output("pdftotext -layout '" + Pdf() + "' -"); }
    std::string Pages() const { return Output("pdfinfo '" + Pdf() + "' | grep '^Pages:'"); }

    // The pixels of the page, drawn at 100 dpi, that are pure red.
    int RedPixels() const {
        Output("pdftoppm -png -r 100 -singlefile '" + Pdf() + "' '" + (folder_ / "page").string() +
               "'");
        const QImage page(QString::fromStdString((folder_ / "page.png").string()));
        int red = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            }
        }
        return page.isNull() ? -1 : red;
    }

    fs::path folder_;
};

TEST_F(ReportPdfTest, OnePageWithSearchableRussianTextInEmbeddedFonts) {
    WriteReportPdf(AFlyback(), QString::fromStdString(Pdf()));
    const std::string text = Text();
    for (const char* part :
         {"Обратноход 12 В", "08.12.2026",
          "Режим Обратноходовой · Магнитопровод Ш образный · "
          "Материал N87",
          "Ввод размеров в ММ", "L2", "Введены параметры", "U выброса допустимое",
          "Результаты расчета", "Режим работы: Обратноходовой", "Рекомендуемая частота=25 КГц"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    }
    EXPECT_EQ(Pages(), "Pages:           1\n");
    const std::string fonts = Output("pdffonts '" + Pdf() + "'");
    EXPECT_NE(fonts.find("LiberationSans "), std::string::npos) << fonts;
    EXPECT_EQ(fonts.find(" no  "), fonts.find(" no  yes"));  // only "sub no" may read "no"
    EXPECT_EQ(Output("pdffonts '" + Pdf() + "' | tail -n +3 | awk '$(NF-4) != \"yes\"'"), "");
    EXPECT_EQ(RedPixels(), 0);
}

// A core of another family: its group's drawing (the pot's dark faces, which
// no text of the page has) and its rows under their own heading.
TEST_F(ReportPdfTest, AFamilyCoreShowsItsDrawingAndRows) {
    ReportContent content = AFlyback();
    content.core.reset();
    content.family = CoreFamily::Pq;
    content.dimensions = {{"Окно, мм", "3,69 × 8,99"}};
    WriteReportPdf(content, QString::fromStdString(Pdf()));
    const std::string text = Text();
    EXPECT_NE(text.find("Сердечник из каталога"), std::string::npos) << text;
    EXPECT_NE(text.find("3,69 × 8,99"), std::string::npos) << text;
    EXPECT_EQ(text.find("Ввод размеров в ММ"), std::string::npos) << text;
    Output("pdftoppm -png -r 50 -singlefile '" + Pdf() + "' '" + (folder_ / "page").string() + "'");
    const QImage page(QString::fromStdString((folder_ / "page.png").string()));
    int drawn = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            drawn += page.pixelColor(x, y) == QColor(0x1B, 0x35, 0x50);
        }
    }
    EXPECT_GT(drawn, 50);
}

TEST_F(ReportPdfTest, RedListRedErrorAndTheCheckPlugIn) {
    ReportContent content = AFlyback();
    content.resultsRed = true;
    content.error = "Floating point division by zero.";
    content.checkLines = {"Запас по насыщению при 100 °C: 23 %"};
    QRectF plotArea;
    content.checkPlot = [&plotArea](QPainter& painter, const QRectF& area) {
        plotArea = area;
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("Потери в сердечнике"));
    };
    WriteReportPdf(content, QString::fromStdString(Pdf()));
    const std::string text = Text();
    for (const char* part : {"Проверка расчета", "Запас по насыщению при 100 °C: 23 %",
                             "Потери в сердечнике", "Floating point division by zero."}) {
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    }
    // The plot gets a sizeable area in the right column of the A4 page at 300 dpi.
    EXPECT_GT(plotArea.left(), 900);
    EXPECT_LT(plotArea.right(), 2300);
    EXPECT_GT(plotArea.height(), 500);
    EXPECT_GT(RedPixels(), 200);
}

WindingTable TwoSections() {
    WindingTable table;
    table.heading = "Обмотки при плотности тока 4 А/мм²:";
    table.columns = {"Секция",        "Витков",  "Провод, мм", "Слоев",
                     "Ср. виток, мм", "Rdc, Ом", "Kac",        "Потери, Вт"};
    table.rows = {{"P", "40", "0,355 × 1", "2", "45,1", "0,123", "1,07", "0,0456"},
                  {"S", "4", "0,630 × 9", "—", "—", "—", "—", "—"}};
    table.lines = {
        "Заполнение окна=104,2 % — обмотка не помещается (без учета каркаса и "
        "изоляции)",
        "Потери в меди=не оцениваются: обмотка не помещается в окно", "Потери в меди — оценка"};
    return table;
}

// The windings follow the check on its page while they fit there.
TEST_F(ReportPdfTest, TheWindingsFollowTheCheck) {
    ReportContent content = AFlyback();
    content.checkLines = {"Запас до насыщения=23,0 %"};
    content.windings = TwoSections();
    WriteReportPdf(content, QString::fromStdString(Pdf()));
    const std::string text = Text();
    const std::size_t check = text.find("Запас до насыщения=23,0 %");
    const std::size_t heading = text.find("Обмотки при плотности тока 4 А/мм²:");
    ASSERT_NE(check, std::string::npos) << text;
    ASSERT_NE(heading, std::string::npos) << text;
    EXPECT_LT(check, heading);
    for (const char* part :
         {"Секция", "Ср. виток, мм", "Потери, Вт", "0,355 × 1", "45,1", "0,0456", "0,630 × 9",
          "Заполнение окна=104,2 % — обмотка не помещается (без учета каркаса и изоляции)",
          "Потери в меди=не оцениваются: обмотка не помещается в окно", "Потери в меди — оценка"}) {
        EXPECT_NE(text.find(part, heading), std::string::npos) << part << "\n" << text;
    }
    EXPECT_EQ(Pages(), "Pages:           1\n");
}

// A page too full for the windings gives them a second page, rather than
// cutting them off at its foot.
TEST_F(ReportPdfTest, WindingsThatDoNotFitTakeASecondPage) {
    ReportContent content = AFlyback();
    content.checkLines.assign(45, "Строка проверки");
    content.windings = TwoSections();
    WriteReportPdf(content, QString::fromStdString(Pdf()));
    EXPECT_EQ(Pages(), "Pages:           2\n");
    const std::string second = Output("pdftotext -f 2 -l 2 -layout '" + Pdf() + "' -");
    EXPECT_NE(second.find("Обмотки при плотности тока 4 А/мм²:"), std::string::npos) << second;
    EXPECT_NE(second.find("Потери в меди — оценка"), std::string::npos) << second;
    EXPECT_EQ(second.find("Строка проверки"), std::string::npos) << second;
}

// The converter's outputs follow the windings: a row per output with its
// turns and voltages at both ends, in the report's language. The E 25/13/7
// push-pull at 300 V and 0,3 T has 89 turns a half; at 250 V S1 takes
// ⌈12,7·89/250⌉ = 5 turns (the list 4) and AUX ⌈5,7·89/250⌉ = 3, giving
// 3·250/89 − 0,7 = 7,73 V and 3·350/89 − 0,7 = 11,10 V.
TEST_F(ReportPdfTest, TheOutputsFollowTheWindings) {
    CheckInputs inputs;
    inputs.loadCurrent = 5;
    inputs.drop = 0.7;
    inputs.outputs = {{5, 2, "AUX", 0.7}};
    inputs.inputMin = 250;
    inputs.inputMax = 350;
    const DesignRun run =
        RunDesign(testing_support::E25Design(kModePushPull, CoreKind::ShapedE, "0,3"), ",");
    const Material n87 = testing_support::N87();
    for (const Language language : {Language::Russian, Language::English}) {
        ReportContent content = AFlyback();
        content.language = language;
        AddCheckToReport(content, run, &n87, inputs, testing_support::GradeOneWires(), ",");
        ASSERT_EQ(content.outputs.rows.size(), 2u);
        EXPECT_EQ(content.outputs.rows[0][1], "5");
        EXPECT_EQ(content.outputs.rows[1],
                  (std::vector<std::string>{"AUX", "3", "7,73", "11,10", "1,42"}));
        WriteReportPdf(content, QString::fromStdString(Pdf()));
        const std::string text = Text();
        const bool english = language == Language::English;
        const std::size_t heading = text.find(english ? "Outputs:" : "Выходы:");
        ASSERT_NE(heading, std::string::npos) << text;
        EXPECT_LT(text.find(english ? "Window fill" : "Заполнение окна"), heading);
        for (const char* part :
             english ? std::vector<const char*>{"Output", "Turns", "V at 250 V", "V at 350 V",
                                                "I rms, A", "AUX",
                                                "At an input voltage of 250 V "
                                                "/ 350 V:"}
                     : std::vector<const char*>{"Выход", "Витков", "U при 250 В", "U при 350 В",
                                                "I ср.кв., А", "AUX",
                                                "При входном напряжении 250 В / 350 В:"}) {
            EXPECT_NE(text.find(part, heading), std::string::npos) << part << "\n" << text;
        }
    }
}

TEST_F(ReportPdfTest, PrintsTheSamePageOnAPrinter) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Pdf()));
    PrintReport(AFlyback(), printer);
    EXPECT_NE(Text().find("Рекомендуемая частота=25 КГц"), std::string::npos);
    EXPECT_EQ(Pages(), "Pages:           1\n");
    EXPECT_NE(Output("pdfinfo '" + Pdf() + "'").find("Page size:       595 x 842 pts (A4)"),
              std::string::npos);
}

TEST_F(ReportPdfTest, AFailedWriteKeepsTheOldFile) {
    std::ofstream(Pdf()) << "old";
    const std::string into = (folder_ / "missing" / "r.pdf").string();
    try {
        WriteReportPdf(AFlyback(), QString::fromStdString(into));
        ADD_FAILURE() << "written";
    } catch (const ReportError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Report \"" + into + "\" not written: No such file or directory");
    }
    fs::create_directory(folder_ / "taken.pdf");
    EXPECT_THROW(
        WriteReportPdf(AFlyback(), QString::fromStdString((folder_ / "taken.pdf").string())),
        ReportError);
    EXPECT_EQ(Output("cat '" + Pdf() + "'"), "old");
}

// A disk that fills while the report is written names the cause and leaves
// the old file whole.
TEST_F(ReportPdfTest, AFullDiskSaysSoAndKeepsTheOldFile) {
    std::ofstream(Pdf()) << "old";
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 1024;  // less than any page
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    std::string failure = "written";
    try {
        WriteReportPdf(AFlyback(), fs::path(Pdf()));
    } catch (const ReportError& error) {
        failure = error.what();
    }
    // Restored before anything else writes, the test report included.
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);
    EXPECT_EQ(failure, "Report \"" + Pdf() + "\" not written: File too large");
    EXPECT_EQ(Output("cat '" + Pdf() + "'"), "old");
}

}  // namespace
}  // namespace transcalc
