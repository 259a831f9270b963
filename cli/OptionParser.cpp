#include "OptionParser.h"

#include <CLI/CLI.hpp>
#include <string_view>
#include <utility>

namespace transcalc::cli {

void OptionList::AddFlag(std::string name, bool& flag) {
    options_.push_back({.kind = Kind::Flag, .names = std::move(name), .flag = &flag});
}

void OptionList::AddText(std::string names, std::function<void(const std::string&)> take) {
    options_.push_back({.kind = Kind::Text, .names = std::move(names), .take = std::move(take)});
}

void OptionList::AddRepeated(std::string name, std::vector<std::string>& texts) {
    options_.push_back({.kind = Kind::Repeated, .names = std::move(name), .texts = &texts});
}

namespace {

// The two usage errors that the parser finds itself, in this program's
// words: "--gap: 1 required TEXT missing" (only the last argument can lack
// its value, as any next argument is taken) and "json was given a disallowed
// flag override" (a flag given a value).
std::string UsageText(const CLI::ParseError& error) {
    const std::string text = error.what();
    if (const auto at = text.find(": 1 required "); at != std::string::npos) {
        return text.substr(0, at) + " needs a value";
    }
    if (const auto at = text.find(" was given a disallowed flag override");
        at != std::string::npos) {
        return "--" + text.substr(0, at) + " takes no value";
    }
    return text;
}

// The arguments as the parser takes them, last first. "--gap=" gives its
// option an empty text here, which the parser would take from the next
// argument instead.
std::vector<std::string> ParserArguments(int argc, const char* const argv[]) {
    std::vector<std::string> arguments;
    for (int i = argc - 1; i >= 1; --i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--") && argument.find('=') == argument.size() - 1) {
            arguments.emplace_back();
            arguments.emplace_back(argument.substr(0, argument.size() - 1));
        } else {
            arguments.emplace_back(argument);
        }
    }
    return arguments;
}

// The option that a name given on the command line stands for, if any.
const OptionList::Option* Named(const OptionList& options, std::string_view name) {
    for (const OptionList::Option& option : options.Options()) {
        for (std::string_view names = option.names; !names.empty();) {
            const std::size_t comma = names.find(',');
            if (names.substr(0, comma) == name) {
                return &option;
            }
            names = comma == std::string_view::npos ? "" : names.substr(comma + 1);
        }
    }
    return nullptr;
}

// The names of the options given, from a command line that the parser took:
// every option but a flag takes the next argument unless it holds '='.
std::vector<std::string> GivenNames(const OptionList& options, int argc, const char* const argv[]) {
    std::vector<std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::string_view name = argument.substr(0, argument.find('='));
        const OptionList::Option* option = Named(options, name);
        if (option == nullptr) {
            continue;
        }
        given.emplace_back(name);
        if (option->kind != OptionList::Kind::Flag && name.size() == argument.size()) {
            ++i;
        }
    }
    return given;
}

}  // namespace

std::vector<std::string> ParseArguments(const OptionList& options, int argc,
                                        const char* const argv[]) {
    CLI::App app;
    app.set_help_flag();  // the program prints its own usage
    app.allow_extras();   // reported below, in this program's words
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    for (const OptionList::Option& option : options.Options()) {
        switch (option.kind) {
            case OptionList::Kind::Flag:
                app.add_flag(option.names, *option.flag)->disable_flag_override();
                break;
            case OptionList::Kind::Text:
                app.add_option_function<std::string>(option.names, option.take);
                break;
            case OptionList::Kind::Repeated:
                app.add_option(option.names, *option.texts)
                    ->allow_extra_args(false)
                    ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
                break;
        }
    }
    try {
        app.parse(ParserArguments(argc, argv));
    } catch (const CLI::ParseError& error) {
        throw UsageError(UsageText(error));
    }
    if (const std::vector<std::string> extra = app.remaining(); !extra.empty()) {
        if (extra.front().starts_with("--")) {
            throw UsageError("unknown option '" + extra.front().substr(0, extra.front().find('=')) +
                             "'");
        }
        throw UsageError("unexpected argument '" + extra.front() + "'");
    }
    return GivenNames(options, argc, argv);
}

}  // namespace transcalc::cli
