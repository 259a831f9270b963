// Loading the catalogue with a large user file: each line is read, checked
// and merged by name over the built-in entries.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "Catalogue.h"

namespace {

namespace fs = std::filesystem;

// A folder with a cores.tsv of `lines` cores of every kind, one in a hundred
// replacing a built-in core, removed when the benchmark ends.
class UserFolder {
public:
    explicit UserFolder(int lines) {
        std::string pattern = (fs::temp_directory_path() / "transcalc-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("no temporary folder");
        }
        folder_ = pattern;
        std::ofstream cores(folder_ / "cores.tsv", std::ios::binary);
        cores << "# name\tkind\tdimensions in mm, LETTER=value\n";
        for (int i = 0; i < lines; ++i) {
            const std::string name = i % 100 == 0 ? "E 25/13/7" : "Core " + std::to_string(i);
            switch (i % 3) {
                case 0:
                    cores << name << "\te\tA=25.05\tB=12.55\tC=7.2\tD=8.95\tE=17.9\tF=7.25\n";
                    break;
                case 1:
                    cores << name << "\tring\tA=20\tB=10\tC=7.5\n";
                    break;
                default:
                    cores << name << "\tu\tA=80\tB=75\tC=30\tD=55\tE=39\tR1=1\n";
            }
        }
    }
    UserFolder(const UserFolder&) = delete;
    UserFolder& operator=(const UserFolder&) = delete;
    ~UserFolder() { fs::remove_all(folder_); }
    const fs::path& path() const { return folder_; }

private:
    fs::path folder_;
};

void BM_LoadUserCores(benchmark::State& state) {
    const UserFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto catalogue = transcalc::catalogue::LoadCatalogue(folder.path());
        benchmark::DoNotOptimize(catalogue.cores.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadUserCores)->Arg(12'500)->Arg(150'000)->Unit(benchmark::kMillisecond);

}  // namespace
