#include <cstdio>
#include <exception>

#include "CliOptions.h"
#include "CliReport.h"
#include "Design.h"

using namespace transcalc;

namespace {

// Calculate and, when it succeeds, the one results pass it arms, as a click
// on "Расчет" does in the window. An error ends the run as it ends the command.
cli::RunReport Run(const cli::CliOptions& options) {
    cli::RunReport report;
    report.state.Mode = options.mode;
    try {
        Calculate(options.fields, options.cores, report.state, report.list, options.separator);
        RunResultsPass(options.cores, report.state, report.list, options.separator);
    } catch (const std::exception& error) {
        report.error = ErrorBoxText(error.what());
    }
    return report;
}

}  // namespace

int main(int argc, char* argv[]) {
    cli::CliOptions options;
    try {
        options = cli::ParseCommandLine(argc, argv);
    } catch (const cli::UsageError& error) {
        std::fprintf(stderr, "transcalc-cli: %s\nTry 'transcalc-cli --help'.\n", error.what());
        return cli::kExitUsage;
    }
    if (options.help) {
        std::fputs(cli::kUsage, stdout);
        return cli::kExitNormal;
    }

    const cli::RunReport report = Run(options);
    if (options.json) {
        std::fputs(cli::ToJson(report).c_str(), stdout);
    } else {
        for (const std::string& line : report.list.lines) {
            std::fputs(line.c_str(), stdout);
            std::fputc('\n', stdout);
        }
        if (report.error) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s\n", report.error->c_str());
        }
    }
    return cli::ExitStatus(report);
}
