// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputFile.h"

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <optional>

#include "platform/SignalCleanup.h"

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

std::string baseOf(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

// The longest file name the folder takes, in bytes.
std::size_t nameLimit(const std::string& folder) {
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// The file a name leads to once every symbolic link on the way is followed, as the shell's
// `>` writes it: a link stays a link and its target gets the bytes. A dangling link leads to
// the file it would make. Sets `error` (ELOOP, ...) and returns "" when there is none.
std::string finalTarget(std::string name, int& error) {
  error = 0;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat status {};
    if (::lstat(name.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return name;
    std::string link(PATH_MAX, '\0');
    const ssize_t length = ::readlink(name.c_str(), link.data(), link.size());
    if (length <= 0) {
      error = length < 0 ? errno : ENOENT;
      return {};
    }
    link.resize(static_cast<std::size_t>(length));
    if (link.front() == '/') {
      name = link;
    } else {
      name = folderOf(name);
      name += '/';
      name += link;
    }
  }
  error = ELOOP;
  return {};
}

// Why a name cannot be written as far as can be told without writing it: a missing folder,
// a file in place of a folder, a name too long, a file or folder the user may not write.
int problemWith(const std::string& target) {
  const std::string base = baseOf(target);
  if (target.size() >= PATH_MAX) return ENAMETOOLONG;
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) return EISDIR;
    // As the shell's `>` and cp do, a file the user may not write is left alone.
    if (::access(target.c_str(), W_OK) != 0) return errno;
    return 0;
  }
  if (errno != ENOENT) return errno;
  const std::string folder = folderOf(target);
  struct stat folderStatus {};
  if (::stat(folder.c_str(), &folderStatus) != 0) return errno;
  if (!S_ISDIR(folderStatus.st_mode)) return ENOTDIR;
  if (base.empty()) return EISDIR;
  if (base.size() > nameLimit(folder)) return ENAMETOOLONG;
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return errno;
  return 0;
}

std::string pipeCause(int error) {
  return error == ENXIO ? "no program is reading from it" : cause(error);
}

// Writes `bytes` to a file that is not a regular one (a FIFO, a terminal, /dev/null). The
// open never waits for a reader: a FIFO nobody reads is refused at once.
std::string writeSpecial(const std::string& name, std::string_view bytes) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return pipeCause(errno);
  // Once a reader is there, its pace sets ours, as with the shell's `>`.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags != -1) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  int error = writeAll(fd, bytes);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? "" : cause(error);
}

// Overwrites a regular file in its place, for a folder that takes no new file. Nothing is
// touched until the room for every byte is held: the file-size limit is checked and the
// space reserved first, so a full disk or a limit leaves the old file whole.
std::string overwriteInPlace(const std::string& name, std::string_view bytes) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return cause(errno);
  const auto fail = [fd](int error) {
    ::close(fd);
    return cause(error);
  };
  struct stat status {};
  if (::fstat(fd, &status) != 0) return fail(errno);
  if (!S_ISREG(status.st_mode)) return fail(EINVAL);
  const auto size = static_cast<off_t>(bytes.size());
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
      static_cast<rlim_t>(size) > limit.rlim_cur)
    return fail(EFBIG);
  if (size > status.st_size && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0) {
    if (errno != EOPNOTSUPP && errno != ENOSYS) return fail(errno);
    // A file system that cannot reserve: judge by the free space it reports.
    struct statvfs room {};
    if (::fstatvfs(fd, &room) == 0 &&
        static_cast<double>(room.f_bavail) * static_cast<double>(room.f_frsize) <
            static_cast<double>(size - status.st_size) + 65536.0)
      return fail(ENOSPC);
  }
  int error = 0;
  for (std::size_t done = 0; error == 0 && done < bytes.size();) {
    const ssize_t written =
        ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0)
      error = written < 0 ? errno : EIO;
    else
      done += static_cast<std::size_t>(written);
  }
  if (error == 0 && ::ftruncate(fd, size) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? "" : cause(error);
}

// The result of a replacement: the cause of a failure, and whether it came from the folder
// refusing the temporary file (the old file then was not touched at all).
struct Replaced {
  std::string problem;
  bool folderRefused = false;
};

// The whole file beside the target first, then renamed over it.
Replaced replaceFile(const std::string& name, std::string_view bytes, const struct stat* old) {
  // The temporary name stays within the folder's limit however long the target's is.
  const std::string folder = folderOf(name);
  std::string base = baseOf(name);
  constexpr std::string_view kSuffix = ".XXXXXX";
  const std::size_t limit = nameLimit(folder);
  if (base.size() + kSuffix.size() > limit) base.resize(limit - kSuffix.size());
  const std::size_t slash = name.rfind('/');
  std::string temporary =
      (slash == std::string::npos ? "" : name.substr(0, slash + 1)) + base + std::string(kSuffix);
  // The name is made and registered for removal with the terminating signals held, so that
  // none can come between and leave it behind.
  sigset_t terminating;
  sigset_t previous;
  sigfillset(&terminating);
  ::pthread_sigmask(SIG_BLOCK, &terminating, &previous);
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  const int made = errno;
  std::optional<SignalCleanupEntry> cleanup;
  if (fd >= 0) cleanup.emplace(temporary.c_str(), SignalCleanupEntry::Kind::File);
  ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  if (fd < 0) return {cause(made), made == EACCES || made == EPERM || made == EROFS};
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
  // The replaced file's owner stays where that is allowed (root writing a user's file), as
  // with the shell's `>`; elsewhere the new file is the writer's, as a copy would be.
  if (error == 0 && old != nullptr && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()))
    static_cast<void>(::fchown(fd, old->st_uid, old->st_gid));
  if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), name.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  cleanup->release();
  return {error == 0 ? "" : cause(error), false};
}

}  // namespace

std::string outputProblem(const std::string& name) {
  if (const std::optional<int> fd = namedDescriptor(name))
    return ::fcntl(*fd, F_GETFD) == -1 ? cause(errno) : "";
  int error = 0;
  const std::string target = finalTarget(name, error);
  if (error == 0) error = problemWith(target);
  return error == 0 ? "" : cause(error);
}

std::string writeOutput(const std::string& name, std::string_view bytes) {
  if (const std::optional<int> fd = namedDescriptor(name)) {
    const int error = writeAll(*fd, bytes);
    return error == 0 ? "" : cause(error);
  }
  int error = 0;
  const std::string target = finalTarget(name, error);
  if (error != 0) return cause(error);
  struct stat status {};
  const bool exists = ::stat(target.c_str(), &status) == 0;
  if (exists && !S_ISDIR(status.st_mode) && !S_ISREG(status.st_mode))
    return writeSpecial(target, bytes);
  if (const int problem = problemWith(target); problem != 0) return cause(problem);
  const Replaced replaced = replaceFile(target, bytes, exists ? &status : nullptr);
  // A folder that takes no new file may still hold a file the user may write.
  if (exists && replaced.folderRefused) return overwriteInPlace(target, bytes);
  return replaced.problem;
}

std::string replaceFileWhole(const std::string& name, std::string_view bytes) {
  int error = 0;
  const std::string target = finalTarget(name, error);
  if (error != 0) return cause(error);
  struct stat status {};
  const bool exists = ::stat(target.c_str(), &status) == 0;
  // A pipe or a device could keep the window waiting: only files are saved to.
  if (exists && !S_ISDIR(status.st_mode) && !S_ISREG(status.st_mode)) return "not a regular file";
  if (const int problem = problemWith(target); problem != 0) return cause(problem);
  return replaceFile(target, bytes, exists ? &status : nullptr).problem;
}
