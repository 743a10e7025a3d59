// The headless runner's commands around a source of sessions, as main runs them.
#include "cli/program.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>

#include "cli/command_line.h"
#include "cli/commands.h"

namespace {

using quorvel::cli::Fail;

int Run(int argc, char** argv, const char* program, quorvel::cli::SessionSource& source) {
  CLI::App app{"Quorvel: a blackjack simulator for testing betting systems"};
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string(program) + " " + QUORVEL_VERSION);
  int exitCode = 0;
  quorvel::cli::AddDealCommand(app, exitCode);
  quorvel::cli::AddTestCommand(app, exitCode, source);
  quorvel::cli::AddCompareCommand(app, exitCode, source);
  quorvel::cli::AddChartCommand(app, exitCode);
  quorvel::cli::AddSettingsCommand(app, exitCode);
  quorvel::cli::RefuseOptionsAsValues(app);
  if (auto unknown = quorvel::cli::UnknownCommand(app, argc, argv)) {
    return Fail(*unknown + " (see --help)");
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    exitCode = app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    exitCode = app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    exitCode = app.exit(e);
  } catch (const CLI::ParseError& e) {
    return Fail(std::string(e.what()) + " (see --help)");
  }
  return exitCode;
}

}  // namespace

int quorvel::cli::RunProgram(int argc, char** argv, const char* program, SessionSource& source) {
  // A file size limit then fails a write with an error the save reports,
  // instead of killing the program halfway through it.
  std::signal(SIGXFSZ, SIG_IGN);
  // Into a file or pipe the report goes out in one piece at the end, so a
  // failed write is seen where its reason can still be read.
  // (The C library ignores the size unless it is given the buffer too.)
  static char outputBuffer[1 << 16];
  if (isatty(STDOUT_FILENO) == 0) std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  int exitCode = 0;
  try {
    exitCode = Run(argc, argv, program, source);
  } catch (const std::exception& e) {
    exitCode = Fail(std::string("unexpected failure: ") + e.what());
  } catch (...) {
    exitCode = Fail("unexpected failure");
  }
  if (auto problem = quorvel::cli::StandardOutputProblem()) exitCode = Fail(*problem);
  return exitCode;
}
