// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gives the toolkit a runtime folder it accepts, so that the batch tool never warns about one,
// never leaves one behind and never aborts over one (QT_FATAL_WARNINGS turns the warning
// into an abort).

#include <optional>
#include <string>

#include "platform/SignalCleanup.h"

class RuntimeFolder final {
 public:
  // Keeps a usable XDG_RUNTIME_DIR; else uses /run/user/<uid> when that is usable; else
  // makes a private empty folder in the temporary folder (else in /tmp, /var/tmp or /dev/shm)
  // for the life of this object, removed too when a signal ends the run. Only this process's
  // environment changes.
  RuntimeFolder();
  ~RuntimeFolder();
  RuntimeFolder(const RuntimeFolder&) = delete;
  RuntimeFolder& operator=(const RuntimeFolder&) = delete;

  // What XDG_RUNTIME_DIR names now, "" when no folder could be had.
  const std::string& path() const { return chosen; }

 private:
  std::string chosen;  // the folder in use
  bool made = false;   // whether this object made it, and so removes it
  // Removes a made folder when a signal ends the run.
  std::optional<SignalCleanupEntry> cleanup;
};

// Whether `path` is a runtime folder as the toolkit wants one: a real folder, not a link,
// owned by this user and open to nobody else (mode 0700).
bool isUsableRuntimeFolder(const std::string& path);
