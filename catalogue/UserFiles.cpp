#include "UserFiles.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "EntryLines.h"
#include "FileReader.h"

namespace transcalc::catalogue {
namespace {

namespace fs = std::filesystem;

// Linear in both lists: the entries are indexed by name once, and each added
// entry either replaces the one of its name in place or joins at the end.
template <typename Entry>
void MergeByName(std::vector<Entry>& entries, std::vector<Entry> added) {
    std::unordered_map<std::string, std::size_t> index;
    index.reserve(entries.size() + added.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        index.try_emplace(entries[i].name, i);
    }
    entries.reserve(entries.size() + added.size());
    for (Entry& entry : added) {
        const auto [known, inserted] = index.try_emplace(entry.name, entries.size());
        if (inserted) {
            entries.push_back(std::move(entry));
        } else {
            entries[known->second] = std::move(entry);
        }
    }
}

template <typename Entry, typename Read>
void AddFile(std::vector<Entry>& entries, const fs::path& path, Messages& messages, Read read) {
    if (const std::optional<std::string> text = UserFileText(path, messages)) {
        MergeByName(entries, read(*text, path.string(), messages));
    }
}

}  // namespace

std::optional<std::string> UserFileText(const fs::path& path, Messages& messages) {
    const std::string name = path.string();
    files::FileText file;
    try {
        file = files::ReadFileText(path, kUserFileLimit);
    } catch (const files::FileFailure& failure) {
        messages.push_back(name + ": " +
                           (failure.NotRegular() ? "not a regular file" : failure.what()) +
                           ", not read");
        return std::nullopt;
    }
    if (file.cut) {
        messages.push_back(name + ": larger than " + std::to_string(kUserFileLimit >> 20) +
                           " MiB, not read");
        return std::nullopt;
    }
    if (!file.found) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

fs::path UserDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && *data == '/') {
        return fs::path(data) / "transcalc";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return fs::path(home) / ".local" / "share" / "transcalc";
    }
    return {};
}

void AddUserFiles(Catalogue& catalogue, const fs::path& folder, Parts parts) {
    if (folder.empty()) {
        return;
    }
    if (parts.cores) {
        AddFile(catalogue.cores, folder / kCoresFile, catalogue.messages, ReadCores);
    }
    if (parts.materials) {
        AddFile(catalogue.materials, folder / kMaterialsFile, catalogue.messages, ReadMaterials);
    }
    if (parts.wires) {
        AddFile(catalogue.wires, folder / kWiresFile, catalogue.messages, ReadWires);
    }
}

}  // namespace transcalc::catalogue
