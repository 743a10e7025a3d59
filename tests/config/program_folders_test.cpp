// Where the programs read and write: a build folder, an install, the user's own data folder.
#include "config/program_folders.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "file_faults.h"
#include "settings_examples.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

enum class Layout { Build, Installed, Loose };

// Paths start with "@", the scratch folder; an empty one is unset or none.
struct FolderCase {
  const char* name;
  Layout layout;
  const char* xdgDataHome;
  const char* home;
  const char* data;
  const char* writable;
  const char* existing;  // a file there before the start, which must survive it
  const char* problem;   // how the message begins, "" when there is none
};

const FolderCase kCases[] = {
    {"BuildFolderIgnoresTheHome", Layout::Build, "@/xdg", "@/home", "@/bin", "@/bin",
     "@/bin/chartdata/a7d70sd7f897.sav", ""},
    {"InstallWritesUnderXdgDataHome", Layout::Installed, "@/xdg", "@/home", "@/share/quorvel",
     "@/xdg/quorvel", "", ""},
    {"InstallWritesUnderTheHomeWithoutXdg", Layout::Installed, "", "@/home", "@/share/quorvel",
     "@/home/.local/share/quorvel", "@/home/.local/share/quorvel/chartdata/a7d70sd7f897.sav", ""},
    {"RelativeXdgDataHomeIsIgnored", Layout::Installed, "data", "@/home", "@/share/quorvel",
     "@/home/.local/share/quorvel", "", ""},
    {"NoHomeWritesNothing", Layout::Installed, "", "", "@/share/quorvel", "", "",
     "There is no folder for your settings"},
    {"HomeThatCannotBeWrittenIsReported", Layout::Installed, "", "@/home", "@/share/quorvel",
     "@/home/.local/share/quorvel", "@/home/.local/share/quorvel",
     "Cannot make the folder for your settings, @/home/.local/share/quorvel/chartdata: "},
    {"NeitherLayoutReadsAndWritesBesideTheProgram", Layout::Loose, "@/xdg", "@/home", "@/bin",
     "@/bin", "", ""},
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.name; }

class ProgramFoldersTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFoldersTest, ReadsAndWritesWhereTheLayoutSays) {
  const FolderCase& c = GetParam();
  testing::ScratchFolder scratch;
  const auto at = [&](std::string text) {
    for (auto at = text.find('@'); at != std::string::npos; at = text.find('@')) {
      text.replace(at, 1, scratch.Path().string());
    }
    return text;
  };
  fs::create_directories(scratch / "bin");
  if (c.layout == Layout::Build) fs::create_directories(scratch / "bin" / "chartdata");
  if (c.layout != Layout::Loose) fs::create_directories(scratch / "share" / "quorvel" / "chartdata");
  const fs::path existing = at(c.existing);
  if (!existing.empty()) {
    fs::create_directories(existing.parent_path());
    testing::WriteText(existing, "keep");
  }

  const ProgramFolders folders = FindProgramFolders(scratch / "bin", {at(c.xdgDataHome), at(c.home)});
  EXPECT_EQ(folders.data, fs::path(at(c.data)));
  EXPECT_EQ(folders.writable, fs::path(at(c.writable)));

  const std::string problem = PrepareWritableFolder(folders);
  EXPECT_EQ(problem.substr(0, at(c.problem).size()), at(c.problem)) << problem;
  EXPECT_EQ(problem.empty(), at(c.problem).empty()) << problem;
  EXPECT_EQ(fs::is_directory(folders.LastUsedFile().parent_path()), problem.empty());
  if (!existing.empty()) {
    EXPECT_EQ(testing::ReadText(existing), "keep");
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, ProgramFoldersTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The tests run in their build folder, from its bin/.
TEST(ProgramFolders, ThisProgramReadsAndWritesItsBuildFolder) {
  EXPECT_EQ(ThisProgramsFolders().data, fs::current_path());
  EXPECT_EQ(ThisProgramsFolders().writable, fs::current_path());
}

}  // namespace
}  // namespace quorvel
