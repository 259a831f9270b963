#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "Entries.h"
#include "EntryLines.h"

namespace transcalc::catalogue {

// The user's own catalogue files, in the format of the built-in ones.
inline constexpr std::string_view kCoresFile = "cores.tsv";
inline constexpr std::string_view kMaterialsFile = "materials.tsv";
inline constexpr std::string_view kWiresFile = "wires.tsv";

// A user file larger than this is not read: room for 150 000 lines of cores
// with every letter, and a bound for what a FIFO or a huge file costs.
inline constexpr std::uintmax_t kUserFileLimit = 16 * 1024 * 1024;

// The folder of the user's catalogue files: $XDG_DATA_HOME/transcalc, else
// $HOME/.local/share/transcalc; empty when neither variable is set.
std::filesystem::path UserDataFolder();

// The text of a user file; nothing when it is absent, or with a message when
// it cannot serve as a catalogue file. A FIFO or a device never blocks or
// floods the start: only a regular file is read, and only up to the limit.
std::optional<std::string> UserFileText(const std::filesystem::path& path, Messages& messages);

// Reads the user files of the folder that exist into the catalogue: an entry
// with the name of one already there replaces it in its place, any other is
// added at the end. Every problem becomes a message; nothing is printed.
// Only the files of the chosen parts are read.
void AddUserFiles(Catalogue& catalogue, const std::filesystem::path& folder, Parts parts = {});

}  // namespace transcalc::catalogue
