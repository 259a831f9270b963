#include <csignal>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CheckText.h"
#include "CliOptions.h"
#include "CliReport.h"
#include "ConverterRun.h"
#include "DesignDocument.h"
#include "DesignRun.h"
#include "WindingText.h"

using namespace transcalc;

namespace {

// The material of the check: the one named on the command line, else the
// one the design file names.
const Material* CheckMaterialOf(const cli::CliOptions& options) {
    const std::string name =
        options.catalogue.materialName.value_or(options.design.document.material);
    return name.empty() ? nullptr : &cli::CheckMaterial(name);
}

// The letters of the catalogue core that the design names, on the command
// line or in its design file, while its fields still hold them.
std::optional<CoreLetters> CheckLettersOf(const cli::CliOptions& options, const Design& design) {
    if (!options.check.run || design.catalogueCore.empty()) {
        return std::nullopt;
    }
    return cli::CheckCoreLetters(design, options.separator);
}

int Run(int argc, char* argv[]) {
    cli::CliOptions options;
    try {
        options = cli::ParseCommandLine(argc, argv);
    } catch (const cli::UsageError& error) {
        std::fprintf(stderr, "transcalc-cli: %s\nTry 'transcalc-cli --help'.\n", error.what());
        return cli::kExitUsage;
    } catch (const DocumentError& error) {
        // A design file that cannot be read is bad input, as a bad option is.
        std::fprintf(stderr, "transcalc-cli: %s\n", error.what());
        return cli::kExitUsage;
    }
    if (options.help) {
        std::fputs(cli::kUsage, stdout);
        std::fputs(cli::kCheckUsage, stdout);
        std::fputs(cli::kAdviseUsage, stdout);
        std::fputs(cli::kDesignUsage, stdout);
        std::fputs(cli::kUsageEnd, stdout);
        return cli::kExitNormal;
    }
    if (options.catalogue.list) {
        std::fputs(cli::CatalogueListing(options.catalogue, options.families, options.json).c_str(),
                   stdout);
        return cli::kExitNormal;
    }

    if (options.advise.run) {
        return cli::RunAdvise(options);
    }

    const Design design = cli::DesignOf(options);
    const DesignRun report =
        RunDesign(design, options.separator, CheckLettersOf(options, design), options.language);
    std::optional<DesignCheck> check;
    std::optional<WindingCheck> windings;
    std::optional<ConverterRun> converter;
    if (options.check.run) {
        try {
            const CheckInputs inputs = cli::InputsOf(options.check, options.language);
            check = RunDesignCheck(report.checked, CheckMaterialOf(options), inputs);
            windings = RunWindingCheck(report, *check, inputs, cli::CheckWires());
            if (!check->nothingToCheck) {
                converter =
                    RunConverter(report, CheckMaterialOf(options), inputs, cli::CheckWires());
                if (!converter->plan.inUse) {
                    converter.reset();
                } else {
                    // Judged by the worse end of the input range.
                    check = converter->check.Worse();
                    windings = converter->WorseWindings();
                }
            }
        } catch (const cli::UsageError& error) {
            std::fprintf(stderr, "transcalc-cli: %s\n", error.what());
            return cli::kExitUsage;
        } catch (const CheckInputError& error) {
            std::fprintf(stderr, "transcalc-cli: %s\n", error.In(options.language).c_str());
            return cli::kExitUsage;
        }
    }
    if (options.json) {
        nlohmann::ordered_json json = cli::ReportJson(report, check, windings, options.language);
        if (converter) {
            cli::AddConverterJson(json, *converter);
        }
        std::fputs(cli::JsonLine(json).c_str(), stdout);
    } else {
        const auto print = [](const std::vector<std::string>& lines) {
            for (const std::string& line : lines) {
                std::fputs(line.c_str(), stdout);
                std::fputc('\n', stdout);
            }
        };
        print(report.list.lines);
        if (check) {
            std::fputc('\n', stdout);
            print(CheckTextLines(*check, options.separator, options.language));
            // With nothing to check the check's own line has said why.
            if (!check->nothingToCheck) {
                std::fputc('\n', stdout);
                print(WindingTextLines(*windings, options.separator, options.language));
            }
            if (converter) {
                std::fputc('\n', stdout);
                print(ConverterTextLines(*converter, options.separator, options.language));
            }
        }
        if (report.error) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s\n", report.error->c_str());
        }
    }
    std::fflush(stdout);
    // The report program reads the design from a pipe: should it end early,
    // the write must fail rather than end this program. Only now, so that a
    // standard output closed early still ends it as before.
    if (!options.design.report.empty()) {
        std::signal(SIGPIPE, SIG_IGN);
    }
    if (!cli::WriteDesignFiles(options)) {
        return cli::kExitError;
    }
    return cli::ExitStatus(report);
}

}  // namespace

// Whatever goes wrong ends in a message and an exit status, never an abort.
int main(int argc, char* argv[]) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "transcalc-cli: %s\n", error.what());
    }
    return cli::kExitError;
}
