// A contact sheet of the painters in their states. On the flat test skin every part is one
// colour, so the sheet must equal, pixel for pixel, a sheet filled rectangle by rectangle with
// the colours of the parts each painter is meant to use where it is meant to put them. The same
// sheet is painted with the program's skins and saved beside the build for review.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"
#include "platform/services/picture_file.h"
#include "shell/ui_metrics.h"
#include "support/test_skin.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/paint_dock.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/paint_scroll.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_atlas.h"

namespace {

constexpr uint32_t paper = 0x123456;
constexpr int32_t painter_sheet_w = 760, painter_sheet_h = 560;

uint32_t part_colour(const sprite_rect_rec_& r) { return skin_picture_.colour_(r.x, r.y); }

// One cell: what the painter draws, and what the expected sheet gets there.
struct cell {
  std::string name;
  std::function<void(dc_&)> paint;
  std::function<void(dc_&)> expect;
};

void put(dc_& e, int32_t x, int32_t y, int32_t w, int32_t h, const sprite_rect_rec_& part) {
  if (w >= 1 && h >= 1) e.fill_rectangle_({x, y, x + w, y + h}, part_colour(part));
}

// Nine parts with the left, right, top and bottom sizes given.
void nine(dc_& e, const sprite9_set_rec_& s, int32_t x, int32_t y, int32_t W, int32_t H, int32_t L, int32_t R,
          int32_t T, int32_t B) {
  const int32_t xs[3] = {x, x + L, x + W - R}, ws[3] = {L, W - L - R, R};
  const int32_t ys[3] = {y, y + T, y + H - B}, hs[3] = {T, H - T - B, B};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) put(e, xs[c], ys[r], ws[c], hs[r], s.part[1 + r * 3 + c]);
}
void nine(dc_& e, const sprite9_set_rec_& s, int32_t x, int32_t y, int32_t W, int32_t H) {
  nine(e, s, x, y, W, H, s.part[1].width, s.part[9].width, s.part[1].height, s.part[9].height);
}
void nine_framed(dc_& e, const sprite9_set_rec_& s, int32_t x, int32_t y, int32_t W, int32_t H) {
  nine(e, s, x, y, W, H, s.part[1].width, s.part[3].width, s.part[1].height, s.part[7].height);
}
// Columns 1-3 of a docking button set; corner sizes from member 1.
void dock_body(dc_& e, const sprite15_set_rec_& s, int32_t x, int32_t y, int32_t W, int32_t H) {
  const sprite15_set_rec_& m1 = dock_button_sprites_[1];
  const int32_t L = m1.part[0].width, T = m1.part[0].height, R = m1.part[12].width, B = m1.part[12].height;
  const int32_t xs[3] = {x, x + L, x + W - R}, ws[3] = {L, W - L - R, R};
  const int32_t ys[3] = {y, y + T, y + H - B}, hs[3] = {T, H - T - B, B};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) put(e, xs[c], ys[r], ws[c], hs[r], s.part[r * 5 + c]);
}

