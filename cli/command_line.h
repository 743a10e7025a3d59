// What main does around the parse: typing mistakes told plainly, and the output checked at the end.
#pragma once

#include <optional>
#include <string>

#include <CLI/CLI.hpp>

namespace quorvel::cli {

// Makes every option that takes a value refuse another option in its place,
// so "--hands --seed 1" says that --hands has no value instead of taking
// "--seed" and then refusing the lone "1".
void RefuseOptionsAsValues(CLI::App& app);

// A command word that names no command of `app` (or of the command it is
// given to), with the commands there are: "unknown command 'tset'; ...".
std::optional<std::string> UnknownCommand(CLI::App& app, int argc, const char* const* argv);

// Sends what was printed on its way, keeping the reason should that fail, so a
// report is out before a signal could end the program.
void FlushStandardOutput();

// Flushes the standard output and says why it could not be written, if so:
// a command's report must not be cut off unannounced.
std::optional<std::string> StandardOutputProblem();

}  // namespace quorvel::cli
