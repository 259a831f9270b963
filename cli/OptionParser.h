#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace transcalc::cli {

// A command line that cannot be run; what() names the bad option.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options of the command line as plain data: each piece adds its own,
// and ParseArguments hands them all to CLI11. OptionParser.cpp is the one
// file that includes CLI11, whose header alone is slower to compile than
// any other file of the command line.
class OptionList {
public:
    enum class Kind {
        Flag,      // no value; given, *flag becomes true
        Text,      // one value, handed to take
        Repeated,  // one value each time it is given, every one kept in *texts
    };

    struct Option {
        Kind kind = Kind::Text;
        std::string names;  // "--d1,--h1": every name that sets it
        bool* flag = nullptr;
        std::function<void(const std::string&)> take;
        std::vector<std::string>* texts = nullptr;
    };

    // A value given to a flag is a usage error.
    void AddFlag(std::string name, bool& flag);
    // The value is the next argument, whatever it looks like (a field text
    // may start with '-'); given more than once, under any of its names, the
    // last counts. take runs once the whole command line is read, in the
    // order the options were added, and may throw UsageError.
    void AddText(std::string names, std::function<void(const std::string&)> take);
    void AddRepeated(std::string name, std::vector<std::string>& texts);

    const std::vector<Option>& Options() const { return options_; }

private:
    std::vector<Option> options_;
};

// Reads the arguments after the program name into the options and returns
// the options given, each under the name it was given by ("--h1", not
// "--d1"), in the order of the command line. Throws UsageError for an
// unknown option, a missing value, a value given to a flag, an argument that
// is no option's value, and what a take throws. "--gap=" gives its option an
// empty text.
std::vector<std::string> ParseArguments(const OptionList& options, int argc,
                                        const char* const argv[]);

}  // namespace transcalc::cli
