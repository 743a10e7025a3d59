// The program's title and version, shown by the shell.
#pragma once

namespace quorvel::ui {

inline constexpr const char* kProgramTitle = "Quorvel Progression Tester";
inline constexpr const char* kProgramVersion = "1.0";

}  // namespace quorvel::ui
