// quorvel-cli: the headless runner over the simulation core.
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Quorvel: a blackjack simulator for testing betting systems"};
  app.require_subcommand(1);
  int exitCode = 0;
  quorvel::cli::AddDealCommand(app, exitCode);
  quorvel::cli::AddTestCommand(app, exitCode);
  quorvel::cli::AddChartCommand(app, exitCode);
  quorvel::cli::AddSettingsCommand(app, exitCode);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "quorvel-cli: " << e.what() << " (see --help)\n";
    return quorvel::cli::kExitBadInput;
  }
  return exitCode;
}
