// GetPos: places a number in a log line so that it ends before a given column.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// Inserts the decimal text of value at 1-based position (column - its length): the number then
// ends at character column - 1. A position before the line inserts at the front, one past its
// end appends. Characters from the position on move right; nothing is overwritten or cut, so a
// number wider than its field pushes into the field before it.
void GetPos(std::string& line, int32_t value, int8_t column);

}  // namespace quorvel
