// transcalc-report: draws the report of the design on standard input into a
// PDF file. transcalc-cli runs it for --report, so that the command line
// itself needs no Qt.
//   transcalc-report --separator C --name NAME --output FILE.pdf [--lang en] < design

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <QDate>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Catalogue.h"
#include "CheckInputs.h"
#include "CheckReport.h"
#include "DesignDocument.h"
#include "DesignFile.h"
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
    char* program = nullptr;  // argv[0], for Qt
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

// Draws the page; throws what the design or the page cannot get past.
void WriteReport(const Arguments& arguments) {
    // Bounded like every other reader: a pipe without end is no design.
    transcalc::Design document = transcalc::ReadDesign(STDIN_FILENO, "standard input");
    const bool check = arguments.check == "yes";
    // Inputs the check refuses are the design's fault, named as such.
    if (check) {
        try {
            transcalc::ValidateCheckInputs(document.check.value_or(transcalc::CheckInputs{}));
        } catch (const transcalc::CheckInputError& error) {
            throw transcalc::DocumentError("Design file \"standard input\": " +
                                           std::string(error.what()));
        }
    }
    // The page is drawn offscreen whatever the environment or the arguments
    // ask: a name such as "-platform" never reaches Qt, and no display is
    // needed, nor used when there is one.
    int qtArgc = 3;
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* qtArgv[] = {arguments.program, platformOption, platform, nullptr};
    QGuiApplication application(qtArgc, qtArgv);
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
        check ? transcalc::catalogue::CatalogueCoreLetters(transcalc::catalogue::SharedCatalogue(),
                                                           document, arguments.separator)
              : std::nullopt,
        arguments.language);
    if (check) {
        AddCheck(document, run, arguments.separator, content);
    }
    // The name's bytes as given: not every name is UTF-8.
    transcalc::WriteReportPdf(content, std::filesystem::path(arguments.output));
}

}  // namespace

// Every failure ends in a message and an exit status, never in an abort.
int main(int argc, char* argv[]) {
    try {
        Arguments arguments;
        if (!ParseArguments(argc, argv, arguments)) {
            std::fputs(
                "Usage: transcalc-report --separator , --name NAME --output FILE.pdf "
                "[--check yes] < design\n",
                stderr);
            return kExitUsage;
        }
        arguments.program = argv[0];
        WriteReport(arguments);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "transcalc-report: %s\n", error.what());
    } catch (...) {
        std::fputs("transcalc-report: the report failed\n", stderr);
    }
    return kExitError;
}
