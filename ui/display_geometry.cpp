// The main screen's geometry as plain functions of the room it has.
#include "ui/display_geometry.h"

#include <array>

namespace quorvel::ui {
namespace {

struct HandRow {
  int16_t y;
  int16_t x0;
};

// Hands 0-3 the user's seat, 4-15 the seats on the left, 16-27 those on the
// right (four rows a seat), 28 the dealer.
constexpr std::array<HandRow, 29> kHandRows = {{
    {150, 200}, {220, 200}, {283, 200}, {350, 200},                //
    {5, 5},     {35, 5},    {65, 5},    {95, 5},                   //
    {145, 5},   {175, 5},   {205, 5},   {235, 5},                  //
    {285, 5},   {315, 5},   {345, 5},   {375, 5},                  //
    {5, 495},   {35, 495},  {65, 495},  {95, 495},                 //
    {145, 495}, {175, 495}, {205, 495}, {235, 495},                //
    {285, 495}, {315, 495}, {345, 495}, {375, 495},                //
    {35, 200},
}};
constexpr int kDealerHand = 28;

}  // namespace

int Scaled(int length, float scale) { return static_cast<int>(static_cast<float>(length) * scale); }

Room WideLayoutRoom(float scale) {
  const int w640 = Scaled(640, scale);
  const int split = w640 < 1000 ? w640 - 10 : w640;
  // The statistics panel starts 20 above the picture's foot; its lower line ends 52 + 45 down.
  const int statistics = Scaled(456, scale) - 20 + Scaled(52, scale) + Scaled(45, scale) + 4;
  return {split + Scaled(150, scale) + 8, statistics};
}

DisplayGeometry ChooseGeometry(Room client) {
  struct Choice {
    float scale;
    int8_t fontSize;
    char pictureLetter;
  };
  constexpr Choice kChoices[] = {{1.6f, 14, 'x'}, {1.25f, 12, 'v'}, {1.0f, 10, 'b'}};
  DisplayGeometry geometry;
  for (const Choice& choice : kChoices) {
    const Room needed = WideLayoutRoom(choice.scale);
    if (client.width < needed.width || client.height < needed.height) continue;
    geometry.scale = choice.scale;
    geometry.fontSize = choice.fontSize;
    geometry.backgroundFile[0] = choice.pictureLetter;
    geometry.wideLayout = true;
    break;
  }
  return geometry;
}

float FitScale(Room designed, Room available) {
  constexpr int kSmallestTwentieths = 12;
  int twentieths = 20;
  for (; twentieths > kSmallestTwentieths; --twentieths) {
    const float scale = static_cast<float>(twentieths) / 20.0f;
    if (Scaled(designed.width, scale) + kFrameAllowance.width <= available.width &&
        Scaled(designed.height, scale) + kFrameAllowance.height <= available.height) {
      break;
    }
  }
  return static_cast<float>(twentieths) / 20.0f;
}

CardPlace GetImagePosition(int32_t position, float scale) {
  const int hand = position / 10;
  const int card = position % 10;
  // Only the hand-area positions 0..289 exist; anything else lands where hand 0 does.
  const HandRow row = (hand >= 0 && hand <= kDealerHand) ? kHandRows[hand] : kHandRows[0];
  const int spacing = (position < 40 || hand == kDealerHand) ? 25 : 16;
  const int x = row.x0 + card * spacing;
  const int y = row.y + (position % 2 != 0 ? 4 : 0);
  return {Scaled(x, scale), Scaled(y, scale)};
}

bool UsesSmallPicture(int32_t cardX) { return cardX < 200 || cardX > 400; }

}  // namespace quorvel::ui
