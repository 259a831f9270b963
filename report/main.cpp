// transcalc-report: draws the report of the design on standard input into a
// PDF file. transcalc-cli runs it for --report, so that the command line
// itself needs no Qt.
//   transcalc-report --separator C --name NAME --output FILE.pdf [--lang en] < design

#include <CLI/CLI.hpp>
#include <QDate>
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string>

#include "Catalogue.h"
#include "CheckReport.h"
#include "DesignDocument.h"
#include "Report.h"

namespace {

constexpr int kExitError = 2;
constexpr int kExitUsage = 64;

struct Arguments {
    std::string separator;
    std::string name;
    std::string output;
    std::string check = "no";  // "yes": the page shows the design check
    transcalc::Language language = transcalc::Language::Russian;
};

// The separator and the output file are needed; anything amiss is a usage
// error. Given twice, an option's last value counts.
bool ParseArguments(int argc, char* argv[], Arguments& arguments) {
    CLI::App app;
    app.set_help_flag();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("--separator", arguments.separator)
        ->required()
        ->check(CLI::IsMember({",", "."}));
    app.add_option("--name", arguments.name);
    app.add_option("--output", arguments.output)->required()->check([](const std::string& path) {
        return path.empty() ? std::string("no file name") : std::string();
    });
    app.add_option("--check", arguments.check)->check(CLI::IsMember({"yes", "no"}));
    std::string language = "ru";
    app.add_option("--lang", language)->check(CLI::IsMember({"ru", "en"}));
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError&) {
        return false;
    }
    arguments.language = transcalc::LanguageOfCode(language).value_or(transcalc::kDefaultLanguage);
    return true;
}

// The check's inputs and material as the design keeps them.
void AddCheck(const transcalc::Design& document, const transcalc::DesignRun& run,
              const std::string& separator, transcalc::ReportContent& content) {
    const transcalc::CheckInputs inputs = document.check.value_or(transcalc::CheckInputs{});
    const transcalc::Material* material =
        document.material.empty() ? nullptr
                                  : transcalc::catalogue::FindMaterial(
                                        transcalc::catalogue::SharedCatalogue(), document.material);
    transcalc::AddCheckToReport(
        content, run, material, inputs,
        transcalc::catalogue::RoundWires(transcalc::catalogue::SharedCatalogue()), separator);
}

}  // namespace

int main(int argc, char* argv[]) {
    Arguments arguments;
    if (!ParseArguments(argc, argv, arguments)) {
        std::fputs(
            "Usage: transcalc-report --separator , --name NAME --output FILE.pdf "
            "[--check yes] < design\n",
            stderr);
        return kExitUsage;
    }
    const std::string text{std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>()};
    QGuiApplication application(argc, argv);
    try {
        transcalc::Design document = transcalc::ParseDesignText(text, "standard input");
        const auto catalogue = []() -> const transcalc::catalogue::Catalogue& {
            return transcalc::catalogue::SharedCatalogue();
        };
        // The page never names what the catalogue lacks.
        for (const std::string& message : transcalc::catalogue::ResolveCatalogueNames(
                 document, "standard input", catalogue, catalogue)) {
            std::fprintf(stderr, "transcalc-report: %s\n", message.c_str());
        }
        const std::string date =
            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
        transcalc::DesignRun run;
        transcalc::ReportContent content = transcalc::ReportOf(
            document, arguments.name, date, arguments.separator, &run,
            arguments.check == "yes"
                ? transcalc::catalogue::CatalogueCoreLetters(
                      transcalc::catalogue::SharedCatalogue(), document, arguments.separator)
                : std::nullopt,
            arguments.language);
        if (arguments.check == "yes") {
            AddCheck(document, run, arguments.separator, content);
        }
        // The name's bytes as given: not every name is UTF-8.
        transcalc::WriteReportPdf(content, std::filesystem::path(arguments.output));
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "transcalc-report: %s\n", error.what());
        return kExitError;
    }
    return 0;
}
