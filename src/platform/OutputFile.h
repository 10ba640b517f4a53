// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts finished bytes where the user named them, never leaving a damaged file behind.
//
// "-", /dev/stdout, /dev/stderr and /dev/fd/N mean a descriptor the tool was given: it is
// written in place, appending where it was opened for appending. Any other name is used as
// the bytes given, and a symbolic link is followed as the shell's `>` follows it: its target
// gets the bytes and the link stays. A regular file (or a new one) is written whole into a
// temporary file beside it (its name kept within the folder's name limit), flushed to the
// disk, given the old file's permission bits and then renamed over it; on any failure the
// temporary goes and the old file stays exactly as it was. A file the user may not write is
// never replaced. Where the folder takes no new file but the file itself is writable, the
// file is overwritten in place, and only once the room for every byte is reserved. Other
// files (a FIFO, a terminal, /dev/null) are written in place; a FIFO nobody reads is refused
// at once rather than waited for.

#include <string>
#include <string_view>

// "" when `name` can be written to as far as can be told before any work is done, else the
// cause in words ("no such file or directory", "not a directory", "file name too long",
// "permission denied").
std::string outputProblem(const std::string& name);

// Writes `bytes` to `name`; "" on success, else the cause in words.
std::string writeOutput(const std::string& name, std::string_view bytes);

// The same for a file the user picked in a window: the name is only ever a file (a pipe or a
// device is refused, "not a regular file", so the window never waits on one), and a regular
// file is never overwritten in place, so a failed write leaves the old one whole and nothing
// beside it.
std::string replaceFileWhole(const std::string& name, std::string_view bytes);
