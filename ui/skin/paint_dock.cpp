#include "ui/skin/paint_dock.h"

#include "shell/colors.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_palette.h"

using paint::rnd;

namespace {

void line_(dc_& dc, int32_t colour, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  pen_ old = dc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(colour)});
  dc.move_to_(x1, y1);
  dc.line_to_(x2, y2);
  dc.select_pen_(old);
}

void pixel_(dc_& dc, int32_t x, int32_t y, int32_t colour) { dc.set_pixel_(x, y, uint32_t(colour)); }

// Rows of a three-row set laid over (x, y, w, h) with fixed corner sizes.
struct rows_ {
  int32_t y[3], h[3];
  rows_(int32_t top, int32_t height, int32_t ch, int32_t bh) {
    y[0] = top, h[0] = ch, y[1] = top + ch, h[1] = height - ch - bh, y[2] = top + height - bh, h[2] = bh;
  }
};

// Columns 1-3 of a 5 x 3 button set over a rectangle, keyed.
void button_body_(dc_& dc, const sprite15_set_rec_& s, int32_t x, int32_t y, int32_t w, int32_t h) {
  const sprite15_set_rec_& m1 = dock_button_sprites_[1];
  const int32_t cw = m1.part[0].width, ch = m1.part[0].height, bw = m1.part[12].width, bh = m1.part[12].height;
  const rows_ rows(y, h, ch, bh);
  const int32_t cx[3] = {x, x + cw, x + w - bw}, cwid[3] = {cw, w - cw - bw, bw};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) paint::part(dc, s.part[r * 5 + c], cx[c], rows.y[r], cwid[c], rows.h[r], true);
}

// Columns 4 and 5: the arrow part of a split button over the last arrow_w pixels.
void arrow_part_(dc_& dc, const sprite15_set_rec_& s, int32_t x, int32_t y, int32_t w, int32_t h, int32_t arrow_w) {
  const sprite15_set_rec_& m1 = dock_button_sprites_[1];
  const int32_t ch = m1.part[0].height, bh = m1.part[12].height, ew = m1.part[9].width;
  const rows_ rows(y, h, ch, bh);
  for (int r = 0; r < 3; ++r) {
    paint::part(dc, s.part[r * 5 + 3], x + w - arrow_w, rows.y[r], arrow_w - ew, rows.h[r], true);
    paint::part(dc, s.part[r * 5 + 4], x + w - ew, rows.y[r], ew, rows.h[r], true);
  }
}

void arrow_down_(dc_& dc, int32_t ax, int32_t ay, int32_t c) {
  for (int32_t i = -2; i <= 2; ++i) pixel_(dc, ax + i, ay - 1, c);
  for (int32_t i = -1; i <= 1; ++i) pixel_(dc, ax + i, ay, c);
  pixel_(dc, ax, ay + 1, c);
}

void arrow_right_(dc_& dc, int32_t ax, int32_t ay, int32_t c) {
  for (int32_t i = -2; i <= 2; ++i) pixel_(dc, ax - 1, ay + i, c);
  for (int32_t i = -1; i <= 1; ++i) pixel_(dc, ax, ay + i, c);
  pixel_(dc, ax + 1, ay, c);
}

// Member of a whole (not split) button, 0 for none.
int whole_member_(int32_t state, flag16_ checked, flag16_ menu_bar) {
  if (state == 2) return 1;
  if (state == 4) return menu_bar == true_ ? 5 : 3;
  if (state == 1 && checked == true_) return 4;
  return 0;
}

void split_members_(int32_t state, flag16_ checked, flag16_ menu_bar, int32_t hot, int& main, int& arrow) {
  const bool chk = checked == true_;
  main = arrow = 0;
  if (state == 2) {
    if (hot == 2) main = chk ? 4 : 2, arrow = 1;
    else if (hot == 1) main = 1, arrow = chk ? 4 : 2;
    else main = arrow = chk ? 1 : 2;
  } else if (state == 4) {
    if (menu_bar == true_) main = arrow = 5;
    else if (hot == 2) main = chk ? 4 : 2, arrow = 3;
    else if (hot == 1) main = 3, arrow = chk ? 4 : 2;
    else main = arrow = 3;
  } else if (state == 1 && chk) {
    main = arrow = 4;
  }
}

