// GetPos: right-aligned insertion of a number into a log line.
#include "runs/get_pos.h"

#include <algorithm>

namespace quorvel {

void GetPos(std::string& line, int32_t value, int8_t column) {
  const std::string text = std::to_string(value);
  const long position = static_cast<long>(column) - static_cast<long>(text.size());
  const long index = std::clamp(position - 1, 0L, static_cast<long>(line.size()));
  line.insert(static_cast<std::size_t>(index), text);
}

}  // namespace quorvel
