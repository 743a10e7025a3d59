// The shared save: what it writes through, what it writes in place, and failures that keep the old file.
#include "config/file_save.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "file_faults.h"
#include "settings_examples.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ModeOf;
using testing::ReadText;
using testing::ScratchFolder;
using testing::WriteText;

const std::string kOld = "the old contents\n";
const std::string kNew(3000, 'n');

std::string Message(const fs::path& file, const std::string& reason) {
  return "could not write " + file.string() + ": " + reason;
}

TEST(SaveFile, WritesANewFileAndReplacesAnOldOne) {
  ScratchFolder folder;
  const fs::path fresh = folder / "fresh.txt";
  const fs::path old = folder / "old.txt";
  WriteText(old, std::string(9000, 'o'));
  for (const fs::path& file : {fresh, old}) {
    const SaveResult saved = SaveFile(file, kNew);
    ASSERT_TRUE(saved) << saved.message;
    EXPECT_EQ(saved.file, file);
    EXPECT_EQ(ReadText(file), kNew);
  }
  const mode_t umask = ::umask(0);
  ::umask(umask);
  EXPECT_EQ(ModeOf(fresh) & 07777, 0666 & ~umask);
  // Written in pieces, small and larger than what is gathered at once; one
  // dropped before its commit leaves the old file.
  const std::string pieces[] = {"ab", std::string(3 << 20, 'c'), "d"};
  for (const bool commit : {false, true}) {
    if (OutputFile output; output.Open(old)) {
      for (const std::string& piece : pieces) output.Write(piece);
      EXPECT_TRUE(!commit || output.Commit());
    }
    EXPECT_EQ(ReadText(old), commit ? pieces[0] + pieces[1] + pieces[2] : kNew);
  }
  EXPECT_EQ(folder.Names().size(), 2u);  // no temporary file left
}

// One failure each, all foreseen by CheckSaveTarget: the file at the name
// keeps every byte, nothing is left beside it, and the message names the file
// and the reason.
struct Failure {
  const char* what;
  int error;
  // Sets the fault up; returns the name to save to and the reason expected.
  std::function<std::pair<fs::path, std::string>(const ScratchFolder&)> make;
};

SaveResult SaveWithFileSizeLimit(const fs::path& file, rlim_t bytes) {
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = bytes;
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  SaveResult result = SaveFile(file, kNew);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  return result;
}

TEST(SaveFile, AFailedSaveLeavesEverythingAsItWas) {
  using Made = std::pair<fs::path, std::string>;
  const std::vector<Failure> failures = {
      {"the name is a folder", EISDIR,
       [](const ScratchFolder& f) {
         fs::create_directory(f / "folder");
         return Made{f / "folder", "it is a folder"};
       }},
      {"the folder is missing", ENOENT,
       [](const ScratchFolder& f) {
         return Made{f / "missing" / "x.txt", "the folder " + (f / "missing").string() + " does not exist"};
       }},
      {"a file stands where a folder should", ENOTDIR,
       [](const ScratchFolder& f) {
         WriteText(f / "plain", kOld);
         return Made{f / "plain" / "x.txt", "Not a directory"};
       }},
      {"the links go round", ELOOP,
       [](const ScratchFolder& f) {
         fs::create_symlink("b", f / "a");
         fs::create_symlink("a", f / "b");
         return Made{f / "a", "Too many levels of symbolic links"};
       }},
      {"no file name", EINVAL, [](const ScratchFolder&) { return Made{fs::path(), ""}; }},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.what);
    ScratchFolder folder;
    WriteText(folder / "keep.txt", kOld);
    const auto [file, reason] = failure.make(folder);
    const std::vector<std::string> before = folder.Names();

    const SaveResult checked = CheckSaveTarget(file);
    const SaveResult saved = SaveFile(file, kNew);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.error, failure.error);
    EXPECT_EQ(saved.message, file.empty() ? "could not write: no file name given" : Message(file, reason));
    EXPECT_FALSE(checked);
    EXPECT_EQ(checked.message, saved.message);
    EXPECT_EQ(folder.Names(), before);
    EXPECT_EQ(ReadText(folder / "keep.txt"), kOld);
  }
}

// A file size limit cuts the write short as a full disk does, on any machine and without a mount.
TEST(SaveFile, AWriteCutShortKeepsTheOldFileAndANewNameStaysFree) {
  ScratchFolder folder;
  const fs::path old = folder / "old.txt";
  WriteText(old, kOld);
  ASSERT_TRUE(CheckSaveTarget(old));  // nothing to foresee: the disk fails only when written
  for (const fs::path& file : {old, folder / "new.txt"}) {
    const SaveResult saved = SaveWithFileSizeLimit(file, 1000);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.error, EFBIG);
    EXPECT_EQ(saved.message, Message(file, "File too large"));
  }
  EXPECT_EQ(ReadText(old), kOld);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.txt"});
}

