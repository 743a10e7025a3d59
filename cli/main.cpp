// quorvel-cli: the headless runner over the simulation core.
#include "cli/program.h"

int main(int argc, char** argv) {
  quorvel::cli::LocalSessions threads;
  return quorvel::cli::RunProgram(argc, argv, "quorvel-cli", threads);
}
