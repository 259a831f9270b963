#pragma once

#include <filesystem>

#include "DesignDocument.h"

namespace transcalc {

// Reads the design file at path. Throws DocumentError naming the file: for a
// file that is missing, unreadable, no regular file or too large, with the
// system's reason, and for every refusal of ParseDesignText.
Design LoadDesign(const std::filesystem::path& path);

// Reads a design from an open descriptor (a pipe), named source in its
// messages, held to the bound of a design file. Throws DocumentError as
// LoadDesign does.
Design ReadDesign(int descriptor, const std::string& source);

// Writes the whole design file or nothing, through files::ReplaceRegularFile:
// only a regular file (or the one a link points to) is replaced, anything
// else is refused untouched. On failure an old file at path stays as it was,
// and DocumentError names the file with the system's reason.
void SaveDesign(const Design& document, const std::filesystem::path& path);

}  // namespace transcalc