// Text at its reference point: turned text hangs to the left of the point.
void text_at_(dc_& dc, int32_t x, int32_t y, std::string_view text) { dc.text_out_(x, y, text); }

}  // namespace

int32_t dock_arrow_color_() { return blend_colors_(0, skin_palette_.color_background, 0.25f); }

void draw_dock_toolbar_body_(dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H, int32_t E, flag16_ vertical,
                             int32_t, int32_t, int32_t S) {
  const skin_palette_rec_& p = skin_palette_;
  const int32_t C1 = S == 2 ? p.color_tbexline1o : S == 4 ? p.color_tbexline1p : p.color_tbexline1;
  const int32_t C2 = S == 2 ? p.color_tbexline2o : S == 4 ? p.color_tbexline2p : p.color_tbexline2;
  const int32_t M = blend_colors_(p.color_tbexline2, p.color_tbexline1, 0.5f);
  const bool round = p.round_corners == true_;
  const sprite_rect_rec_* end = dock_end_button_sprites_;
  if (vertical != true_) {
    paint::part(dc, dock_band_body_sprites_[1], x, y, W, H, false);
    if (round) {
      line_(dc, p.color_tbexline2, x, y + H - 1, x + W, y + H - 1);
      line_(dc, p.color_dockbg_act, x, y, x, y + H);
    }
    paint::part(dc, end[S == 2 ? 2 : S == 4 ? 3 : 1], x + W - E, y, E, H, false);
    const sprite_rect_rec_& g = end[4];
    auto glyph = [&] { paint::part_at(dc, g, rnd(x + W - E * 0.5 - g.width * 0.5), y + H - g.height - 5, true); };
    if (round) {
      for (auto [px, py] : {std::pair{x + 1, y}, {x + W - 1, y}, {x + 1, y + H - 1}, {x + W - 1, y + H - 1}})
        pixel_(dc, px, py, p.color_dockbg_act);
      pixel_(dc, x + 1, y + H - 2, M);
      pixel_(dc, x + W - E - 1, y, C1);
      pixel_(dc, x + W - E - 1, y + H - 2, C2);
      pixel_(dc, x + W - E - 1, y + H - 1, C2);
      pixel_(dc, x + W - E - 2, y + H - 1, C2);
      glyph();
    } else {
      glyph();
      line_(dc, p.color_tbexline2, x, y + H - 1, x + W, y + H - 1);
      line_(dc, p.color_tbexline2, x + W - 1, y, x + W - 1, y + H);
      line_(dc, p.color_dockbg_act, x, y, x, y + H);
    }
    return;
  }
  paint::part(dc, dock_band_body_sprites_[2], x, y, W, H, false);
  if (round) {
    line_(dc, p.color_tbexline2, x + W - 1, y, x + W - 1, y + H);
    line_(dc, p.color_dockbg_act, x, y, x + W, y);
  }
  paint::part(dc, end[S == 2 ? 7 : S == 4 ? 8 : 6], x, y + H - E, W, E, false);
  const sprite_rect_rec_& g = end[9];
  auto glyph = [&] { paint::part_at(dc, g, x + W - g.width - 5, rnd(y + H - E * 0.5 - g.height * 0.5), true); };
  if (round) {
    for (auto [px, py] : {std::pair{x, y + 1}, {x, y + H - 1}, {x + W - 1, y + 1}, {x + W - 1, y + H - 1}})
      pixel_(dc, px, py, p.color_dockbg_act);
    pixel_(dc, x + W - 2, y + 1, M);
    pixel_(dc, x, y + H - E - 1, C1);
    pixel_(dc, x + W - 2, y + H - E - 1, C2);
    pixel_(dc, x + W - 1, y + H - E - 1, C2);
    pixel_(dc, x + W - 1, y + H - E - 2, C2);
    glyph();
  } else {
    glyph();
    line_(dc, p.color_tbexline2, x + W - 1, y, x + W - 1, y + H);
    line_(dc, p.color_tbexline2, x, y + H - 1, x + W, y + H - 1);
    line_(dc, p.color_dockbg_act, x, y, x + W, y);
  }
}

