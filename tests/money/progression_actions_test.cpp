// Applying rule actions to the stake, ending a session, and the message shown after a rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "money/progression_engine.h"
#include "money/win_loss_choices.h"
#include "progression_fakes.h"

namespace quorvel {
namespace {

using testing::RecordingDisplay;
using testing::RecordingSessionEnd;

TEST(ProgressionActions, WLChoicesChangesTheStakeInUnits) {
  const struct { int action; float amount, before, after; bool acted, limitsActive; } cases[] = {
      {1, 0.5f, 1.0f, 0.5f, true, false},
      {1, -1.0f, 2.0f, 0.0f, true, false},
      {2, 1.5f, 1.0f, 2.5f, true, true},
      {3, 3.0f, 2.0f, 0.0f, true, true},   // negative stake becomes 0
      {3, 0.5f, 2.0f, 1.5f, true, true},
      {4, 2.0f, 1.5f, 3.0f, true, true},
      {4, -2.0f, 1.0f, 0.0f, true, true},
      {5, 2.0f, 3.0f, 1.5f, true, true},
      {5, 0.0f, 3.0f, 3.0f, true, true},   // divide by 0 keeps the stake
      {5, -1.0f, 2.0f, 0.0f, true, true},
      {0, 5.0f, 2.0f, 2.0f, false, true},
      {7, 5.0f, 2.0f, 2.0f, false, true},  // foreign codes act as 0
      {-1, 5.0f, 2.0f, 2.0f, false, true},
  };
  for (const auto& c : cases) {
    MoneyState money;
    money.betUnits = c.before;
    RecordingSessionEnd sessionEnd;
    EXPECT_EQ(WLChoices(money, static_cast<BetAction>(c.action), c.amount, false, sessionEnd), c.acted)
        << c.action << " " << c.amount;
    EXPECT_EQ(money.betUnits, c.after) << c.action << " " << c.amount;
    EXPECT_EQ(money.limitsActive, c.limitsActive) << c.action;
    EXPECT_TRUE(sessionEnd.messages.empty());
  }
}

TEST(ProgressionActions, EndSessionStopsAtOnceOnlyDuringATest) {
  const struct { bool testRunning; float after; } cases[] = {{false, 0.0f}, {true, -1.0f}};
  for (const auto& c : cases) {
    MoneyState money;
    money.betUnits = -1.0f;
    RecordingSessionEnd sessionEnd;
    EXPECT_TRUE(WLChoices(money, kEndSession, 0.0f, c.testRunning, sessionEnd));
    EXPECT_EQ(sessionEnd.messages, std::vector<std::string>{"The session has ended."});
    EXPECT_EQ(money.betUnits, c.after) << c.testRunning;
  }
}

TEST(ProgressionActions, SeeWLWritesTwoSignificantDigits) {
  const struct { int action; float amount; bool result; const char* message; } cases[] = {
      {1, 1.0f, true, "Set bet to 1"},          {2, 1.5f, true, "Increased bet by 1.5"},
      {3, 0.5f, true, "Decreased bet by 0.5"},  {4, 12.0f, true, "Multiplied bet by 12"},
      {5, 2.5f, true, "Divided bet by 2.5"},    {2, 0.1f, true, "Increased bet by 0.1"},
      {2, 12.5f, true, "Increased bet by 12"},  {2, 1.25f, true, "Increased bet by 1.2"},
      {2, 99.0f, true, "Increased bet by 99"},  {2, 100.0f, true, "Increased bet by 1e+02"},
      {1, -1.5f, true, "Set bet to -1.5"},      {6, 3.0f, true, "End session"},
      {0, 1.0f, false, ""},                     {7, 1.0f, false, ""},
  };
  for (const auto& c : cases) {
    std::string message = "old";
    EXPECT_EQ(SeeWL(static_cast<BetAction>(c.action), c.amount, message), c.result) << c.action;
    EXPECT_EQ(message, c.message);
  }
}

TEST(ProgressionActions, MessagesAfterAFiredRule) {
  const struct { int rule, action, units, tenths; const char* results; const char* message; size_t endings; } cases[] = {
      {20, 2, 1, 0, "WW", "Increased bet by 1 after 2 won.", 0},
      {11, 1, 1, 5, "WL", "Set bet to 1.5 after 1 won and 1 lost.", 0},
      {3, 6, 0, 0, "LLL", "End session after 3 lost.", 1},
      {5, 5, 0, 0, "LLLLL", "Divided bet by 0 after 5 lost.", 0},
  };
  for (const auto& c : cases) {
    ProgressionTable table;
    table.ruleAction[c.rule] = static_cast<int8_t>(c.action);
    table.ruleUnits[c.rule] = static_cast<int8_t>(c.units);
    table.ruleTenths[c.rule] = static_cast<uint8_t>(c.tenths);
    table.progressionEnabled = 1;
    for (bool testRunning : {false, true}) {
      ProgressionEngine engine;
      engine.Load(table);
      MoneyState money;
      RecordingSessionEnd sessionEnd;
      RecordingDisplay display;
      for (const char* p = c.results; *p; ++p) {
        SlideWins(money, *p == 'W');
        engine.CallWinLossAction(money, testRunning, sessionEnd, display);
      }
      EXPECT_EQ(engine.FiredRule(), c.rule) << c.message;
      EXPECT_EQ(sessionEnd.messages.size(), c.endings) << c.message;
      EXPECT_EQ(display.otherCalls, 0);
      if (testRunning) {
        EXPECT_EQ(engine.Message(), "") << c.message;
        EXPECT_TRUE(display.labels.empty()) << c.message;
      } else {
        EXPECT_EQ(engine.Message(), c.message);
        ASSERT_EQ(display.labels.size(), 1u) << c.message;
        EXPECT_EQ(display.labels[0].first, Label::Q2);
        EXPECT_EQ(display.labels[0].second, c.message);
      }
    }
  }
}

}  // namespace
}  // namespace quorvel
