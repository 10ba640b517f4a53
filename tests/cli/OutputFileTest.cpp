// SPDX-License-Identifier: GPL-3.0-or-later
// What render leaves on disk when the write fails or the name is unusual: the old file
// whole, no temporary beside it, the one open descriptor written in place.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
  const char* message;     // on stderr; "" when nothing may be said
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
};

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(RenderOutput, LeavesNothingDamagedAndNothingBehind) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    QFile script(dir.filePath(QStringLiteral("case.sh")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write((std::string("cd \"$1\" || exit 1\n") + c.setUp +
                  "\nCLI='" ZERKON_CLI_PATH "'\n( " + c.command +
                  " ) 2> err.txt\necho $? > status.txt\n")
                     .c_str());
    script.close();
    ASSERT_EQ(std::system(("bash '" + folder + "/case.sh' '" + folder + "'").c_str()), 0);
    EXPECT_EQ(contents(dir.filePath("status.txt")).trimmed().toInt(), c.exitCode);
    EXPECT_EQ(contents(dir.filePath("err.txt")).toStdString(), c.message);
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
    std::system(("rm -rf '" + folder + "'/*").c_str());
  }
}

TEST(RenderOutput, AReplacedFileKeepsItsPermissionBits) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("kept.png"));
  ASSERT_EQ(
      std::system(("echo x > '" + path.toStdString() + "' && chmod 444 '" + path.toStdString() +
                   "' && '" ZERKON_CLI_PATH "' render '" + path.toStdString() + "'")
                      .c_str()),
      0);
  struct stat status {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0444u);
  EXPECT_TRUE(contents(path).startsWith("\x89PNG"));
}

}  // namespace
