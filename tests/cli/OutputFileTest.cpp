// SPDX-License-Identifier: GPL-3.0-or-later
// What render leaves on disk when the write fails or the name is unusual: the old file
// whole, no temporary beside it, the one open descriptor written in place, links followed,
// pipes never waited on, protected files left alone.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct Case {
  const char* what;
  const char* setUp;    // shell commands run in an empty folder first
  const char* command;  // "$CLI" is the tool
  int exitCode;
  const char* file;        // the file checked afterwards
  const char* startsWith;  // its first bytes
  const char* message;     // on stderr; "" when nothing may be said; "*..." its end
};

const Case kCases[] = {
    {"a write past the file-size limit keeps the old file", "echo old > keep.png",
     "trap '' XFSZ; ulimit -f 8; exec \"$CLI\" render keep.png", 2, "keep.png", "old\n",
     "zerkon-cli: cannot write 'keep.png': file too large\n"},
    {"/dev/stdout appends to what it was opened for", "echo 'log line' > app.log",
     "\"$CLI\" render /dev/stdout >> app.log", 0, "app.log", "log line\n\x89PNG", ""},
    {"a descriptor by number", "echo 'log line' > app.log", "\"$CLI\" render /dev/fd/7 7>> app.log",
     0, "app.log", "log line\n\x89PNG", ""},
    {"a name that is not UTF-8 is used as given", "", "\"$CLI\" render $'\\xff\\xfe.png'", 0,
     "\xff\xfe.png", "\x89PNG", ""},
    {"a missing folder fails at once", "", "\"$CLI\" --ticks 100000 render none/x.png", 2, "", "",
     "zerkon-cli: cannot write 'none/x.png': no such file or directory\n"},
    {"a newline in a name cannot fake a second line", "",
     "\"$CLI\" render $'none\\nzerkon-cli: fine/x.png'", 2, "", "",
     "zerkon-cli: cannot write 'none\\x0azerkon-cli: fine/x.png': no such file or directory\n"},
    {"a file in place of a folder is named as such", "echo old > f.png",
     "\"$CLI\" --ticks 100000 render f.png/x", 2, "f.png", "old\n",
     "zerkon-cli: cannot write 'f.png/x': not a directory\n"},
    {"a link's target is written and the link stays", "echo old > t.png; ln -s t.png l.png",
     "\"$CLI\" render l.png && test -L l.png", 0, "t.png", "\x89PNG", ""},
    {"a dangling link makes its target", "ln -s made.png l.png",
     "\"$CLI\" render l.png && test -L l.png", 0, "made.png", "\x89PNG", ""},
    {"a name of 255 bytes is written", "",
     "\"$CLI\" render \"$(printf 'a%.0s' {1..251}).png\" && mv a*.png long.png", 0, "long.png",
     "\x89PNG", ""},
    {"a name over 255 bytes fails before the work", "",
     "timeout 10 \"$CLI\" --ticks 100000 render \"$(printf 'a%.0s' {1..252}).png\"", 2, "", "",
     "*.png': file name too long\n"},
    {"a FIFO nobody reads is refused at once", "mkfifo p", "timeout 10 \"$CLI\" render p", 2, "",
     "", "zerkon-cli: cannot write 'p': no program is reading from it\n"},
    {"a signal ends a write a reader never takes", "mkfifo p",
     "sleep 30 < p & r=$!; \"$CLI\" --json tracers > p & c=$!; sleep 2; kill -USR1 $c; "
     "timeout 5 tail --pid=$c -f /dev/null; s=$?; wait $c; t=$?; kill $r; [ $s = 0 ] && exit $t",
     128 + SIGUSR1, "", "", ""},
    {"a broken pipe ends quietly", "",
     "\"$CLI\" --json tracers | head -c 1 >/dev/null; "
     "exit ${PIPESTATUS[0]}",
     128 + SIGPIPE, "", "", ""},
};

