// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the process at once on a terminating signal, leaving no temporary file or private
// folder behind, with the conventional exit status 128 + the signal.
//
// The handler removes what is registered here and calls _exit, so a signal takes effect
// whatever the process waits on (a pipe without a reader, a long computation, a slow disk).

// Installs the handler for SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGALRM, SIGTERM, SIGUSR1,
// SIGUSR2, SIGVTALRM, SIGPROF and SIGXCPU. A broken pipe then ends the process quietly.
void endCleanlyOnSignals();

// Names a file (or an empty folder) for the handler to remove while this object lives. The
// name is copied; an over-long name is not registered. At most a few entries at a time.
class SignalCleanupEntry final {
 public:
  enum class Kind { File, Folder };
  SignalCleanupEntry(const char* path, Kind kind);
  ~SignalCleanupEntry();
  SignalCleanupEntry(const SignalCleanupEntry&) = delete;
  SignalCleanupEntry& operator=(const SignalCleanupEntry&) = delete;

  // The entry's removal is no longer wanted (the file was renamed into place).
  void release();

 private:
  int slot = -1;  // index into the handler's table, -1 when none
};
