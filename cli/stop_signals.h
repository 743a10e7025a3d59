// Ctrl-C, SIGTERM and SIGHUP: a test stops between rounds, and what finished is still printed and saved.
#pragma once

#include <atomic>
#include <filesystem>
#include <string_view>

#include "config/file_save.h"

namespace quorvel::cli {

// Installs the handlers (again harmlessly), leaving a SIGHUP that nohup
// ignores ignored. The first stop signal sets the flag and is remembered; a later one ends the program, though never in the
// middle of a save.
void CatchStopSignals();

// Set by the first stop signal; it stays set, so every later test stops at once.
std::atomic<bool>& StopRequested();

// 128 + the first stop signal caught, the shell's code for it; 0 if none came.
int StopExitCode();

// While one lives, a signal that would end the program waits until the last
// one ends: outputs written as a test runs are committed or removed first.
class SignalHold {
 public:
  SignalHold();
  SignalHold(const SignalHold&) = delete;
  SignalHold& operator=(const SignalHold&) = delete;
  ~SignalHold();
};

// SaveFile, with a signal that would end the program held until the save is
// done: a save either completes or leaves nothing behind, no temporary file.
SaveResult SaveHoldingSignals(const std::filesystem::path& file, std::string_view bytes);

}  // namespace quorvel::cli
