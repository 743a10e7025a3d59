// Where the programs read their data and where they write: one rule for both.
#include "config/program_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace quorvel {
namespace {

bool IsFolder(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The user's data folder; a relative $XDG_DATA_HOME is not to be used.
std::filesystem::path UserDataFolder(const UserEnvironment& environment) {
  const std::filesystem::path xdg = environment.xdgDataHome;
  if (xdg.is_absolute()) return xdg / "quorvel";
  const std::filesystem::path home = environment.home;
  if (home.is_absolute()) return home / ".local" / "share" / "quorvel";
  return {};
}

}  // namespace

UserEnvironment UserEnvironment::OfThisProcess() {
  UserEnvironment environment{Variable("XDG_DATA_HOME"), Variable("HOME")};
  if (environment.home.empty()) {
    const passwd* user = ::getpwuid(::getuid());
    if (user != nullptr && user->pw_dir != nullptr) environment.home = user->pw_dir;
  }
  return environment;
}

ProgramFolders FindProgramFolders(const std::filesystem::path& executableDirectory,
                                  const UserEnvironment& environment) {
  const std::filesystem::path install =
      (executableDirectory.parent_path() / "share" / "quorvel").lexically_normal();
  if (!IsFolder(executableDirectory / "chartdata") && IsFolder(install / "chartdata")) {
    return {install, UserDataFolder(environment)};
  }
  return {executableDirectory, executableDirectory};
}

ProgramFolders ThisProgramsFolders() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path folder = error ? std::filesystem::current_path(error) : self.parent_path();
  return FindProgramFolders(folder, UserEnvironment::OfThisProcess());
}

std::string PrepareWritableFolder(const ProgramFolders& folders) {
  if (folders.writable.empty()) {
    return "There is no folder for your settings: neither XDG_DATA_HOME nor HOME names one. "
           "Quorvel runs on, but settings you change are not kept.";
  }
  const std::filesystem::path folder = folders.LastUsedFile().parent_path();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error && IsFolder(folder)) return {};
  if (!error) error = std::make_error_code(std::errc::not_a_directory);
  return "Cannot make the folder for your settings, " + folder.string() + ": " + error.message() +
         ". Quorvel runs on, but settings you change are not kept.";
}

}  // namespace quorvel
