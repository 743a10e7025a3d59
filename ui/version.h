// The program's title and version, shown by the shell.
#pragma once

namespace quorvel::ui {

inline constexpr const char* kProgramTitle = "Quorvel Progression Tester";
// The project's one version number, set by the build.
inline constexpr const char* kProgramVersion = QUORVEL_VERSION;

}  // namespace quorvel::ui
