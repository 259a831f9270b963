#include "CliDesign.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "CliOptions.h"
#include "DesignFile.h"
#include "OptionParser.h"

extern char** environ;

namespace transcalc::cli {

const char* const kDesignUsage =
    R"(  --design FILE     start from a design file (*.transcalc): its fields, core, mode,
                    catalogue core and material names and check inputs; the options
                    given on the command line still win, wherever they stand
  --save-design FILE
                    save the design that the options describe to a design file, then
                    print the results as always
  --report FILE.pdf write a one-page A4 report of the design and its results
)";

namespace {

namespace fs = std::filesystem;

constexpr char kReportProgram[] = "transcalc-report";

// The report program: beside this program first (the build tree, or both in
// one folder), then in the package's folder for helper programs, found from
// this program's folder so that any install prefix works, then where this
// build installs it.
std::string FindReportProgram() {
    std::vector<fs::path> candidates;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        candidates.push_back(self.parent_path() / kReportProgram);
        candidates.push_back(self.parent_path() / TRANSCALC_LIBEXEC_FROM_BIN / "transcalc" /
                             kReportProgram);
    }
    candidates.push_back(fs::path(TRANSCALC_LIBEXEC_DIR) / "transcalc" / kReportProgram);
    for (const fs::path& candidate : candidates) {
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate.lexically_normal().string();
        }
    }
    return {};
}

// The name the report shows: the design file's, else the saved one's, else
// the report's own.
std::string DesignName(const DesignFileOptions& files) {
    for (const std::string* path : {&files.load, &files.save, &files.report}) {
        if (!path->empty()) {
            return fs::path(*path).stem().string();
        }
    }
    return {};
}

