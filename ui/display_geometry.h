// The main screen's geometry as plain functions of the room it has: scale, fonts, card places.
#pragma once

#include <cstdint>
#include <string>

namespace quorvel::ui {

struct DisplayGeometry {
  float scale = 1.0f;
  int8_t fontSize = 10;  // points, of the scaled labels and the screen
  std::string backgroundFile = "bg1.bmp";
  bool wideLayout = false;
};

// A designed length at a scale, truncated toward zero.
int Scaled(int length, float scale);

struct Room {
  int width = 0;
  int height = 0;
};

// The client area (below the menu) the wide layout needs at a scale: the table picture
// beside the narrowest side panel that holds a counter, and under the picture the
// statistics panel's two message lines.
Room WideLayoutRoom(float scale);

// The largest of the scales 1.6 ("xg1.bmp", 14 points), 1.25 ("vg1.bmp", 12 points)
// and 1.0 whose wide layout fits the client area; when none fits, the designed
// layout at scale 1.
DisplayGeometry ChooseGeometry(Room client);

// Room a window's frame takes around its client area, which is not known before the
// window is shown: a title bar and thin borders, as most window managers draw them.
inline constexpr Room kFrameAllowance = {8, 32};

// A screen designed at one size, on a display with less room: the largest scale, in
// twentieths from 1 down to 0.6, at which it and its frame fit the available area.
// Never above 1, so a large display shows the screen as designed; 0.6 where nothing fits.
float FitScale(Room designed, Room available);

struct CardPlace {
  int32_t cardX = 0;
  int32_t cardY = 0;
};

// Where the card at a hand-area position lands on the table picture.
CardPlace GetImagePosition(int32_t position, float scale);

// Cards left of x 200 or right of x 400 (scaled) use the small picture.
bool UsesSmallPicture(int32_t cardX);

}  // namespace quorvel::ui
