// A test's lifetime on the screen: its controller, the progress poll and the one report of its end.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>

#include "runs/test_controller.h"

namespace quorvel::ui {

// Every path that starts or ends a test (Start, STOP, RESET, closing the
// window, the last session) goes through the controller held here; the end
// reaches the screens once, as a queued signal, after the path that caused it
// has returned.
class TestLifetime : public QObject {
  Q_OBJECT
 public:
  TestLifetime(Simulator& table, ActiveSettings& active, std::filesystem::path lastUsedFile,
               QObject* parent = nullptr);
  ~TestLifetime() override;

  TestController& Controller() { return controller_; }
  // Starts a test on as many workers as the machine has processors, and the poll.
  std::optional<std::string> Start(int sessions, double handsPerSession, uint64_t seed);
  // One tick of the poll: the progress, and the end once the workers are done.
  void Poll();
  bool PollActive() const { return poll_.isActive(); }

 signals:
  void Progressed();
  void Ended(bool finished);

 private:
  TestController controller_;
  QTimer poll_;
};

}  // namespace quorvel::ui
