#pragma once

// Regular files, read and replaced without surprises: a FIFO never blocks, a
// device is never read without end nor replaced, a failed save leaves the
// old file whole, and every error carries the system's reason.
//
// How the pieces fit:
//   FileFailure  a refusal or a failing system call: the errno and its text.
//   Descriptor   an open descriptor that closes itself, for the two below.
//   FileReader   reads a regular file (or the one a link points to) without
//                blocking, up to a bound of bytes; and an open descriptor
//                (standard input) up to a bound.
//   FileWriter   replaces a regular file (or the one a link points to, the
//                link staying a link) through a temporary file beside it,
//                or in place where the folder refuses one and the caller
//                allows it.

#include "Descriptor.h"
#include "FileFailure.h"
#include "FileReader.h"
#include "FileWriter.h"
