// How money management ends a session without knowing who runs it.
#pragma once

#include <string_view>

namespace quorvel {

// Implemented by the owner of the test state: marks the session's last round
// and, in manual play, tells the user and blocks further deals.
class SessionEndSink {
 public:
  virtual ~SessionEndSink() = default;
  virtual void EndSession(std::string_view message) = 0;
};

}  // namespace quorvel
