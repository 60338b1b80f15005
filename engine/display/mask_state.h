// What the transform mask last drew: the arguments that drew it, so that drawing it again
// with the inverting raster operation erases it.
#pragma once
#include <cstdint>

// The transformation the mask shows.
enum mask_kind_code_ : int32_t {
  mask_none_ = 0,  // erase only
  mask_move_ = 1,
  mask_rotate_ = 2,
  mask_mirror_ = 3,
  mask_scale_ = 4,
};

struct mask_state_rec_ {
  int32_t kind = mask_none_;  // 0: no mask shown
  float mx = 0, my = 0;       // move
  float rot = 0;              // rotate: degrees about (px1, py1)
  float px1 = 0, py1 = 0, px2 = 0, py2 = 0;  // rotate centre; mirror line
  float x0 = 0, y0 = 0, sx = 0, sy = 0;      // scale about (x0, y0)

  // A repaint has wiped the mask: nothing is left to erase. The scale values stay, as
  // the next call does not read them before it replaces them.
  void forget() {
    kind = mask_none_;
    mx = my = rot = px1 = py1 = px2 = py2 = 0;
  }
};
