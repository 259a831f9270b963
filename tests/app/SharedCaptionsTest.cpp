// The windings' and the adviser's tables as the window, the command line and
// the report show them: every caption is the one definition's
// (WindingColumns.h, AdviserTable.h), in either language.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "AdviserDialog.h"
#include "AdviserTable.h"
#include "Catalogue.h"
#include "CheckFixture.h"
#include "CheckReport.h"
#include "Report.h"
#include "WindingColumns.h"
#include "WindingText.h"
#include "WindingsPanel.h"
#include "WindowLanguage.h"

namespace {

using namespace transcalc;
using Captions = std::vector<std::string>;

std::string Output(const std::string& command) {
    std::string text;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return text;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    ::pclose(pipe);
    return text;
}

template <std::size_t N>
Captions Defined(const std::array<TableColumn, N>& columns, Language language) {
    Captions captions;
    for (const TableColumn& column : columns) {
        captions.push_back(ColumnCaption(column, language));
    }
    return captions;
}

// The command line's adviser table: its first line, cut at the gaps of two
// blanks or more between the columns.
Captions CommandLineAdviserCaptions(Language language) {
    const std::string out =
        Output(std::string("'") + TRANSCALC_CLI +
               "' --advise --mode push-pull --vin 24 --vout 12 --freq 100 --core u --core pq "
               "--material N87 --load-current 5 --limit 1 --lang " +
               std::string(LanguageCode(language)));
    const std::string header = out.substr(0, out.find('\n'));
    Captions captions;
    for (std::size_t at = 0; at < header.size();) {
        const std::size_t gap = std::min(header.find("  ", at), header.size());
        captions.push_back(header.substr(at, gap - at));
        at = std::min(header.find_first_not_of(' ', gap), header.size());
    }
    return captions;
}

// Whether the page's text holds the captions one after the other.
bool InOrder(const std::string& text, const Captions& captions) {
    std::size_t at = 0;
    for (const std::string& caption : captions) {
        at = text.find(caption, at);
        if (at == std::string::npos) {
            return false;
        }
        at += caption.size();
    }
    return true;
}

class SharedCaptionsTest : public testing::TestWithParam<Language> {
protected:
    void SetUp() override { ApplyWindowLanguage(GetParam()); }
    void TearDown() override { ApplyWindowLanguage(Language::Russian); }
};

// The E 25 push-pull of 60 W, its windings wound for the report's table.
TEST_P(SharedCaptionsTest, TheWindingsTable) {
    const Language language = GetParam();
    const Captions defined = Defined(kWindingColumns, language);

    const WindingsPanel panel;
    Captions window;
    for (int column = 0; column < WindingsPanel::kColumns; ++column) {
        const auto* head = panel.findChild<QLabel*>(QStringLiteral("windingsHead%1").arg(column));
        ASSERT_NE(head, nullptr) << column;
        window.push_back(head->text().toStdString());
    }
    EXPECT_EQ(window, defined);

    const Design design = testing_support::E25Design(kModePushPull);
    const DesignRun run = RunDesign(design, ",");
    const Material material = testing_support::N87();
    ReportContent content;
    content.language = language;
    AddCheckToReport(content, run, &material, CheckInputs{.loadCurrent = 5},
                     testing_support::GradeOneWires(), ",");
    ASSERT_FALSE(content.windings.rows.empty());
    EXPECT_EQ(content.windings.columns, defined);

    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("windings.pdf"));
    WriteReportPdf(content, pdf);
    const std::string page = Output("pdftotext -layout '" + pdf.toStdString() + "' -");
    EXPECT_TRUE(InOrder(page, defined)) << page;
}

TEST_P(SharedCaptionsTest, TheAdviserTable) {
    const Language language = GetParam();
    const Captions defined = Defined(kAdviserColumns, language);

    AdviserInputs inputs;
    inputs.separator = ",";
    AdviserDialog dialog(catalogue::SharedCatalogue(), inputs, [](const QString&) {});
    const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("adviserTable"));
    ASSERT_NE(table, nullptr);
    Captions window;
    for (int column = 0; column < table->columnCount(); ++column) {
        window.push_back(table->horizontalHeaderItem(column)->text().toStdString());
    }
    EXPECT_EQ(window, defined);

    EXPECT_EQ(CommandLineAdviserCaptions(language), defined);
}

INSTANTIATE_TEST_SUITE_P(Languages, SharedCaptionsTest,
                         testing::Values(Language::Russian, Language::English),
                         [](const testing::TestParamInfo<Language>& info) {
                             return std::string(LanguageCode(info.param));
                         });

}  // namespace