TEST(SaveFile, WritesThroughSymbolicLinksAndKeepsThem) {
  struct Link {
    const char* what;
    std::vector<std::pair<std::string, std::string>> links;  // name, what it points to
    std::string target;                                       // where the bytes must go
  };
  const std::vector<Link> cases = {
      {"relative", {{"link", "data/file.txt"}}, "data/file.txt"},
      {"through two links", {{"link", "second"}, {"second", "data/file.txt"}}, "data/file.txt"},
      {"relative to the link's folder", {{"link", "links/inner"}, {"links/inner", "../data/file.txt"}},
       "data/file.txt"},
      {"dangling", {{"link", "data/not-yet.txt"}}, "data/not-yet.txt"},
  };
  for (const Link& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    fs::create_directories(folder / "data");
    fs::create_directories(folder / "links");
    WriteText(folder / "data/file.txt", kOld);
    fs::permissions(folder / "data/file.txt", fs::perms(0600));
    for (const auto& [name, to] : c.links) fs::create_symlink(to, folder / name);

    const SaveResult saved = SaveFile(folder / "link", kNew);
    ASSERT_TRUE(saved) << saved.message;
    EXPECT_EQ(ReadText(folder / c.target), kNew);
    for (const auto& [name, to] : c.links) EXPECT_EQ(fs::read_symlink(folder / name), to);
    if (c.target == "data/file.txt") {
      EXPECT_EQ(ModeOf(folder / c.target) & 07777, 0600u);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "data"), {}), c.target == "data/file.txt" ? 1 : 2);
  }
}

TEST(SaveFile, KeepsTheOldFilesModeAndOwner) {
  const bool root = ::geteuid() == 0;
  for (mode_t mode : {0600, 0640, 0664, 0755, 0444}) {
    if (mode == 0444 && !root) continue;  // only root may write a file it cannot
    SCOPED_TRACE(mode);
    ScratchFolder folder;
    const fs::path file = folder / "kept.txt";
    WriteText(file, kOld);
    ::chmod(file.c_str(), mode);
    if (root) {
      ASSERT_EQ(::chown(file.c_str(), testing::kNobody, testing::kNobody), 0);
    }
    const SaveResult saved = SaveFile(file, kNew);
    ASSERT_TRUE(saved) << saved.message;
    EXPECT_EQ(ReadText(file), kNew);
    EXPECT_EQ(ModeOf(file) & 07777, mode);
    struct stat status {};
    ::stat(file.c_str(), &status);
    if (root) {
      EXPECT_EQ(status.st_uid, testing::kNobody);
    }
  }
}

// The folder lets anyone replace a file in it; the file itself must still decide.
TEST(SaveFile, RefusesAFileTheUserMayNotWrite) {
  ScratchFolder folder;
  ::chmod(folder.Path().c_str(), 0777);
  const fs::path readOnly = folder / "read-only.sav";
  const fs::path private_ = folder / "private.sav";
  WriteText(readOnly, kOld);
  WriteText(private_, kOld);
  ::chmod(readOnly.c_str(), 0444);
  ::chmod(private_.c_str(), 0600);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(readOnly.c_str(), testing::kNobody, testing::kNobody), 0);
  } else {
    GTEST_SKIP() << "needs root to give a file to another user";
  }
  for (const fs::path& file : {readOnly, private_}) {
    SCOPED_TRACE(file.filename().string());
    const int refused = testing::AsUnprivileged([&file] {
      const SaveResult checked = CheckSaveTarget(file);
      const SaveResult saved = SaveFile(file, kNew);
      const bool same = checked.message == saved.message &&
                        saved.message == Message(file, "Permission denied");
      return !saved && same ? saved.error : 0;
    });
    EXPECT_EQ(refused, EACCES);
    EXPECT_EQ(ReadText(file), kOld);
  }
  EXPECT_EQ(ModeOf(readOnly) & 07777, 0444u);
  EXPECT_EQ(ModeOf(private_) & 07777, 0600u);
  EXPECT_EQ(folder.Names().size(), 2u);
}

TEST(SaveFile, WritesDevicesAndFifosInPlaceAndReportsTheirErrors) {
  ScratchFolder folder;
  const fs::path null = folder / "null";
  const fs::path full = folder / "full";
  if (auto problem = testing::MakeDevice(null, 1, 3); !problem.empty()) GTEST_SKIP() << problem;
  ASSERT_EQ(testing::MakeDevice(full, 1, 7), "");

  EXPECT_TRUE(SaveFile(null, kNew));
  const SaveResult onFull = SaveFile(full, kNew);
  EXPECT_EQ(onFull.error, ENOSPC);
  EXPECT_EQ(onFull.message, Message(full, "No space left on device"));
  EXPECT_TRUE(S_ISCHR(ModeOf(null)) && S_ISCHR(ModeOf(full)));

  const fs::path fifo = folder / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const SaveResult unread = SaveFile(fifo, "x");  // nobody reads it: refused at once, not hung
  EXPECT_EQ(unread.error, ENXIO);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(SaveFile(fifo, "through the pipe"));
  char got[64] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 16);
  ::close(reader);
  EXPECT_EQ(std::string(got), "through the pipe");
  EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
  EXPECT_EQ(folder.Names().size(), 3u);
}

}  // namespace
}  // namespace quorvel
