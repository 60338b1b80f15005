// Sizes the ribbon's layout takes from the skin's sprite table. They are the same for every
// skin and resolution; the skin painter can fill the record from its sprites.
#pragma once
#include <cstdint>

struct ribbon_sprite_metrics_ {
  int32_t corner_w = 15;  // corner-button (dialog launcher) glyph
  int32_t corner_h = 14;
  int32_t split_arrow_w = 13;  // drop part of a small split button
  int32_t sprite_h = 29;       // one ribbon sprite
};
