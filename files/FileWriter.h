#pragma once

#include <filesystem>
#include <string_view>

#include "FileFailure.h"

namespace transcalc::files {

// Whether a file may be rewritten in place when its folder refuses the
// temporary file (EACCES) but the file itself may be written. In place, a
// failure part way can leave the file cut short: only the state file, which
// the window must be able to save wherever it was started, allows it.
enum class InPlace { Never, WhenFolderRefuses };

// Replaces the file at path with bytes, whole or not at all. Only a regular
// file, or the regular file that a chain of symbolic links ends in, is
// replaced (the links stay links); a name that does not exist yet, or a link
// to one, gets a new file. Anything else in the way (a folder, FIFO, device or
// socket) is refused before it is touched.
//
// The bytes go to a temporary file in the target's folder, named ".tc" and
// six random characters so that any legal target name fits; every write's
// count is checked, the file is synced and renamed over the target, then the
// folder is synced. The old file keeps its mode and, where the system lets
// it, its owner. On any failure the temporary file is removed, the old file
// stays whole, and FileFailure carries the system's reason.
void ReplaceRegularFile(const std::filesystem::path& path, std::string_view bytes,
                        InPlace inPlace = InPlace::Never);

}  // namespace transcalc::files
