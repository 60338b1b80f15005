// A stroke font for tests: every glyph from 33 up is the box (0, 0)-(width, 10), a closed
// stroke or, when filled, a filled outline; reference height 10.
#pragma once
#include "engine/fonts/font_rec.h"

inline font_rec_ box_font(float width = 6, float advance = 8, bool filled = false) {
  font_rec_ f;
  f.name = "box";
  f.height = 10;
  for (int c = 33; c < 256; ++c) {
    glyph_rec_& g = f.glyphs[size_t(c)];
    g.box_width = width;
    g.box_height = 10;
    g.advance_x = advance;
    g.fill_flag = filled ? 1 : 0;
    g.contours.push_back(glyph_contour_rec_{{{0, 0}, {width, 0}, {width, 10}, {0, 10}, {0, 0}}});
  }
  return f;
}
