// The subcommands of quorvel-cli; each registers itself on the app.
#pragma once

#include <CLI/CLI.hpp>

#include "cli/session_source.h"

namespace quorvel::cli {

// Exit codes: 0 success; 2 a refusal (bad arguments or input files) or a
// failure (an output that could not be written); 128 + the signal when a stop
// signal came (130 for Ctrl-C), after what finished was printed and saved.
inline constexpr int kExitFailure = 2;

// Each returns the subcommand; its callback stores the command's exit code.
CLI::App* AddDealCommand(CLI::App& app, int& exitCode);
// `test` and `compare` run their sessions from `source`.
CLI::App* AddTestCommand(CLI::App& app, int& exitCode, SessionSource& source);
CLI::App* AddCompareCommand(CLI::App& app, int& exitCode, SessionSource& source);
CLI::App* AddChartCommand(CLI::App& app, int& exitCode);
CLI::App* AddSettingsCommand(CLI::App& app, int& exitCode);

// Says why a command cannot go on, on one line of stderr, and gives the exit
// code for it. Messages made for the table's screen may start with blanks.
int Fail(const std::string& message);

}  // namespace quorvel::cli
