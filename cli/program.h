// The runner's command line, for any program that gives it a source of sessions.
#pragma once

#include "cli/session_source.h"

namespace quorvel::cli {

// Parses the command line and runs its command; gives the exit code. `program`
// names the program in --version.
int RunProgram(int argc, char** argv, const char* program, SessionSource& source);

}  // namespace quorvel::cli
