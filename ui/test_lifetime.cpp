// A test's lifetime on the screen: its controller, the progress poll and the one report of its end.
#include "ui/test_lifetime.h"

#include <QThread>

namespace quorvel::ui {

TestLifetime::TestLifetime(Simulator& table, ActiveSettings& active,
                           std::filesystem::path lastUsedFile, QObject* parent)
    : QObject(parent), controller_(table, active, std::move(lastUsedFile)) {
  // A few updates a second: enough to watch, too few to cost the test anything.
  poll_.setInterval(250);
  connect(&poll_, &QTimer::timeout, this, &TestLifetime::Poll);
  controller_.SetEndNotice([this](TestEnd end) {
    poll_.stop();
    emit Ended(end == TestEnd::kFinished);
  });
}

// The workers stop without a report: nobody is left to react to it.
TestLifetime::~TestLifetime() { controller_.SetEndNotice(nullptr); }

std::optional<std::string> TestLifetime::Start(int sessions, double handsPerSession, uint64_t seed) {
  std::optional<std::string> problem =
      controller_.StartTests(sessions, handsPerSession, seed, QThread::idealThreadCount());
  if (!problem) poll_.start();
  return problem;
}

void TestLifetime::Poll() {
  if (!controller_.Running()) return;
  emit Progressed();
  controller_.FinishTest();
}

}  // namespace quorvel::ui
