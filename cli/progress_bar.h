// A one-line progress bar with rate and time left, redrawn in place on a terminal.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel::cli {

// `total` 0 means the end is unknown (sessions without a round limit).
std::string ProgressLine(uint64_t rounds, double total, int sessionsDone, int sessions,
                         double seconds);

}  // namespace quorvel::cli
