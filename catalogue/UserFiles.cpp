#include "UserFiles.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#include "EntryLines.h"

namespace transcalc::catalogue {
namespace {

namespace fs = std::filesystem;

// The text of a file; nothing when it is absent, or with a message when it
// cannot serve as a catalogue file. The type is checked first so that a FIFO
// or a device never blocks or floods the start.
std::optional<std::string> ReadUserFile(const fs::path& path, Messages& messages) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        return std::nullopt;
    }
    const std::string name = path.string();
    if (!fs::is_regular_file(status)) {
        messages.push_back(name + ": not a regular file, not read");
        return std::nullopt;
    }
    if (fs::file_size(path, error) > kUserFileLimit) {
        messages.push_back(name + ": larger than 4 MiB, not read");
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file && !file.eof()) {
        messages.push_back(name + ": cannot be read");
        return std::nullopt;
    }
    return text;
}

template <typename Entry>
void MergeByName(std::vector<Entry>& entries, std::vector<Entry> added) {
    for (Entry& entry : added) {
        auto same = [&](const Entry& known) { return known.name == entry.name; };
        if (auto known = std::find_if(entries.begin(), entries.end(), same);
            known != entries.end()) {
            *known = std::move(entry);
        } else {
            entries.push_back(std::move(entry));
        }
    }
}

template <typename Entry, typename Read>
void AddFile(std::vector<Entry>& entries, const fs::path& path, Messages& messages, Read read) {
    if (const std::optional<std::string> text = ReadUserFile(path, messages)) {
        MergeByName(entries, read(*text, path.string(), messages));
    }
}

}  // namespace

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
