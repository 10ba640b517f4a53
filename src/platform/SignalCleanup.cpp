// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SignalCleanup.h"

#include <limits.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>

namespace {

struct Slot {
  std::atomic<int> state{0};  // 0 free, 1 being filled or emptied, 2 file, 3 folder
  char path[PATH_MAX + 1] = {};
};

// A runtime folder and a temporary file are all a run ever holds; spare room for a few more.
std::array<Slot, 8> slots;

constexpr std::array kTerminating = {SIGHUP,  SIGINT,  SIGQUIT,   SIGPIPE, SIGALRM, SIGTERM,
                                     SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF, SIGXCPU};

// Only async-signal-safe calls: unlink, rmdir, _exit.
void cleanUpAndExit(int signal) {
  for (Slot& slot : slots) {
    const int state = slot.state.load();
    if (state == 2) ::unlink(slot.path);
    if (state == 3) ::rmdir(slot.path);
  }
  ::_exit(128 + signal);
}

}  // namespace

void endCleanlyOnSignals() {
  struct sigaction action {};
  action.sa_handler = cleanUpAndExit;
  sigemptyset(&action.sa_mask);
  // Every other terminating signal waits while the handler cleans up.
  for (const int signal : kTerminating) sigaddset(&action.sa_mask, signal);
  for (const int signal : kTerminating) {
    // A signal the caller chose to ignore (nohup) stays ignored.
    struct sigaction old {};
    if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN && signal != SIGPIPE)
      continue;
    ::sigaction(signal, &action, nullptr);
  }
}

SignalCleanupEntry::SignalCleanupEntry(const char* path, Kind kind) {
  const std::size_t length = std::strlen(path);
  if (length > PATH_MAX) return;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    int expected = 0;
    if (!slots[i].state.compare_exchange_strong(expected, 1)) continue;
    std::memcpy(slots[i].path, path, length + 1);
    slots[i].state.store(kind == Kind::File ? 2 : 3);
    slot = static_cast<int>(i);
    return;
  }
}

void SignalCleanupEntry::release() {
  if (slot >= 0) slots[static_cast<std::size_t>(slot)].state.store(0);
  slot = -1;
}

SignalCleanupEntry::~SignalCleanupEntry() {
  release();
}
