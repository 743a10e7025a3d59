// Telling files apart by device and inode, for outputs that must replace no input and no other output.
#include "cli/output_identity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace quorvel::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;

// A regular file by device and inode, or a file still to be made by its
// folder's device and inode and its name.
struct Identity {
  dev_t device = 0;
  ino_t inode = 0;
  std::string newName;
  bool operator==(const Identity&) const = default;
};

// Follows the links of a name whose file does not exist yet, as a save does.
fs::path FinalName(fs::path path) {
  for (int link = 0; link < kMaxLinks; ++link) {
    std::error_code error;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

std::optional<Identity> IdentityOf(const fs::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) return std::nullopt;
    return Identity{status.st_dev, status.st_ino, {}};
  }
  const fs::path name = FinalName(file);
  const fs::path folder = name.has_parent_path() ? name.parent_path() : fs::path(".");
  if (::stat(folder.c_str(), &status) != 0) return std::nullopt;
  return Identity{status.st_dev, status.st_ino, name.filename().string()};
}

std::optional<RunFile> StandardOutputIfRegular() {
  struct stat status {};
  if (::fstat(STDOUT_FILENO, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return RunFile{"the standard output", "/proc/self/fd/1"};
}

}  // namespace

RunFile Shown(const std::string& role, const fs::path& file) {
  return {role + " '" + file.string() + "'", file};
}

std::optional<std::string> OutputClash(const std::vector<RunFile>& inputs,
                                       const std::vector<RunFile>& outputs) {
  // Each output is compared with the inputs, the standard output and the outputs before it.
  std::vector<std::pair<const RunFile*, Identity>> taken;
  auto take = [&taken](const RunFile& file) {
    if (auto identity = IdentityOf(file.file)) taken.emplace_back(&file, *identity);
  };
  for (const RunFile& input : inputs) take(input);
  const std::optional<RunFile> standardOutput = StandardOutputIfRegular();
  if (standardOutput) take(*standardOutput);
  for (const RunFile& output : outputs) {
    const std::optional<Identity> identity = IdentityOf(output.file);
    if (!identity) continue;
    for (const auto& [other, otherIdentity] : taken) {
      if (otherIdentity == *identity) {
        return output.shown + " is the same file as " + other->shown +
               ": an output may replace neither an input nor another output";
      }
    }
    taken.emplace_back(&output, *identity);
  }
  return std::nullopt;
}

}  // namespace quorvel::cli
