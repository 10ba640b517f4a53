// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

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
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zerkon-cli-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp makes the folder with mode 0700, as the toolkit wants it.
    if (mkdtemp(name.data()) == nullptr) return;
    chosen = name.data();
    made = true;
  }
  setenv("XDG_RUNTIME_DIR", chosen.c_str(), 1);
}

RuntimeFolder::~RuntimeFolder() {
  // Anything the toolkit put there is its own scratch: sockets it never opened in a batch run.
  if (made) rmdir(chosen.c_str());
}
