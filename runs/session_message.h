// The bytes that carry a test between processes: the test to run, and the sessions it finished.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/active_settings.h"
#include "runs/test_runner.h"

namespace quorvel {

// Both ends run the same build, so fields travel as the bytes they are held in.

// A test as its leader hands it out: the plan and the settings.
struct TestOrder {
  TestPlan plan;
  ActiveSettings settings;
};
std::string PackOrder(const TestOrder& order);
std::optional<TestOrder> UnpackOrder(std::string_view bytes);

// Session records one after another, each with its number (1-based) first.
void PackSession(int number, const SessionRecord& record, std::string& bytes);
// Takes the next record off the front of `bytes`; nullopt when they are cut
// short or it carries another number than `number`.
std::optional<SessionRecord> UnpackSession(int number, std::string_view& bytes);

}  // namespace quorvel
