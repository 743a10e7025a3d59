// 32-bit signed arithmetic that wraps like the log's 32-bit counters instead of overflowing.
#pragma once

#include <cstdint>

namespace quorvel {

// The log's sums and differences are 32-bit; computing in 64 bits and wrapping gives the same
// numbers where they fit, and a defined result (not undefined behaviour) where they do not.
inline int32_t Wrap32(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

}  // namespace quorvel
