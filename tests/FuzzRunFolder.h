#pragma once

// What the fuzzers that read files share: a check that ends the run at once,
// and a folder of the run's own, removed when the run ends.

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace transcalc::fuzz {

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class RunFolder {
public:
    RunFolder() {
        std::string name =
            (std::filesystem::temp_directory_path() / "transcalc-fuzz-XXXXXX").string();
        Require(mkdtemp(name.data()) != nullptr);
        path_ = name;
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    ~RunFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace transcalc::fuzz
