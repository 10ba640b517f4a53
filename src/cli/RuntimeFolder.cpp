// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <pthread.h>

#include <csignal>
#include <cstdlib>

bool isUsableRuntimeFolder(const std::string& path) {
  struct stat info {};
  if (path.empty() || lstat(path.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 07777) == 0700;
}

RuntimeFolder::RuntimeFolder() {
  if (const char* given = std::getenv("XDG_RUNTIME_DIR"); given && isUsableRuntimeFolder(given)) {
    chosen = given;
    return;
  }
  const std::string session = "/run/user/" + std::to_string(geteuid());
  if (isUsableRuntimeFolder(session)) {
    chosen = session;
  } else {
    // An unusable TMPDIR (missing, read-only) falls back quietly to the usual places.
    const char* tmp = std::getenv("TMPDIR");
    for (const char* parent : {tmp && *tmp ? tmp : "/tmp", "/tmp", "/var/tmp", "/dev/shm"}) {
      std::string pattern = std::string(parent) + "/zerkon-cli-XXXXXX";
      // The folder is made and registered for removal with the terminating signals held.
      sigset_t all;
      sigset_t previous;
      sigfillset(&all);
      pthread_sigmask(SIG_BLOCK, &all, &previous);
      // mkdtemp makes the folder with mode 0700, as the toolkit wants it.
      if (mkdtemp(pattern.data()) != nullptr) {
        chosen = pattern;
        made = true;
        cleanup.emplace(chosen.c_str(), SignalCleanupEntry::Kind::Folder);
      }
      pthread_sigmask(SIG_SETMASK, &previous, nullptr);
      if (made) break;
    }
    if (!made) return;
  }
  setenv("XDG_RUNTIME_DIR", chosen.c_str(), 1);
}

RuntimeFolder::~RuntimeFolder() {
  // Anything the toolkit put there is its own scratch: sockets it never opened in a batch run.
  if (made) rmdir(chosen.c_str());
}
