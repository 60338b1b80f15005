// Laying out a text in a stroke font: the one set of rules that painting, measuring and the
// text-to-outline conversion share. Texts here are Windows-1250 bytes, one glyph per byte.
#pragma once
#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/fonts/font_rec.h"
#include "platform/core/types.h"

inline constexpr uint8_t space_metrics_glyph_ = 88;  // "X" sets space width and line spacing

// Scale and turn of one text: glyph point (gx, gy) at pen (px, py), both in font units,
// lands at drawing point (X, Y). Every intermediate is held as a 32-bit float, so painting
// and measuring agree to the bit.
struct text_placement_ {
  float x = 0, y = 0;  // insertion point
  float k = 0;         // text height / font height; 0 when that cannot be computed
  float wf = 1;        // width factor
  float c = 1, s = 0;  // cos and sin of -angle

  text_placement_(const font_rec_& font, float x0, float y0, float height, float width_factor,
                  float angle)
      : x(x0), y(y0), wf(width_factor) {
    float kk = f32(double(height) / double(font.height));
    if (font.height != 0 && std::isfinite(kk)) k = kk;  // a zero height leaves every point at (x, y)
    c = f32(std::cos(-double(angle)));
    s = f32(std::sin(-double(angle)));
  }

  void map(float px, float py, float gx, float gy, float& X, float& Y) const {
    float u = f32((double(px) + double(wf) * gx) * k);
    float v = f32((double(py) + gy) * k);
    float ru = f32(double(u) * c + double(v) * s);
    float rv = f32(double(v) * c - double(u) * s);
    X = f32(double(x) + ru);
    Y = f32(double(y) + rv);
  }

 private:
  static float f32(double v) { return static_cast<float>(v); }
};

// Walks the text and calls fn(glyph, pen_x, pen_y) for every byte that is neither a line
// break (10 or 13, each one line down) nor a space; the pen then moves by the glyph's advance.
template <class Fn>
void layout_text_(const font_rec_& font, std::string_view bytes, float width_factor, Fn&& fn) {
  const glyph_rec_& x_glyph = font.glyphs[space_metrics_glyph_];
  float pen_x = 0, pen_y = 0;
  for (char ch : bytes) {
    uint8_t code = uint8_t(ch);
    if (code == 10 || code == 13) {
      pen_x = 0;
      pen_y = static_cast<float>(pen_y - 1.5 * x_glyph.box_height);
    } else if (code == 32) {
      pen_x = static_cast<float>(pen_x + 0.75 * double(width_factor) * x_glyph.box_width);
    } else {
      const glyph_rec_& g = font.glyphs[code];
      fn(g, pen_x, pen_y);
      pen_x = static_cast<float>(pen_x + double(width_factor) * g.advance_x);
    }
  }
}

// Bounding box of the text's glyph points; the insertion point when there are none.
struct text_box_ {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
text_box_ measure_text_box_(const font_rec_& font, std::string_view bytes, float x, float y,
                            float height, float width_factor, float angle);
