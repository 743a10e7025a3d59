// The committed chart files are exactly what the analyzer computes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "tools/chart_analyzer/chart_builder.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ChartRegeneration, EveryCommittedChartIsRegeneratedByteForByte) {
  const fs::path committed = QUORVEL_CHART_SOURCE_DIR;
  // A name of its own, so runs in other build directories do not collide.
  const fs::path fresh = fs::temp_directory_path() /
                         ("quorvel_chart_regeneration_" + std::to_string(std::random_device{}()));
  fs::remove_all(fresh);
  ASSERT_EQ(analyzer::GenerateAllCharts(fresh, 2), "");
  int compared = 0;
  for (const ChartRules& rules : analyzer::AllChartRules()) {
    const std::string name = ChartFileName(rules);
    const std::string expected = Contents(committed / name);
    EXPECT_EQ(expected.size(), 280u) << name << " is missing or not 280 bytes in " << committed;
    EXPECT_TRUE(Contents(fresh / name) == expected)
        << name << " differs from the analyzer's output";
    ++compared;
  }
  EXPECT_EQ(compared, 32);
  fs::remove_all(fresh);
}

}  // namespace
}  // namespace quorvel
