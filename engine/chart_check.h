// Checking a chart file before a table deals by it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

// Why a table must not deal by the chart file: it cannot be read, it does not
// hold exactly 280 bytes, or a byte is no code the engine plays (Y or N in a
// pair row; H, S, D, d, R, Q or r in a total row). Nothing for a whole chart.
// The reader itself takes whatever bytes there are, as the table always has.
std::optional<std::string> ChartFileProblem(const std::filesystem::path& file);

}  // namespace quorvel