// Cases run as a user other than root, for whom permission bits count.
const Case kUserCases[] = {
    {"a write-protected file is not replaced", "echo old > prot.png; chmod 444 prot.png",
     "\"$CLI\" render prot.png", 2, "prot.png", "old\n",
     "zerkon-cli: cannot write 'prot.png': permission denied\n"},
    {"a protected folder's writable file is overwritten in place",
     "mkdir ro; echo old > ro/w.png; "
     "chmod 666 ro/w.png; chmod 555 ro",
     "\"$CLI\" render ro/w.png", 0, "ro/w.png", "\x89PNG", ""},
    {"an in-place write that cannot fit leaves the file whole",
     "mkdir ro; echo old > ro/w.png; "
     "chmod 666 ro/w.png; chmod 555 ro",
     "trap '' XFSZ; ulimit -f 8; exec \"$CLI\" render ro/w.png", 2, "ro/w.png", "old\n",
     "zerkon-cli: cannot write 'ro/w.png': file too large\n"},
    {"a folder the user may not write takes no new file", "mkdir ro; chmod 555 ro",
     "\"$CLI\" --ticks 100000 render ro/new.png", 2, "", "",
     "zerkon-cli: cannot write 'ro/new.png': permission denied\n"},
};

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs every case in a fresh folder, `prefix` before the shell (another user, say).
void runCases(const Case* first, const Case* last, const std::string& prefix) {
  for (const Case* it = first; it != last; ++it) {
    const Case& c = *it;
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    ::chmod(folder.c_str(), 0777);
    QFile script(dir.filePath(QStringLiteral("case.sh")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write((std::string("cd \"$1\" || exit 1\n") + c.setUp +
                  "\nCLI='" ZERKON_CLI_PATH "'\n( " + c.command +
                  " ) 2> err.txt\necho $? > status.txt\n")
                     .c_str());
    script.close();
    ASSERT_EQ(std::system((prefix + "bash '" + folder + "/case.sh' '" + folder + "'").c_str()), 0);
    EXPECT_EQ(contents(dir.filePath("status.txt")).trimmed().toInt(), c.exitCode);
    const std::string said = contents(dir.filePath("err.txt")).toStdString();
    if (c.message[0] == '*')
      EXPECT_TRUE(said.ends_with(c.message + 1) && said.find('\n') == said.size() - 1) << said;
    else
      EXPECT_EQ(said, c.message);
    if (c.file[0] != '\0') {
      // Opened by its bytes: Qt cannot decode every name.
      std::ifstream in(folder + "/" + c.file, std::ios::binary);
      const QByteArray bytes = QByteArray::fromStdString(
          std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
      EXPECT_TRUE(bytes.startsWith(c.startsWith)) << bytes.left(16).toHex().toStdString();
    }
    // Nothing but what the case made: no temporary file left beside the target.
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot))
      EXPECT_FALSE(name.contains(QLatin1String(".png."))) << name.toStdString();
    // A name Qt cannot decode is removed by the shell.
    if (std::system(("chmod -R u+w '" + folder + "'; rm -rf '" + folder + "'/*").c_str()) != 0)
      ADD_FAILURE();
  }
}

TEST(RenderOutput, LeavesNothingDamagedAndNothingBehind) {
  runCases(std::begin(kCases), std::end(kCases), "");
}

TEST(RenderOutput, RespectsWhatTheUserMayWrite) {
  std::string prefix;
  if (::geteuid() == 0) {
    // Root may write anything: the cases run as nobody, where that is possible.
    prefix = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    if (std::system((prefix + "test -x '" ZERKON_CLI_PATH "' 2>/dev/null").c_str()) != 0)
      GTEST_SKIP() << "running as root and the tool cannot be run as nobody";
  }
  runCases(std::begin(kUserCases), std::end(kUserCases), prefix);
}

TEST(RenderOutput, AReplacedFileKeepsItsPermissionBits) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("kept.png"));
  ASSERT_EQ(
      std::system(("echo x > '" + path.toStdString() + "' && chmod 640 '" + path.toStdString() +
                   "' && '" ZERKON_CLI_PATH "' render '" + path.toStdString() + "'")
                      .c_str()),
      0);
  struct stat status {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_TRUE(contents(path).startsWith("\x89PNG"));
}

}  // namespace
