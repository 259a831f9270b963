#pragma once

#include <filesystem>

#include "DesignDocument.h"

namespace transcalc {

// Reads the design file at path. Throws DocumentError naming the file: for a
// file that is missing, unreadable, no regular file or too large, with the
// system's reason, and for every refusal of ParseDesignText.
DesignDocument LoadDesign(const std::filesystem::path& path);

// Writes the whole design file or nothing: a temporary file beside the target
// is written, synced and renamed over it. On failure the temporary file is
// removed, an old file at path stays as it was, and DocumentError names the
// file with the system's reason. A symbolic link is followed, so that the file
// it names is replaced and the link stays.
void SaveDesign(const DesignDocument& document, const std::filesystem::path& path);

}  // namespace transcalc
