// The skinned scroll bars. The horizontal and vertical painters are one algorithm with the axes
// exchanged: "along" is the bar's long axis, "across" its thickness. Every piece is a stretched
// copy from the skin atlas, keyed, so that rounded arrow and thumb ends show the track behind
// them instead of the atlas's red; the geometry of arrows and thumb comes from member 1.
#include "ui/skin/paint_scroll.h"

#include <algorithm>
#include <climits>

#include "ui/skin/blitters.h"
#include "ui/skin/sprites.h"

namespace {

int32_t rnd_(double v) { return cint32_(v); }

struct bar_ {
  dc_& dc;
  bool vertical;
  const box_sprite_set_rec_* family;  // members 1-5
  int32_t a0, n, ma;                  // along: leading edge, length, mouse
  int32_t c0, k, mc;                  // across: first side, thickness, mouse

  const sprite_rect_rec_& r_(int member, int i, int j) const { return family[member].r_(i, j); }
  int32_t len_(const sprite_rect_rec_& r) const { return vertical ? r.height : r.width; }
  int32_t thick_(const sprite_rect_rec_& r) const { return vertical ? r.width : r.height; }

  void copy_(const sprite_rect_rec_& r, int32_t along, int32_t across, int32_t len, int32_t thick) const {
    if (vertical)
      blit_sprite_rect_(r, dc, across, along, thick, len, true);
    else
      blit_sprite_rect_(r, dc, along, across, len, thick, true);
  }

  // Column i of a member: every piece runs from p for m pixels, or with m = own_length_ each
  // piece has its own length, starting at p, or ending at p when from_end.
  static constexpr int32_t own_length_ = INT32_MIN;
  void column_(int member, int i, int32_t p, int32_t m, bool from_end = false) const {
    auto place = [&](const sprite_rect_rec_& r, int32_t across, int32_t thick) {
      int32_t len = m == own_length_ ? len_(r) : m;
      copy_(r, from_end ? p - len : p, across, len, thick);
    };
    const int32_t half = rnd_(k * 0.5);
    place(r_(member, i, 2), c0, half);
    place(r_(member, i, 4), rnd_(c0 + k * 0.5), half);
    const sprite_rect_rec_& e1 = r_(member, i, 1);
    place(e1, c0, thick_(e1));
    const sprite_rect_rec_& e5 = r_(member, i, 5);
    place(e5, c0 + k - thick_(e5), thick_(e5));
    const sprite_rect_rec_& mid = r_(member, i, 3);
    place(mid, rnd_(c0 + k * 0.5 - thick_(mid) * 0.5), thick_(mid));
  }

  bool in_zone_(int32_t from, int32_t to) const { return ma >= from && ma <= to && mc >= c0 && mc <= c0 + k; }

