// Saving the log page: CR LF lines, replacing a file, and failures that leave the old file whole.
#include "runs/log_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "log_page_example.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::size_t EntryCount(const fs::path& directory) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), {}));
}

TestLog TwoSessionLog() {
  TestLog log;
  EXPECT_FALSE(log.Start(2).has_value());
  EXPECT_TRUE(log.Review(testing::TwoSessionStats()));
  return log;
}

std::string CrLfLines(const std::array<std::string, kLogPageLines>& page) {
  std::string text;
  for (const std::string& line : page) text += line + "\r\n";
  return text;
}

class LogFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory = fs::temp_directory_path() /
                (std::string("quorvel-log-file-") + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(directory);
    fs::create_directories(directory);
  }
  void TearDown() override { fs::remove_all(directory); }
  fs::path directory;
};

TEST(LogFileText, EveryOneOf108LinesEndsWithCrLf) {
  std::string emptyPage;
  for (int line = 0; line < 108; ++line) emptyPage += "\r\n";
  EXPECT_EQ(LogFileText(TestLog()), emptyPage);
  EXPECT_EQ(LogFileText(TwoSessionLog()), CrLfLines(testing::TwoSessionPage()));
}

TEST_F(LogFileTest, ReplacesAnExistingFileWithThePage) {
  const fs::path target = directory / "log.txt";
  WriteBytes(target, std::string(5000, 'x'));
  const SaveResult saved = SaveLogPage(TwoSessionLog(), target);
  ASSERT_TRUE(saved) << saved.message;
  const std::string bytes = ReadBytes(target);
  EXPECT_EQ(bytes, CrLfLines(testing::TwoSessionPage()));
  EXPECT_EQ(bytes.substr(0, 5), "\r\n  1");  // empty line 0, then session row 1; no header
  EXPECT_EQ(EntryCount(directory), 1U);      // no temporary file left
}

// The failures themselves are those of the shared save (tests/config/file_save_test.cpp).
TEST_F(LogFileTest, AFailedSaveNamesTheFileAndLeavesTheOldOne) {
  const fs::path folder = directory / "folder.txt";
  fs::create_directory(folder);
  const SaveResult saved = SaveLogPage(TwoSessionLog(), folder);
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.message, "could not write " + folder.string() + ": it is a folder");
  EXPECT_EQ(EntryCount(directory), 1U);
}

}  // namespace
}  // namespace quorvel