// Runs the report program with the design's text on its standard input.
bool WriteReport(const CliOptions& options, const std::string& designText) {
    const std::string program = FindReportProgram();
    if (program.empty()) {
        std::fprintf(stderr, "transcalc-cli: report \"%s\" not written: %s not found\n",
                     options.design.report.c_str(), kReportProgram);
        return false;
    }
    std::vector<std::string> arguments = {program,
                                          "--separator",
                                          options.separator,
                                          "--name",
                                          DesignName(options.design),
                                          "--output",
                                          options.design.report,
                                          "--check",
                                          options.check.run ? "yes" : "no",
                                          "--lang",
                                          std::string(LanguageCode(options.language))};
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> list;
        for (std::string& text : texts) {
            list.push_back(text.data());
        }
        list.push_back(nullptr);
        return list;
    };
    std::vector<char*> argv = pointers(arguments);

    int input[2];
    if (::pipe2(input, O_CLOEXEC) != 0) {
        std::perror("transcalc-cli: report");
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    pid_t child = 0;
    // The program draws offscreen whatever the environment says.
    const int spawnError =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    if (spawnError != 0) {
        ::close(input[1]);
        std::fprintf(stderr, "transcalc-cli: report \"%s\" not written: %s: %s\n",
                     options.design.report.c_str(), program.c_str(), std::strerror(spawnError));
        return false;
    }
    // A program that dies early fails the write with EPIPE: main ignores
    // SIGPIPE before it asks for a report.
    std::string_view rest = designText;
    while (!rest.empty()) {
        const ssize_t written = ::write(input[1], rest.data(), rest.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            break;  // the program reports the short design itself
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    ::close(input[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // The program has said on stderr what went wrong.
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

void AddDesignOptions(OptionList& list, DesignFileOptions& files) {
    const std::pair<const char*, std::string*> paths[] = {
        {"design", &files.load},
        {"save-design", &files.save},
        {"report", &files.report},
    };
    for (const auto& path : paths) {
        list.AddText(std::string("--") + path.first, [path](const std::string& text) {
            if (text.empty()) {
                throw UsageError("--" + std::string(path.first) +
                                 " takes a file name, not an empty text");
            }
            *path.second = text;
        });
    }
}

CliOptions StartFrom(const std::string& designPath) {
    CliOptions options;
    options.design.document = LoadDesign(designPath);
    ResolveCatalogueNames(options.design.document, designPath);
    const Design& document = options.design.document;
    options.fields = document.fields;
    options.cores = document.cores;
    options.catalogue.familyCore = document.familyCore;
    options.design.coreFromFile = document.CoresShown() > 0;
    options.mode = document.mode;
    if (document.check) {
        options.check.temperature = document.check->temperature;
        options.check.current = document.check->dcCurrent;
        options.check.ripple = document.check->ripple;
        options.check.frequencyKhz = document.check->frequencyKhz;
        options.check.loadCurrent = document.check->loadCurrent;
        options.check.currentDensity = document.check->currentDensity;
        options.check.fileDrop = document.check->drop;
        options.check.fileOutputs = document.check->outputs;
        options.check.fileInputMin = document.check->inputMin;
        options.check.fileInputMax = document.check->inputMax;
    }
    return options;
}

Design DesignOf(const CliOptions& options) {
    Design design = options.design.document;
    if (options.catalogue.familyCore) {
        design.ShowFamilyCore(options.catalogue.coreName.value_or(design.catalogueCore),
                              *options.catalogue.familyCore);
    } else if (design.cores != options.cores || design.familyCore) {
        design.catalogueCore.clear();
        design.familyCore.reset();
        design.cores = options.cores;
    }
    for (const FieldInfo& info : kFields) {
        design.SetField(info.field, options.fields[info.field]);
    }
    design.mode = options.mode;
    if (options.catalogue.coreName && options.catalogue.coreHeld) {
        design.catalogueCore = *options.catalogue.coreName;
    }
    if (options.catalogue.materialName) {
        design.material = *options.catalogue.materialName;
    }
    const CheckOptions& check = options.check;
    CheckInputs converter;
    ApplyConverter(check, converter, options.language);
    if (check.temperature || check.current || check.ripple || check.frequencyKhz ||
        check.loadCurrent || check.currentDensity || converter.ConverterGiven()) {
        design.check = CheckInputs{
            .temperature = check.temperature.value_or(100),
            .dcCurrent = check.current,
            .ripple = check.ripple,
            .frequencyKhz = check.frequencyKhz,
            .loadCurrent = check.loadCurrent,
            .currentDensity = check.currentDensity.value_or(CheckInputs{}.currentDensity),
            .drop = converter.drop,
            .outputs = converter.outputs,
            .inputMin = converter.inputMin,
            .inputMax = converter.inputMax};
    } else {
        design.check.reset();
    }
    return design;
}

Design DocumentOf(const CliOptions& options) {
    const Design design = DesignOf(options);
    if (design.CoresShown() > 1) {
        throw UsageError("a design holds one core kind: give --core once");
    }
    return design;
}

bool WriteDesignFiles(const CliOptions& options) {
    const DesignFileOptions& files = options.design;
    if (files.save.empty() && files.report.empty()) {
        return true;
    }
    const Design document = DocumentOf(options);
    // A design is saved or reported only when its check could run: what the
    // command line writes, it can check.
    if (document.check) {
        try {
            ValidateCheckInputs(*document.check);
        } catch (const CheckInputError& error) {
            for (const auto& [path, what] :
                 {std::pair{&files.save, "Design file"}, std::pair{&files.report, "Report"}}) {
                if (!path->empty()) {
                    std::fprintf(stderr, "transcalc-cli: %s \"%s\" not written: %s\n", what,
                                 path->c_str(), error.what());
                }
            }
            return false;
        }
    }
    bool written = true;
    if (!files.save.empty()) {
        try {
            SaveDesign(document, files.save);
        } catch (const DocumentError& error) {
            std::fprintf(stderr, "transcalc-cli: %s\n", error.what());
            written = false;
        }
    }
    if (!files.report.empty()) {
        try {
            written = WriteReport(options, DesignText(document, files.report)) && written;
        } catch (const DocumentError& error) {
            std::fprintf(stderr, "transcalc-cli: %s\n", error.what());
            written = false;
        }
    }
    return written;
}

}  // namespace transcalc::cli
