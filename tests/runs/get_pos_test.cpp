// GetPos: a number ends before its column; too wide pushes left, too far right appends.
#include "runs/get_pos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

TEST(GetPos, InsertsWithoutOverwriting) {
  struct Case {
    const char* what;
    std::string line;
    int32_t value;
    int8_t column;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"fits: ends at column - 1", "     ", 7, 4, "  7   "},
      {"the sign counts in the width", "      ", -5, 4, " -5     "},
      {"position exactly 1", "abc", 123, 4, "123abc"},
      {"position below 1 goes to the front", "abc", 12345, 4, "12345abc"},
      {"existing text moves right", "abcdef", 9, 4, "ab9cdef"},
      {"one past the end appends", "ab", 5, 4, "ab5"},
      {"far past the end appends", "ab", 5, 10, "ab5"},
      {"empty line", "", -2147483647 - 1, 4, "-2147483648"},
      {"largest column", "x", 2147483647, 127, "x2147483647"},
      {"negative column goes to the front", "xy", 1, -128, "1xy"},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    GetPos(line, c.value, c.column);
    EXPECT_EQ(line, c.expected) << c.what;
  }
}

}  // namespace
}  // namespace quorvel
