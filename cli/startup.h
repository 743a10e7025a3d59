// Where the runner finds its data and the last-used settings file.
#pragma once

#include <filesystem>

#include "config/program_folders.h"

namespace quorvel::cli {

inline std::filesystem::path ChartDirectory() { return ThisProgramsFolders().ChartDirectory(); }

}  // namespace quorvel::cli
