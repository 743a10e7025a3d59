// Start-up of the desktop program: the screens in their order, the splash, the event loop.
#pragma once

namespace quorvel::ui {

// Runs the program until the main screen closes; returns the exit code.
int RunProgram(int argc, char** argv);

}  // namespace quorvel::ui
