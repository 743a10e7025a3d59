// The committed chart files are exactly what the analyzer computes.
#include <gtest/gtest.h>

#include <string>

#include "file_faults.h"
#include "tools/chart_analyzer/chart_builder.h"

namespace quorvel {
namespace {

using testing::ReadText;

TEST(ChartRegeneration, EveryCommittedChartIsRegeneratedByteForByte) {
  const std::filesystem::path committed = QUORVEL_CHART_SOURCE_DIR;
  const testing::ScratchFolder fresh;
  ASSERT_EQ(analyzer::GenerateAllCharts(fresh.Path(), 2), "");
  int compared = 0;
  for (const ChartRules& rules : analyzer::AllChartRules()) {
    const std::string name = ChartFileName(rules);
    const std::string expected = ReadText(committed / name);
    EXPECT_EQ(expected.size(), 280u) << name << " is missing or not 280 bytes in " << committed;
    EXPECT_TRUE(ReadText(fresh / name) == expected) << name << " differs from the analyzer's output";
    ++compared;
  }
  EXPECT_EQ(compared, 32);
}

}  // namespace
}  // namespace quorvel