void draw_dock_gripper_(dc_& dc, int32_t x, int32_t y, flag16_ lying, flag16_ first_off, flag16_ second) {
  const int v = first_off != true_ ? 1 : second == true_ ? 2 : 3;
  const gripper_pair_rec_& first = dock_gripper_sprites_[1];
  if (lying == true_) {
    const sprite_rect_rec_& s1 = first.lying;
    paint::part(dc, dock_gripper_sprites_[v].lying, rnd(x - s1.width * 0.5), y, s1.width, s1.height, true);
  } else {
    const sprite_rect_rec_& s1 = first.upright;
    paint::part(dc, dock_gripper_sprites_[v].upright, x, rnd(y - s1.height * 0.5), s1.width, s1.height, true);
  }
}

void draw_dock_separator_v_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h) {
  paint::part(dc, dock_separator_sprites_[1], x, y, w, h, false);
}

void draw_dock_separator_h_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h) {
  paint::part(dc, dock_separator_sprites_[2], x, y, w, h, false);
}

void draw_float_toolbar_frame_(dc_& dc, int32_t x, int32_t y, int32_t W, int32_t H, std::string_view caption,
                               flag16_ menu_bar, int32_t, flag16_ close_visible, uint8_t close_state, int32_t s,
                               int32_t e, int32_t f, int32_t g) {
  const skin_palette_rec_& p = skin_palette_;
  fill_rect_(dc, x, y, W, H, p.color_tbborder, -1);
  fill_rect_(dc, x + e, y + e, W - 2 * e, H - 2 * e, p.color_tbbdist, -1);
  fill_rect_(dc, x + e + f, y + e + f, W - 2 * e - 2 * f, g, p.color_tbbgtitle, -1);
  const int32_t bx0 = x + e + f, by0 = y + e + 2 * f + g, bw = W - 2 * e - 2 * f, bh = H - 2 * e - 3 * f - g;
  if (menu_bar != true_)
    paint::part(dc, dock_band_body_sprites_[1], bx0, by0, bw, bh, false);
  else
    fill_rect_(dc, bx0, by0, bw, bh, p.color_dockbg_act, -1);
  {
    paint::ui_font_scope font(dc);
    dc.set_text_colour_(uint32_t(p.color_tbtxtitle));
    pixel_rect_ box{x + e + f + 3, y + e + f, x + W - e - f, y + e + f + g};
    dc.draw_text_(caption, box, text_single_line_ | text_vcenter_);
  }
  if (close_visible != true_) return;
  const int32_t d = std::abs(g - s);
  const int32_t bx = rnd(x + W - e - s - d * 0.5 - f), by = rnd(d * 0.5 + y + e + f);
  const sprite_rect_rec_* glyph = &float_close_sprites_[1];
  if (close_state >= 1) {
    draw_dock_button_(dc, bx, by, s, s, 0, "", close_state == 1 ? 2 : 4, 0, 0, -1, -1, 0, true_);
    glyph = &float_close_sprites_[2];
  }
  paint::part_at(dc, *glyph, rnd(bx + s * 0.5 - glyph->width * 0.5), rnd(by + s * 0.5 - glyph->height * 0.5), true);
}

