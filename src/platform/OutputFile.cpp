// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>

namespace {

// The cause of the last failed call, as a message reads it: "no space left on device".
std::string cause(int error) {
  std::string text = std::strerror(error);
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

// The descriptor a name stands for, if it names one.
std::optional<int> namedDescriptor(const std::string& name) {
  if (name == "-" || name == "/dev/stdout") return 1;
  if (name == "/dev/stderr") return 2;
  constexpr std::string_view kFd = "/dev/fd/";
  if (name.size() > kFd.size() && name.compare(0, kFd.size(), kFd) == 0) {
    int fd = -1;
    const char* first = name.data() + kFd.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, fd);
    if (error == std::errc() && end == last && fd >= 0) return fd;
  }
  return std::nullopt;
}

// Every byte, through short writes and interruptions; the errno of the failure, else 0.
int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

std::string folderOf(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return name.substr(0, slash);
}

// Writes `bytes` in place through a descriptor opened with `flags`.
std::string writeInPlace(const std::string& name, std::string_view bytes, int flags) {
  const int fd = ::open(name.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return cause(errno);
  int error = writeAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? "" : cause(error);
}

// The whole file beside the target first, then renamed over it.
std::string replaceFile(const std::string& name, std::string_view bytes, const struct stat* old) {
  std::string temporary = name + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return cause(errno);
  // A new file gets the permission bits any new file gets; a replaced one keeps its own.
  mode_t mode = 0;
  if (old != nullptr) {
    mode = old->st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  int error = writeAll(fd, bytes);
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), name.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return cause(error);
  }
  return "";
}

}  // namespace

std::string outputProblem(const std::string& name) {
  if (const std::optional<int> fd = namedDescriptor(name))
    return ::fcntl(*fd, F_GETFD) == -1 ? cause(errno) : "";
  struct stat status {};
  if (::stat(name.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) return cause(EISDIR);
    if (::access(name.c_str(), W_OK) == 0) return "";
  }
  if (::access(folderOf(name).c_str(), W_OK | X_OK) != 0) return cause(errno);
  return "";
}

std::string writeOutput(const std::string& name, std::string_view bytes) {
  if (const std::optional<int> fd = namedDescriptor(name)) {
    const int error = writeAll(*fd, bytes);
    return error == 0 ? "" : cause(error);
  }
  struct stat status {};
  const bool exists = ::stat(name.c_str(), &status) == 0;
  if (exists && S_ISDIR(status.st_mode)) return cause(EISDIR);
  if (exists && !S_ISREG(status.st_mode)) return writeInPlace(name, bytes, O_WRONLY);
  std::string replaced = replaceFile(name, bytes, exists ? &status : nullptr);
  if (replaced.empty()) return "";
  // A folder that takes no new file may still hold a file that is writable.
  if (exists && ::access(folderOf(name).c_str(), W_OK) != 0 && ::access(name.c_str(), W_OK) == 0)
    return writeInPlace(name, bytes, O_WRONLY | O_TRUNC);
  return replaced;
}

std::string replaceFileWhole(const std::string& name, std::string_view bytes) {
  struct stat status {};
  const bool exists = ::stat(name.c_str(), &status) == 0;
  if (exists && S_ISDIR(status.st_mode)) return cause(EISDIR);
  if (exists && !S_ISREG(status.st_mode)) return writeInPlace(name, bytes, O_WRONLY);
  return replaceFile(name, bytes, exists ? &status : nullptr);
}