std::vector<cell> cells() {
  std::vector<cell> v;
  int32_t x = 4, y = 4, row_h = 0;
  // Places cells left to right, wrapping at the sheet's edge.
  auto slot = [&](int32_t w, int32_t h) {
    if (x + w + 4 > painter_sheet_w) x = 4, y += row_h + 6, row_h = 0;
    pixel_point_ p{x, y};
    x += w + 6;
    row_h = std::max(row_h, h);
    return p;
  };
  for (int32_t state : {1, 2, 4}) {
    auto p = slot(70, 24);
    const sprite9_set_rec_& s = button_face_sprites_[state == 1 ? 1 : state == 2 ? 2 : 3];
    v.push_back({"button " + std::to_string(state), [=](dc_& d) { draw_button_skin_rect_(nullptr, d, p.x, p.y, 70, 24, state); },
                 [=, &s](dc_& e) { nine(e, s, p.x, p.y, 70, 24); }});
  }
  for (int32_t state : {1, 2, 3, 4}) {
    auto p = slot(90, 22);
    v.push_back({"edit box " + std::to_string(state),
                 [=](dc_& d) { draw_edit_box_(nullptr, d, p.x, p.y, 90, 22, "", true_, 0, -1, 0, state, 0, 0, 0); },
                 [=](dc_& e) {
                   const sprite9_set_rec_& s = edit_box_sprites_[state];
                   nine_framed(e, s, p.x, p.y, 90, 22);
                   const sprite_rect_rec_& a = drop_arrow_sprites_[state == 1 ? 1 : 2];
                   put(e, paint::rnd(p.x + 90 - s.part[3].width * 0.5 - 3), paint::rnd(22 * 0.5 + p.y - 3), a.width,
                       a.height, a);
                 }});
  }
  for (int32_t state : {2, 4}) {
    auto p = slot(70, 24);
    v.push_back({"tab " + std::to_string(state), [=](dc_& d) { draw_tab_(d, p.x, p.y, 70, 24, "", 0, state); },
                 [=](dc_& e) { nine(e, button_face_sprites_[state == 2 ? 2 : 3], p.x, p.y, 70, 24); }});
  }
  for (int32_t state : {1, 2, 3, 4}) {
    auto p = slot(70, 30);
    v.push_back({"baseline tab " + std::to_string(state),
                 [=](dc_& d) { draw_tab_baseline_(d, p.x, p.y, 60, 30, state); },
                 [=](dc_& e) {
                   const sprite9_set_rec_& f = tab_baseline_sprites_[1];
                   const sprite9_set_rec_& s = tab_baseline_sprites_[state <= 2 ? 1 : 2];
                   const int b = state % 2 ? 1 : 4;
                   const int32_t L = f.part[1].width, R = f.part[3].width, H = f.part[2].height;
                   const int32_t W = paint::rnd(60 + R * 0.33), top = p.y + 30 - H;
                   put(e, p.x, top, L, H, s.part[b]);
                   put(e, p.x + W - R, top, R, H, s.part[b + 2]);
                   put(e, p.x + L, top, W - L - R, H, s.part[b + 1]);
                 }});
  }
  for (int32_t state = 0; state <= 5; ++state) {
    auto p = slot(13, 13);
    v.push_back({"check " + std::to_string(state), [=](dc_& d) { draw_check_glyph_(d, p.x, p.y, state, 0); },
                 [=](dc_& e) { put(e, p.x, p.y, 13, 13, check_glyph_sprites_[state + 1]); }});
    auto q = slot(13, 13);
    v.push_back({"option " + std::to_string(state), [=](dc_& d) { draw_option_glyph_(d, q.x, q.y, state, 0); },
                 [=](dc_& e) { put(e, q.x, q.y, 13, 13, option_glyph_sprites_[state + 1]); }});
  }
  struct dock_case {
    int32_t state;
    flag16_ checked, menu;
    int member;
  };
  for (dock_case c : {dock_case{2, 0, 0, 1}, {4, 0, 0, 3}, {1, true_, 0, 4}, {4, 0, true_, 5}}) {
    auto p = slot(30, 28);
    v.push_back({"dock button " + std::to_string(c.member),
                 [=](dc_& d) { draw_dock_button_(d, p.x, p.y, 30, 28, 0, "", c.state, c.checked, c.menu, -1, -1, 0, 0); },
                 [=](dc_& e) { dock_body(e, dock_button_sprites_[c.member], p.x, p.y, 30, 28); }});
  }
  for (flag16_ vertical : {flag16_(0), true_}) {
    for (int32_t state : {1, 2, 4}) {
      const int32_t W = vertical ? 26 : 60, H = vertical ? 60 : 26;
      auto p = slot(W, H);
      v.push_back({"custom button " + std::to_string(state),
                   [=](dc_& d) { draw_dock_custom_button_(d, p.x, p.y, W, H, "", state, vertical); },
                   [=](dc_& e) {
                     const int m = (vertical ? 3 : 0) + (state == 4 ? 3 : state == 2 ? 2 : 1);
                     const sprite9_set_rec_& first = dock_custom_button_sprites_[vertical ? 4 : 1];
                     const int32_t x0 = p.x + 2, y0 = p.y + 2, w = W - 4, h = H - 4;
                     nine(e, dock_custom_button_sprites_[m], x0, y0, w, h, first.part[1].width, first.part[9].width,
                          first.part[1].height, first.part[9].height);
                     const uint32_t ac = uint32_t(dock_arrow_color_());
                     const int32_t ax = vertical ? paint::rnd(x0 + w / 2.0) : paint::rnd(x0 + w - first.part[9].width / 2.0);
                     const int32_t ay = vertical ? paint::rnd(y0 + h - first.part[9].height / 2.0) : paint::rnd(y0 + h / 2.0);
                     for (int32_t i = -2; i <= 2; ++i) {
                       for (int32_t k = 0; k < 3; ++k) {
                         if (std::abs(i) > 2 - k) continue;
                         if (vertical)
                           e.set_pixel_(ax - 1 + k, ay + i, ac);
                         else
                           e.set_pixel_(ax + i, ay - 1 + k, ac);
                       }
                     }
                   }});
    }
  }
  for (int m = 1; m <= 8; ++m) {
    auto p = slot(60, 24);
    v.push_back({"ribbon tab " + std::to_string(m),
                 [=](dc_& d) { draw_ribbon_tab_(nullptr, d, p.x, 60, 24, uint8_t((m - 1) % 4 + 1), "", p.y, m <= 4 ? true_ : 0); },
                 [=](dc_& e) { nine(e, ribbon_tab_sprites_[m], p.x, p.y, 60, 24); }});
  }
  for (int32_t state : {1, 2, 4}) {
    auto p = slot(56, 25);
    v.push_back({"application button " + std::to_string(state),
                 [=](dc_& d) { draw_ribbon_menu_button_(d, p.x, p.y, 55, 24, "", state); },
                 [=](dc_& e) { nine(e, app_button_sprites_[state == 1 ? 1 : state == 2 ? 2 : 3], p.x + 1, p.y + 1, 54, 24); }});
  }
  {
    auto p = slot(20, 20);
    v.push_back({"key tip", [=](dc_& d) { draw_key_tip_(d, p.x + 9, p.y + 9, ""); },
                 [=](dc_& e) {
                   const int32_t m = ui_metrics_.key_tip_min_w_;
                   nine(e, key_tip_sprites_, paint::rnd(p.x + 9 - m / 2.0), paint::rnd(p.y + 9 - m / 2.0), m, m);
                 }});
  }
  {
    auto p = slot(150, 25);
    v.push_back({"menu row hover", [=](dc_& d) { draw_menu_item_(d, p.x, p.y, 150, 25, "", 25, 0, true_, 0, true_, "", 0, 0, 0, 0); },
                 [=](dc_& e) { nine(e, menu_row_sprites_[1], p.x, p.y, 150, 25); }});
    auto q = slot(150, 25);
    v.push_back({"menu row checked", [=](dc_& d) { draw_menu_item_(d, q.x, q.y, 150, 25, "", 25, 0, 0, true_, true_, "", 0, 0, 0, 0); },
                 [=](dc_& e) {
                   const sprite9_set_rec_& s = menu_row_sprites_[2];
                   nine(e, s, q.x + 1, q.y + 1, 23, 23);
                   const sprite_rect_rec_& g = s.part[0];
                   put(e, paint::rnd(q.x + 1 + 11.5 - g.width * 0.5), paint::rnd(q.y + 1 + 11.5 - g.height * 0.5), g.width,
                       g.height, g);
                 }});
  }
  struct item_case {
    int32_t type;
    int16_t state;
    flag16_ checked;
    const sprite9_set_rec_* set;
  };
  for (item_case c : {item_case{1, 1, 0, &item_small_sprites_[1]}, {1, 2, 0, &item_small_sprites_[2]},
                      {1, 0, true_, &item_small_sprites_[3]}, {1, 1, true_, &item_small_sprites_[4]},
                      {4, 0, 0, &item_row_sprites_[4]}, {4, 2, 0, &item_row_sprites_[3]},
                      {1, 1, 0, &item_large_sprites_[1]}, {1, 2, 0, &item_large_sprites_[2]}}) {
    const bool large = c.set == &item_large_sprites_[1] || c.set == &item_large_sprites_[2];
    const int32_t W = large ? 50 : 80, H = large ? 66 : 22;
    auto p = slot(W, H);
    v.push_back({"item " + std::to_string(c.type) + "/" + std::to_string(c.state),
                 [=](dc_& d) {
                   item_button_args_ a;
                   a.x = p.x, a.y = p.y, a.w = W, a.h = H, a.item_type = c.type, a.state = c.state, a.checked = c.checked;
                   draw_item_button_(0, d, a);
                 },
                 [=](dc_& e) {
                   nine_framed(e, *c.set, p.x, p.y, W, H);
                   if (c.type == 4) {
                     const sprite_rect_rec_& a = drop_arrow_sprites_[c.state >= 1 ? 2 : 1];
                     put(e, p.x + W - 11, paint::rnd(p.y + H / 2.0 - 3), a.width, a.height, a);
                   }
                 }});
  }
  {
    auto p = slot(22 * 2 + 34, 22);
    v.push_back({"segments bBc", [=](dc_& d) { draw_button_segments_(d, p.x, p.y, 22, 22, 34, "bBc", 0, -1, -1, 0); },
                 [=](dc_& e) {
                   const sprite21_set_rec_& m1 = segment_sprites_[1];
                   const int32_t Lw = m1.part[0].width, Rw = m1.part[4].width, Dw = m1.part[6].width;
                   const int32_t Th = m1.part[0].height, Bh = m1.part[14].height, w3 = m1.part[3].width;
                   auto col = [&](int member, int k, int32_t left, int32_t width) {
                     const sprite21_set_rec_& s = segment_sprites_[member];
                     put(e, left, p.y, width, Th, s.part[k]);
                     put(e, left, p.y + Th, width, 22 - Th - Bh, s.part[7 + k]);
                     put(e, left, p.y + 22 - Bh, width, Bh, s.part[14 + k]);
                   };
                   col(1, 0, p.x, Lw), col(1, 2, p.x + Lw, 22 - Lw - Rw), col(1, 3, p.x + 22 - w3, w3);
                   col(4, 1, p.x + 22, Lw), col(4, 2, p.x + 22 + Lw, 22 - Lw - Rw), col(4, 3, p.x + 44 - w3, w3);
                   col(1, 1, p.x + 44, Lw), col(1, 2, p.x + 44 + Lw, 34 - Lw - Dw), col(1, 6, p.x + 44 + 34 - Dw, Dw);
                   const sprite_rect_rec_& a = drop_arrow_sprites_[1];
                   put(e, paint::rnd(p.x + 44 + 34 - m1.part[5].width / 2.0 - 3), paint::rnd(p.y + 11.0 - 3), a.width,
                       a.height, a);
                 }});
  }
  {
    auto p = slot(40, 40);
    v.push_back({"separators and strips",
                 [=](dc_& d) {
                   draw_dock_separator_v_(d, p.x, p.y, 2, 19);
                   draw_dock_separator_h_(d, p.x + 5, p.y, 19, 2);
                   draw_tab_separator_(d, p.x + 30, p.y, 20);
                   draw_status_separator_(d, p.x + 35, p.y, 0, 22);
                   draw_status_background_(d, p.x + 5, p.y + 5, 20, 10);
                   draw_ribbon_band_(d, p.x, p.y + 25, 30, 3, true_);
                   draw_header_band_(d, p.x, p.y + 30, 30, 3, true_);
                   draw_header_band_(d, p.x, p.y + 35, 30, 3, 0);
                   draw_ribbon_glyph_(d, p.x + 30, p.y + 25, 0);
                 },
                 [=](dc_& e) {
                   put(e, p.x, p.y, 2, 19, dock_separator_sprites_[1]);
                   put(e, p.x + 5, p.y, 19, 2, dock_separator_sprites_[2]);
                   put(e, p.x + 30, p.y, tab_separator_sprite_.width, 20, tab_separator_sprite_);
                   put(e, p.x + 35, p.y, status_bar_sprites_[3].width, 22, status_bar_sprites_[3]);
                   put(e, p.x + 5, p.y + 5, 20, 10, status_bar_sprites_[2]);
                   put(e, p.x, p.y + 25, 30, 3, ribbon_body_sprites_[1].part[0]);
                   put(e, p.x, p.y + 30, 30, 3, ribbon_body_sprites_[1].part[1]);
                   put(e, p.x, p.y + 35, 30, 3, ribbon_body_sprites_[1].part[7]);
                   put(e, p.x + 30, p.y + 25, ribbon_glyph_sprite_.width, ribbon_glyph_sprite_.height, ribbon_glyph_sprite_);
                 }});
  }

  for (uint8_t state = 0; state <= 4; ++state) {
    auto p = slot(60, 70);
    v.push_back({"ribbon group " + std::to_string(state),
                 [=](dc_& d) {
                   ribbon_group_args_ a;
                   a.x = p.x, a.y = p.y, a.w = 60, a.h = 70, a.caption_h = 13, a.state = state;
                   draw_ribbon_group_(nullptr, d, a);
                 },
                 [=](dc_& e) {
                   const sprite12_set_rec_& s = ribbon_group_sprites_[state + 1];
                   const int32_t Lc = s.part[0].width, Rc = s.part[2].width, Tc = s.part[0].height,
                                 Bc = s.part[9].height, K = 13;
                   const int32_t xs[3] = {p.x, p.x + Lc, p.x + 60 - Rc}, ws[3] = {Lc, 60 - Lc - Rc, Rc};
                   const int32_t ys[4] = {p.y, p.y + Tc, p.y + 70 - K - Bc, p.y + 70 - Bc},
                                 hs[4] = {Tc, 70 - Tc - K - Bc, K, Bc};
                   for (int c = 0; c < 3; ++c)
                     for (int r = 0; r < 4; ++r) put(e, xs[c], ys[r], ws[c], hs[r], s.part[r * 3 + c]);
                 }});
  }
  for (flag16_ vertical : {flag16_(0), true_}) {
    const int32_t W = vertical ? 31 : 90, H = vertical ? 90 : 31;
    auto p = slot(W, H);
    v.push_back({std::string("dock band ") + (vertical ? "vertical" : "horizontal"),
                 [=](dc_& d) {
                   skin_palette_.round_corners = 0;
                   draw_dock_toolbar_body_(d, p.x, p.y, W, H, 12, vertical, 0, 0, 1);
                   skin_palette_.round_corners = true_;
                 },
                 [=](dc_& e) {
                   const uint32_t line2 = uint32_t(skin_palette_.color_tbexline2),
                                  bg = uint32_t(skin_palette_.color_dockbg_act);
                   auto fill = [&](int32_t x, int32_t y, int32_t w, int32_t h, uint32_t c) {
                     e.fill_rectangle_({x, y, x + w, y + h}, c);
                   };
                   if (!vertical) {
                     put(e, p.x, p.y, W, H, dock_band_body_sprites_[1]);
                     put(e, p.x + W - 12, p.y, 12, H, dock_end_button_sprites_[1]);
                     const sprite_rect_rec_& g = dock_end_button_sprites_[4];
                     put(e, paint::rnd(p.x + W - 6 - g.width * 0.5), p.y + H - g.height - 5, g.width, g.height, g);
                     fill(p.x, p.y + H - 1, W, 1, line2);
                     fill(p.x + W - 1, p.y, 1, H, line2);
                     fill(p.x, p.y, 1, H, bg);
                   } else {
                     put(e, p.x, p.y, W, H, dock_band_body_sprites_[2]);
                     put(e, p.x, p.y + H - 12, W, 12, dock_end_button_sprites_[6]);
                     const sprite_rect_rec_& g = dock_end_button_sprites_[9];
                     put(e, p.x + W - g.width - 5, paint::rnd(p.y + H - 6 - g.height * 0.5), g.width, g.height, g);
                     fill(p.x + W - 1, p.y, 1, H, line2);
                     fill(p.x, p.y + H - 1, W, 1, line2);
                     fill(p.x, p.y, W, 1, bg);
                   }
                 }});
  }
  {
    auto p = slot(90, 50);
    v.push_back({"floating frame",
                 [=](dc_& d) { draw_float_toolbar_frame_(d, p.x, p.y, 90, 50, "", 0, 0, true_, 0, 14, 2, 1, 16); },
                 [=](dc_& e) {
                   const skin_palette_rec_& c = skin_palette_;
                   auto fill = [&](int32_t x, int32_t y, int32_t w, int32_t h, int32_t col) {
                     e.fill_rectangle_({x, y, x + w, y + h}, uint32_t(col));
                   };
                   fill(p.x, p.y, 90, 50, c.color_tbborder);
                   fill(p.x + 2, p.y + 2, 86, 46, c.color_tbbdist);
                   fill(p.x + 3, p.y + 3, 84, 16, c.color_tbbgtitle);
                   put(e, p.x + 3, p.y + 2 + 2 + 16, 84, 50 - 4 - 3 - 16, dock_band_body_sprites_[1]);
                   const sprite_rect_rec_& g = float_close_sprites_[1];
                   const int32_t bx = paint::rnd(p.x + 90 - 2 - 14 - 1 - 1), by = paint::rnd(1 + p.y + 2 + 1);
                   put(e, paint::rnd(bx + 7 - g.width * 0.5), paint::rnd(by + 7 - g.height * 0.5), g.width, g.height, g);
                 }});
  }
  {
    auto p = slot(200, 14);
    v.push_back({"progress bar",
                 [=](dc_& d) {
                   d.set_origin_(p.x, p.y);
                   draw_progress_bar_(nullptr, d, 37);
                   d.set_origin_(0, 0);
                 },
                 [=](dc_& e) {
                   const sprite9_set_rec_& t = progress_sprites_[2];
                   const sprite9_set_rec_& f = progress_sprites_[1];
                   const int32_t W = f.part[4].width + f.part[5].width + f.part[6].width;
                   const int32_t H = f.part[2].height + f.part[5].height + f.part[8].height;
                   nine(e, t, p.x, p.y, W, H);
                   const int32_t fill = paint::rnd(0.37 * W), L = f.part[1].width, R = f.part[9].width;
                   const int32_t T = f.part[1].height, B = f.part[9].height;
                   put(e, p.x, p.y, L, T, f.part[1]);
                   put(e, p.x, p.y + T, L, H - T - B, f.part[4]);
                   put(e, p.x, p.y + H - B, L, B, f.part[7]);
                   put(e, p.x + L, p.y, fill - L - R, T, f.part[2]);
                   put(e, p.x + L, p.y + T, fill - L - R, H - T - B, f.part[5]);
                   put(e, p.x + L, p.y + H - B, fill - L - R, B, f.part[8]);
                 }});
  }
  for (bool vertical : {false, true}) {
    const int32_t W = vertical ? 17 : 120, H = vertical ? 120 : 17;
    auto p = slot(W, H);
    v.push_back({std::string("quiet scroll bar ") + (vertical ? "vertical" : "horizontal"),
                 [=](dc_& d) {
                   int32_t nv = 0, centre = 0;
                   if (vertical)
                     draw_skin_box_(0, nullptr, d, p.x, p.y, W, H, 0, 0, 0, 0, -1, -1, 0, 0, 0, nv, centre);
                   else
                     draw_skin_box_scroll_(0, nullptr, d, p.x, p.y, W, H, 0, 0, 0, 0, -1, -1, 0, 0, 0, nv, centre);
                 },
                 [=](dc_& e) {
                   const box_sprite_set_rec_& s = (vertical ? box_sprites_b_ : box_sprites_a_)[4];
                   const int32_t a0 = vertical ? p.y : p.x, n = vertical ? H : W, c0 = vertical ? p.x : p.y, k = 17;
                   auto len = [&](const sprite_rect_rec_& r) { return vertical ? r.height : r.width; };
                   auto thick = [&](const sprite_rect_rec_& r) { return vertical ? r.width : r.height; };
                   auto at = [&](const sprite_rect_rec_& r, int32_t along, int32_t across, int32_t l, int32_t t) {
                     if (vertical)
                       put(e, across, along, t, l, r);
                     else
                       put(e, along, across, l, t, r);
                   };
                   const int32_t half = paint::rnd(k * 0.5);
                   at(s.r_(6, 2), a0, c0, n, half);
                   at(s.r_(6, 4), a0, paint::rnd(c0 + k * 0.5), n, half);
                   at(s.r_(6, 1), a0, c0, n, thick(s.r_(6, 1)));
                   at(s.r_(6, 5), a0, c0 + k - thick(s.r_(6, 5)), n, thick(s.r_(6, 5)));
                   at(s.r_(6, 3), a0, paint::rnd(c0 + k * 0.5 - thick(s.r_(6, 3)) * 0.5), n, thick(s.r_(6, 3)));
                   const sprite_rect_rec_& g1 = s.r_(1, 3);
                   at(g1, a0, paint::rnd(c0 + k * 0.5 - thick(g1) * 0.5), len(g1), thick(g1));
                   const sprite_rect_rec_& g7 = s.r_(7, 3);
                   at(g7, a0 + n - len(g7), paint::rnd(c0 + k * 0.5 - thick(g7) * 0.5), len(g7), thick(g7));
                 }});
  }

  return v;
}