void draw_dock_button_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t icon, std::string_view text,
                       int32_t state, flag16_ checked, flag16_ menu_bar, int32_t icon_x, int32_t icon_y,
                       flag16_ vertical, flag16_ frame_only) {
  if (int m = whole_member_(state, checked, menu_bar)) button_body_(dc, dock_button_sprites_[m], x, y, w, h);
  if (frame_only == true_) return;
  const bool vert = vertical == true_;
  paint::ui_font_scope font(dc, vert);
  const pixel_size_ t = dc.text_extent_(text);
  const int32_t cx = t.cx, cy = t.cy;
  const skin_palette_rec_& p = skin_palette_;
  if (menu_bar == true_) {
    dc.set_text_colour_(uint32_t(state >= 2 || checked == true_ ? p.color_tbtxtover : p.color_tbtxtmenu));
    if (vert)
      text_at_(dc, rnd(x + w / 2.0 + cy / 2.0), rnd(y + h / 2.0 - cx / 2.0), text);
    else
      text_at_(dc, rnd(x + w / 2.0 - cx / 2.0), rnd(y + h / 2.0 - cy / 2.0), text);
    return;
  }
  dc.set_text_colour_(uint32_t(p.color_tbtxtctrl));
  if (icon_x <= -1) icon_x = rnd(x + w / 2.0);
  if (icon_y <= -1) icon_y = rnd(y + h / 2.0);
  if (icon >= 1) draw_table_icon_(dc, float(icon_x), float(icon_y), 16, icon, true_, true_, true_, -1, 0);
  if (vert)
    text_at_(dc, rnd(x + w / 2.0 + cy / 2.0), icon >= 1 ? y + 26 : rnd(y + h / 2.0 - cx / 2.0), text);
  else
    text_at_(dc, icon >= 1 ? x + 26 : rnd(x + w / 2.0 - cx / 2.0), rnd(y + h / 2.0 - cy / 2.0), text);
}

void draw_dock_arrow_button_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t icon, std::string_view text,
                             int32_t state, flag16_ checked, flag16_ menu_bar, int32_t icon_x, int32_t icon_y,
                             flag16_ vertical, int32_t arrow_w, int32_t hot_part, flag16_ split) {
  if (split != true_) {
    if (int m = whole_member_(state, checked, menu_bar)) button_body_(dc, dock_button_sprites_[m], x, y, w, h);
  } else {
    int main = 0, arrow = 0;
    split_members_(state, checked, menu_bar, hot_part, main, arrow);
    if (main) button_body_(dc, dock_button_sprites_[main], x, y, w - arrow_w, h);
    if (arrow) arrow_part_(dc, dock_button_sprites_[arrow], x, y, w, h, arrow_w);
  }
  arrow_down_(dc, rnd(x + w - 1 - arrow_w / 2.0), rnd(y + h / 2.0), dock_arrow_color_());

  const bool vert = vertical == true_;
  paint::ui_font_scope font(dc, vert);
  const pixel_size_ t = dc.text_extent_(text);
  const int32_t cx = t.cx, cy = t.cy;
  dc.set_text_colour_(uint32_t(skin_palette_.color_tbtxtctrl));
  if (icon_x <= -1) icon_x = rnd(x + w / 2.0);
  if (icon_y <= -1) icon_y = rnd(y + h / 2.0);
  if (icon >= 1) draw_table_icon_(dc, float(icon_x), float(icon_y), 16, icon, true_, true_, true_, -1, 0);
  const double mid = (w - arrow_w) / 2.0;
  if (vert)
    text_at_(dc, rnd(x + mid + cy / 2.0), icon >= 1 ? y + 29 : rnd(y + h / 2.0 - cx / 2.0), text);
  else
    text_at_(dc, icon >= 1 ? x + 29 : rnd(x + mid - cx / 2.0), rnd(y + h / 2.0 - cy / 2.0), text);
}

void draw_dock_custom_button_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view, int32_t state,
                              flag16_ vertical) {
  const int32_t colour = dock_arrow_color_();
  const bool vert = vertical == true_;
  const sprite9_set_rec_& first = dock_custom_button_sprites_[vert ? 4 : 1];
  const int32_t cw = first.part[1].width, ch = first.part[1].height, bw = first.part[9].width, bh = first.part[9].height;
  x += 2, y += 2, w -= 4, h -= 4;
  const int m = (vert ? 3 : 0) + (state == 4 ? 3 : state == 2 ? 2 : 1);
  const sprite9_set_rec_& s = dock_custom_button_sprites_[m];
  const rows_ rows(y, h, ch, bh);
  const int32_t cx[3] = {x, x + cw, x + w - bw}, cwid[3] = {cw, w - cw - bw, bw};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) paint::part(dc, s.part[1 + r * 3 + c], cx[c], rows.y[r], cwid[c], rows.h[r], false);
  if (vert)
    arrow_right_(dc, rnd(x + w / 2.0), rnd(y + h - bh / 2.0), colour);
  else
    arrow_down_(dc, rnd(x + w - bw / 2.0), rnd(y + h / 2.0), colour);
}
