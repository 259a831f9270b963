#pragma once

// Designs as documents: one design per file, to keep, send and reopen.
//
// How the pieces fit:
//   DesignDocument  a Design (design/model/DesignModel.h: field texts as typed,
//                   core kind, mode text, catalogue core and material names,
//                   check inputs) as text: JSON through nlohmann-json, keys in
//                   a fixed order, numbers that read back to the same double;
//                   versioned, strict about what it needs, silent about keys
//                   it does not know.
//   DesignFile      loading and the whole-or-nothing save, with the file's
//                   name and the system's reason in every error.
//
// The state file of the window (state/) is another thing: it keeps the window
// as it was last closed, in the working folder, and never meets a design file.

#include "DesignDocument.h"
#include "DesignFile.h"
