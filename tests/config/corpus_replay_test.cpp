// Replays the fuzzing seed files through both settings readers.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "config/active_settings.h"
#include "config/options_working_copy.h"
#include "money/lenient_number.h"
#include "settings_examples.h"

#ifndef QUORVEL_FUZZ_CORPUS_DIR
#define QUORVEL_FUZZ_CORPUS_DIR ""
#endif

namespace quorvel {
namespace {

std::filesystem::path CorpusFolder() {
  std::filesystem::path folder = QUORVEL_FUZZ_CORPUS_DIR;
  if (folder.empty()) folder = std::filesystem::path(__FILE__).parent_path() / "../../fuzz/corpus";
  return folder;
}

bool In(int value, int low, int high) { return value >= low && value <= high; }

void ExpectEngineRanges(const OptionsWorkingCopy& w) {
  EXPECT_TRUE(In(w.players, 1, 7) && In(w.decks, 2, 8)) << +w.players << " " << +w.decks;
  EXPECT_TRUE(In(w.penetrationPosition, 50, 90)) << w.penetrationPosition;
  EXPECT_TRUE(In(w.winLimitMode, -1, 2) && In(w.lossLimitMode, -1, 1));
  EXPECT_TRUE(In(LeadingInteger(w.minimumText), 0, 9999)) << w.minimumText;
  EXPECT_TRUE(In(LeadingInteger(w.maximumText), 1, 9999)) << w.maximumText;
}

void ExpectEngineRanges(const ActiveSettings& a) {
  EXPECT_TRUE(In(a.options.players, 1, 7) && In(a.options.decks, 2, 8));
  EXPECT_LE(a.options.penetration, 100);
}

TEST(CorpusReplay, EverySeedFileReadsIntoEngineRanges) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder())) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  ASSERT_GE(files.size(), 4u) << "seed files missing in " << CorpusFolder();

  OptionsWorkingCopy odd;  // a screen that never passed through a file
  odd.players = 0;
  odd.decks = 200;
  odd.penetrationPosition = 7;
  ActiveSettings fresh;  // the program's state before anything is read
  for (const auto& file : files) {
    SCOPED_TRACE(file.filename().string());
    for (const OptionsWorkingCopy& previous : {OptionsWorkingCopy{}, odd}) {
      ExpectEngineRanges(LoadOptionsData(file, previous).data);
    }
    ExpectEngineRanges(ReadActiveSettings(file, fresh).settings);
  }
}

}  // namespace
}  // namespace quorvel
