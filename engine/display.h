// The seam between the engine and a screen; the core's default draws nothing.
#pragma once

#include <string_view>

#include "engine/cards.h"

namespace quorvel {

// Labels of the main screen that the core writes.
enum class Label {
  dealer, dealer2, dealer3, dealer4,   // outcome of user hands 0..3
  text_1, Split1, Split2, Split3,      // totals of user hands 0..3
  text1, text_s1, text_s2, text_s3,    // action words of user hands 0..3
  Label4,                              // dealer total
  Label1,                              // next bet
  counter1, newwinnings, oldwinnings,
  Q2, Q3,                              // progression message lines
  PHLabel, bettotal, ELabel,
  test1, test2, test3, test4, test8,
  Suspend,                             // message over the table during a test
  Auto,                                // caption of the AUTO / STOP button
};

// Every operation defaults to doing nothing, so a run without a screen pays
// only for the calls the engine makes while no test is running.
class Display {
 public:
  virtual ~Display() = default;
  // Places the card about to be drawn at a HandArea position.
  virtual void GetImage(int /*position*/) {}
  // Draws the picture of the card just placed.
  virtual void UpDateJpgs(CardName /*card*/) {}
  // Hides the hand labels; card pictures stay until the background reload.
  virtual void Vanish() {}
  // Reloads the table picture, which removes every card drawn on it.
  virtual void ReloadBackground() {}
  // Action word of user hand 0..3; also called while a test runs.
  virtual void SpecialAction(int /*hand*/, std::string_view /*text*/) {}
  // Writes a label's text and makes it visible.
  virtual void SetLabel(Label /*label*/, std::string_view /*text*/) {}
  virtual void HideLabel(Label /*label*/) {}
  // Makes a label visible with the text it has.
  virtual void ShowLabel(Label /*label*/) {}
  // Shows the modal "Limit Reached" dialog with a message.
  virtual void ShowLimitDialog(std::string_view /*message*/) {}
  // Lets pending screen events run.
  virtual void ProcessEvents() {}
};

// The display of a run without a screen: it draws nothing.
Display& NullDisplay();

}  // namespace quorvel
