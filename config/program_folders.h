// Where the programs read their data and where they write: one rule for both.
#pragma once

#include <filesystem>
#include <string>

#include "config/settings_file.h"

namespace quorvel {

// What the rule reads from the environment; an unset variable is empty.
struct UserEnvironment {
  std::string xdgDataHome;
  std::string home;

  // This process's variables; without HOME, the home the user database gives.
  static UserEnvironment OfThisProcess();
};

struct ProgramFolders {
  // Read only: chartdata/ with the chart files, the table pictures, help/, examples/.
  std::filesystem::path data;
  // Written to: chartdata/ with the last-used settings file, LogFiles/, and the
  // folder the save and open dialogs start in. Empty when there is none.
  std::filesystem::path writable;

  std::filesystem::path ChartDirectory() const { return data / "chartdata"; }
  // Empty when there is no writable folder, so nothing is written by accident.
  std::filesystem::path LastUsedFile() const {
    return writable.empty() ? writable : writable / kLastUsedSettingsFile;
  }
};

// A build folder holds chartdata/ beside the executable: it reads and writes
// there. An install holds its data in ../share/quorvel from the executable's
// folder and writes only under the user's $XDG_DATA_HOME/quorvel (by default
// ~/.local/share/quorvel). Anything else is read and written as a build folder,
// so what is missing is reported as missing there.
ProgramFolders FindProgramFolders(const std::filesystem::path& executableDirectory,
                                  const UserEnvironment& environment);

// The rule for this process: its executable's folder and its environment.
ProgramFolders ThisProgramsFolders();

// Makes the writable folder's chartdata/ when it is not there yet (a first
// start). Returns an empty text, or a message for the user that names the
// folder and why it cannot be made; nothing that is there is changed.
std::string PrepareWritableFolder(const ProgramFolders& folders);

}  // namespace quorvel
