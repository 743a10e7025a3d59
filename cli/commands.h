// The subcommands of quorvel-cli; each registers itself on the app.
#pragma once

#include <CLI/CLI.hpp>

namespace quorvel::cli {

// Exit codes: 0 success, 2 bad arguments or bad input files.
inline constexpr int kExitBadInput = 2;

// Each returns the subcommand; its callback stores the command's exit code.
CLI::App* AddDealCommand(CLI::App& app, int& exitCode);
CLI::App* AddTestCommand(CLI::App& app, int& exitCode);
CLI::App* AddChartCommand(CLI::App& app, int& exitCode);
CLI::App* AddSettingsCommand(CLI::App& app, int& exitCode);

}  // namespace quorvel::cli
