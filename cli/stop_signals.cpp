// Ctrl-C, SIGTERM and SIGHUP: a stop flag for the test, and saves a signal cannot cut short.
#include "cli/stop_signals.h"

#include <signal.h>

#include <csignal>
#include <cstdlib>

namespace quorvel::cli {
namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<bool> stopRequested{false};
std::atomic<int> firstSignal{0};
// The saves in progress, and a signal that arrived during them (0: none).
std::atomic<int> holds{0};
std::atomic<int> heldSignal{0};

[[noreturn]] void EndBy(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  // Inside the signal's own handler the raised signal waits until the handler returns:
  // end with the code the shell would show for it.
  std::_Exit(128 + signal);
}

extern "C" void OnStopSignal(int signal) {
  int expected = 0;
  if (firstSignal.compare_exchange_strong(expected, signal)) {
    stopRequested.store(true);
    return;
  }
  if (holds.load() > 0) {
    expected = 0;
    heldSignal.compare_exchange_strong(expected, signal);
    return;
  }
  EndBy(signal);
}

}  // namespace

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kStopSignals) {
    // A hangup ignored on purpose (nohup) stays ignored.
    struct sigaction current {};
    const bool ignored = sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
    if (signal == SIGHUP && ignored) continue;
    sigaction(signal, &action, nullptr);
  }
}

std::atomic<bool>& StopRequested() { return stopRequested; }

int StopExitCode() {
  const int signal = firstSignal.load();
  return signal == 0 ? 0 : 128 + signal;
}

SignalHold::SignalHold() { holds.fetch_add(1); }

SignalHold::~SignalHold() {
  if (holds.fetch_sub(1) != 1) return;
  if (const int held = heldSignal.exchange(0); held > 0) EndBy(held);
}

SaveResult SaveHoldingSignals(const std::filesystem::path& file, std::string_view bytes) {
  const SignalHold hold;
  return SaveFile(file, bytes);
}

}  // namespace quorvel::cli
