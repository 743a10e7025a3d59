// What main does around the parse.
#include "cli/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <system_error>
#include <vector>

#include "cli/commands.h"

namespace quorvel::cli {
namespace {

std::vector<CLI::App*> CommandsOf(CLI::App& app) {
  return app.get_subcommands([](CLI::App*) { return true; });
}

}  // namespace

void RefuseOptionsAsValues(CLI::App& app) {
  for (CLI::Option* option : app.get_options()) {
    if (option->get_items_expected_min() == 0) continue;
    option->check(
        [](const std::string& value) -> std::string {
          if (value.rfind("--", 0) != 0) return {};
          return "no value given (" + value + " is the next option)";
        },
        "");
  }
  for (CLI::App* command : CommandsOf(app)) RefuseOptionsAsValues(*command);
}

int Fail(const std::string& message) {
  const std::size_t start = std::min(message.find_first_not_of(' '), message.size());
  std::cerr << "quorvel-cli: " << message.substr(start) << '\n';
  return kExitFailure;
}


std::optional<std::string> UnknownCommand(CLI::App& app, int argc, const char* const* argv) {
  CLI::App* current = &app;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    const std::vector<CLI::App*> commands = CommandsOf(*current);
    if (commands.empty() || word.empty() || word[0] == '-') return std::nullopt;
    CLI::App* named = nullptr;
    std::string names;
    for (std::size_t k = 0; k < commands.size(); ++k) {
      if (commands[k]->get_name() == word) named = commands[k];
      names += (k == 0 ? "" : k + 1 == commands.size() ? " and " : ", ") + commands[k]->get_name();
    }
    if (named == nullptr) {
      const std::string where = current == &app ? "" : " of " + current->get_name();
      return "unknown command '" + word + "'" + where + ": the commands are " + names;
    }
    current = named;
  }
  return std::nullopt;
}

namespace {

// The first failure to write the standard output, kept with its reason: a later flush of the
// same failed stream no longer says why.
struct OutputFailure {
  bool failed = false;
  int error = 0;
};

OutputFailure& FirstOutputFailure() {
  static OutputFailure failure;
  return failure;
}

}  // namespace

void FlushStandardOutput() {
  errno = 0;
  std::cout.flush();
  const bool failed = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
  OutputFailure& first = FirstOutputFailure();
  if (failed && !first.failed) first = {true, errno};
}

std::optional<std::string> StandardOutputProblem() {
  FlushStandardOutput();
  const OutputFailure& first = FirstOutputFailure();
  if (!first.failed) return std::nullopt;
  return "could not write the standard output" +
         (first.error != 0 ? ": " + std::generic_category().message(first.error) : std::string());
}

}  // namespace quorvel::cli
