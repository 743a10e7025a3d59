// The start-up directory: where the programs and chartdata/ live.
#pragma once

#include <filesystem>

namespace quorvel::cli {

// The directory of the running executable, so the runner finds its data
// wherever it is started from.
std::filesystem::path StartupDirectory();

inline std::filesystem::path ChartDirectory() { return StartupDirectory() / "chartdata"; }

}  // namespace quorvel::cli