surface_ paint_sheet(const std::vector<cell>& all) {
  surface_ s(painter_sheet_w, painter_sheet_h);
  s.fill_colour_(paper);
  dc_ d(s);
  d.set_bk_mode_(bk_mode_::transparent_);
  for (const cell& c : all) c.paint(d);
  return s;
}

TEST(painter_sheet, test_skin_matches_the_family_table) {
  ASSERT_TRUE(load_test_skin_());
  auto old = set_text_measurer_(std::make_shared<fixed_text_measurer_>(7));
  const std::vector<cell> all = cells();
  // Each cell against its own expectation, so a failure names the painter.
  for (const cell& c : all) {
    surface_ got(painter_sheet_w, painter_sheet_h), want(painter_sheet_w, painter_sheet_h);
    got.fill_colour_(paper), want.fill_colour_(paper);
    dc_ g(got), w(want);
    g.set_bk_mode_(bk_mode_::transparent_);
    c.paint(g);
    c.expect(w);
    int32_t wrong = 0, fx = -1, fy = -1;
    for (int32_t y = 0; y < painter_sheet_h; ++y)
      for (int32_t x = 0; x < painter_sheet_w; ++x)
        if (got.colour_(x, y) != want.colour_(x, y) && wrong++ == 0) fx = x, fy = y;
    EXPECT_EQ(wrong, 0) << c.name << ": first at (" << fx << ", " << fy << "), " << std::hex << got.colour_(fx, fy)
                        << " for " << want.colour_(fx, fy);
  }
  surface_ sheet = paint_sheet(all);
  picture_image_rec_ img;
  img.width = painter_sheet_w, img.height = painter_sheet_h;
  img.argb.assign(sheet.pixels_(), sheet.pixels_() + size_t(painter_sheet_w) * painter_sheet_h);
  save_png_file_(std::string(ARVEX_BINARY_DIR) + "/painters_contact_sheet_test.png", img);
  set_text_measurer_(old);
}

// The real skins: the same sheet for review; every cell leaves marks on the paper.
TEST(painter_sheet, real_skins_paint_every_cell) {
  for (const char* name : {"silver.skin", "black.skin", "blue.skin"}) {
    load_skin_file_(real_skin_path_(name));
    ASSERT_EQ(skin_loaded_, -1) << name;
    const std::vector<cell> all = cells();
    surface_ sheet = paint_sheet(all);
    picture_image_rec_ img;
    img.width = painter_sheet_w, img.height = painter_sheet_h;
    img.argb.assign(sheet.pixels_(), sheet.pixels_() + size_t(painter_sheet_w) * painter_sheet_h);
    EXPECT_TRUE(save_png_file_(std::string(ARVEX_BINARY_DIR) + "/painters_contact_sheet_" + name + ".png", img));
  }
  ASSERT_TRUE(load_test_skin_());
}

}  // namespace
