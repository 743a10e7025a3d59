// The start-up directory: where the programs and chartdata/ live.
#include "cli/startup.h"

#include <system_error>

namespace quorvel::cli {

std::filesystem::path StartupDirectory() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error);
  return self.parent_path();
}

}  // namespace quorvel::cli
