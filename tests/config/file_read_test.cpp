// Reading settings files that are not plain files: FIFOs, devices, folders the user may not enter.
#include "engine/file_read.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "config/settings_cursor.h"
#include "file_faults.h"
#include "settings_examples.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

// A read that blocks ends the test run instead of hanging it.
class Deadline {
 public:
  Deadline() { ::alarm(20); }
  ~Deadline() { ::alarm(0); }
};

TEST(ReadSettingsFile, AFifoWithoutAWriterReadsAsEmptyAtOnce) {
  ScratchFolder folder;
  const fs::path fifo = folder / "fifo.sav";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Deadline deadline;
  const FileStart read = ReadSettingsFile(fifo);
  EXPECT_EQ(read.error, 0);
  EXPECT_TRUE(read.bytes.empty());
}

// The writer keeps the FIFO open: a reader that waited for the end would never return.
TEST(ReadSettingsFile, StopsAtTheEndOfTheSecondLimitLine) {
  ScratchFolder folder;
  const fs::path fifo = folder / "fifo.sav";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int writer = ::open(fifo.c_str(), O_RDWR);
  ASSERT_GE(writer, 0);
  std::vector<uint8_t> bytes = testing::ExampleBytes();
  bytes.insert(bytes.end(), {'m', 'o', 'r', 'e'});
  ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  Deadline deadline;
  const FileStart read = ReadSettingsFile(fifo);
  ::close(writer);
  EXPECT_EQ(read.error, 0);
  EXPECT_TRUE(HasWholeContents(read.bytes));
  EXPECT_LE(read.bytes.size(), bytes.size());
  EXPECT_GE(read.bytes.size(), testing::ExampleBytes().size());
}

TEST(ReadSettingsFile, ADeviceWithoutEndIsReadOnlyUpToTheBound) {
  ScratchFolder folder;
  const fs::path zero = folder / "zero";
  if (auto problem = testing::MakeDevice(zero, 1, 5); !problem.empty()) GTEST_SKIP() << problem;
  Deadline deadline;
  const FileStart read = ReadSettingsFile(zero);
  EXPECT_EQ(read.error, 0);
  EXPECT_GT(read.bytes.size(), kFixedPartSize);
  EXPECT_LE(read.bytes.size(), 64u * 1024);
}

TEST(ReadProblem, SaysWhatIsWrongWithTheName) {
  ScratchFolder folder;
  fs::create_directory(folder / "locked");
  testing::WriteText(folder / "locked" / "in.sav", "x");
  ::chmod((folder / "locked").c_str(), 0700);
  ::chmod(folder.Path().c_str(), 0755);
  struct Case {
    fs::path file;
    std::string problem;
  };
  for (const Case& c : {Case{folder / "none.sav", "does not exist"}, Case{folder.Path(), "is a folder"}}) {
    EXPECT_EQ(ReadProblem(ReadFileStart(c.file, 100).error), c.problem) << c.file;
  }
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to read as another user";
  const fs::path locked = folder / "locked" / "in.sav";
  EXPECT_EQ(testing::AsUnprivileged([&locked] { return ReadFileStart(locked, 100).error; }), EACCES);
  EXPECT_EQ(ReadProblem(EACCES), "cannot be read: Permission denied");
}

}  // namespace
}  // namespace quorvel