  // Thumb offset from the value (no drag).
  int32_t thumb_offset_(int32_t vmin, int32_t vmax, int32_t value, int32_t L, int32_t a1, int32_t a2) const {
    int64_t d = int64_t(vmax) - vmin;
    float f = d >= 1 ? float(double(int64_t(value) - vmin) / double(d)) : 0.0f;
    return rnd_(double(f) * (double(n) - a1 - a2 - L) + a1);
  }
};

scroll_part_code_ draw_bar_(bar_ b, flag16_ list_style, int32_t vmin, int32_t vmax, int32_t value, int32_t L,
                            flag16_ pressed, flag16_ hot, scroll_part_code_ pp, int32_t& new_value,
                            int32_t& thumb_centre) {
  new_value = 0;
  scroll_part_code_ result = 0;
  const bool down = pressed == true_;
  const int track = list_style == true_ ? 5 : 4;
  const int32_t a1 = b.len_(b.r_(1, 1, 3)), a2 = b.len_(b.r_(1, 7, 3));
  const int32_t e1 = b.len_(b.r_(1, 2, 3)), e2 = b.len_(b.r_(1, 5, 3));

  b.column_(track, 6, b.a0, b.n);
  if (hot != true_) {
    // The quiet bar: flat arrow glyphs of the track set, no buttons.
    const sprite_rect_rec_& g1 = b.r_(track, 1, 3);
    b.copy_(g1, b.a0, rnd_(b.c0 + b.k * 0.5 - b.thick_(g1) * 0.5), b.len_(g1), b.thick_(g1));
    const sprite_rect_rec_& g7 = b.r_(track, 7, 3);
    b.copy_(g7, b.a0 + b.n - b.len_(g7), rnd_(b.c0 + b.k * 0.5 - b.thick_(g7) * 0.5), b.len_(g7), b.thick_(g7));
  } else {
    int m1 = pp == 1 ? 2 : 1;
    if (b.in_zone_(b.a0, b.a0 + a1) && pp != 2 && pp != 3) {
      m1 = down ? 3 : 2;
      if (down) result = 1;
    }
    b.column_(m1, 1, b.a0, bar_::own_length_);
    const int32_t a = b.len_(b.r_(m1, 1, 3));
    int m7 = pp == 3 ? 2 : 1;
    if (b.in_zone_(b.a0 + b.n - a, b.a0 + b.n) && pp != 1 && pp != 2) {
      m7 = down ? 3 : 2;
      if (down) result = 3;
    }
    b.column_(m7, 7, b.a0 + b.n, bar_::own_length_, true);
  }

  if (L < 1) return result;
  const int32_t half = rnd_(L * 0.5);
  int32_t t;
  if (pp == 2) {
    int64_t tt = int64_t(b.ma) - half;
    tt = std::max<int64_t>(tt, a1);
    tt = std::min<int64_t>(tt, int64_t(b.n) - a2 - L);
    t = int32_t(std::clamp<int64_t>(tt, INT32_MIN, INT32_MAX));
    const int64_t r = int64_t(b.n) - a1 - a2 - L;
    float f = r >= 1 ? std::clamp(float(double(int64_t(t) - a1) / double(r)), 0.0f, 1.0f) : 0.0f;
    new_value = rnd_(double(f) * (double(vmax) - vmin) + vmin);
  } else {
    t = b.thumb_offset_(vmin, vmax, value, L, a1, a2);
    thumb_centre = t + half;
  }

  int ms = pp == 2 ? 2 : 1;
  if (b.in_zone_(b.a0 + t, b.a0 + t + L) && pp != 1 && pp != 3) {
    ms = down ? 3 : 2;
    if (down) result = 2;
  }
  b.column_(ms, 3, b.a0 + t + e1, L - e1 - e2);
  b.column_(ms, 2, b.a0 + t, bar_::own_length_);
  b.column_(ms, 5, b.a0 + t + L, bar_::own_length_, true);
  const sprite_rect_rec_& grip = b.r_(ms, 4, 3);
  const int32_t g = b.len_(grip);
  if (L >= g + 4)
    b.copy_(grip, rnd_(b.a0 + t + half - g * 0.5), rnd_(b.c0 + b.k * 0.5 - b.thick_(grip) * 0.5), g, b.thick_(grip));

  if (result != 0 || !down) return result;
  if (b.mc < b.c0 || b.mc > b.c0 + b.k) return 0;
  t = b.thumb_offset_(vmin, vmax, value, L, a1, a2);
  return t + half < b.ma ? 5 : 4;
}

}  // namespace

scroll_part_code_ draw_skin_box_scroll_(flag16_ list_style, window_*, dc_& hdc, int32_t x, int32_t y, int32_t width,
                                        int32_t height, int32_t value_min, int32_t value_max, int32_t value,
                                        int32_t thumb_length, int32_t mouse_x, int32_t mouse_y, flag16_ pressed,
                                        flag16_ hot, scroll_part_code_ pressed_part, int32_t& new_value,
                                        int32_t& thumb_centre) {
  bar_ b{hdc, false, box_sprites_a_, x, width, mouse_x, y, height, mouse_y};
  return draw_bar_(b, list_style, value_min, value_max, value, thumb_length, pressed, hot, pressed_part, new_value,
                   thumb_centre);
}

scroll_part_code_ draw_skin_box_(flag16_ list_style, window_*, dc_& hdc, int32_t x, int32_t y, int32_t width,
                                 int32_t height, int32_t value_min, int32_t value_max, int32_t value,
                                 int32_t thumb_length, int32_t mouse_x, int32_t mouse_y, flag16_ pressed, flag16_ hot,
                                 scroll_part_code_ pressed_part, int32_t& new_value, int32_t& thumb_centre) {
  bar_ b{hdc, true, box_sprites_b_, y, height, mouse_y, x, width, mouse_x};
  return draw_bar_(b, list_style, value_min, value_max, value, thumb_length, pressed, hot, pressed_part, new_value,
                   thumb_centre);
}
