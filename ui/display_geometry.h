// The main screen's geometry as plain functions of the display width: scale, fonts, card places.
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

// Below 800 the designed layout; 800 wide at scale 1; up to 1200 at 1.25
// ("vg1.bmp"); wider at 1.6 ("xg1.bmp").
DisplayGeometry ChooseGeometry(int displayWidth);

// A designed length at a scale, truncated toward zero.
int Scaled(int length, float scale);

struct CardPlace {
  int32_t cardX = 0;
  int32_t cardY = 0;
};

// Where the card at a hand-area position lands on the table picture.
CardPlace GetImagePosition(int32_t position, float scale);

// Cards left of x 200 or right of x 400 (scaled) use the small picture.
bool UsesSmallPicture(int32_t cardX);

}  // namespace quorvel::ui
