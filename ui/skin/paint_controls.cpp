#include "ui/skin/paint_controls.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/window/window.h"
#include "shell/colors.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_palette.h"

using paint::rnd;

namespace {

pixel_size_ window_size_(window_* hwnd, dc_& dc) {
  if (!hwnd) return {dc.target_().width_(), dc.target_().height_()};
  pixel_rect_ r = hwnd->window_rect_();
  return {int32_t(r.width_()), int32_t(r.height_())};
}

pixel_size_ client_size_(window_* hwnd, dc_& dc) {
  if (!hwnd) return {dc.target_().width_(), dc.target_().height_()};
  return {hwnd->client_width_(), hwnd->client_height_()};
}

void draw_in_(dc_& dc, std::string_view text, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t format) {
  pixel_rect_ box{l, t, r, b};
  dc.draw_text_(text, box, format);
}

const sprite9_set_rec_* button_face_(int32_t state) {
  switch (state) {
    case 1: return &button_face_sprites_[1];
    case 2: return &button_face_sprites_[2];
    case 4: return &button_face_sprites_[3];
    default: return nullptr;
  }
}

void draw_glyph_(dc_& dc, const sprite_rect_rec_* family, int32_t x, int32_t y, int32_t state, flag16_ focus) {
  if (state < 0 || state > 5) return;
  const sprite_rect_rec_& g = family[state + 1];
  // Keyed, so that round option glyphs keep the form's colour around them.
  paint::part_at(dc, g, x, y, true);
  if (focus != true_) return;
  const int32_t r = x + g.width - 1, b = y + g.height - 1;
  pen_ old = dc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(skin_palette_.color_foc1_border)});
  const pixel_point_ ring[] = {{x, y}, {r, y}, {r, b}, {x, b}, {x, y}};
  dc.polyline_(ring, 5);
  dc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(skin_palette_.color_foc2_border)});
  const pixel_point_ corner[] = {{x, b}, {x, y}, {r, y}};
  dc.polyline_(corner, 3);
  dc.select_pen_(old);
}

}  // namespace

void draw_tab_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view caption, int32_t icon,
               int32_t state) {
  if (state == 2 || state == 4) {
    blit_sprite9_(button_face_sprites_[state == 2 ? 2 : 3], dc, x, y, w, h, 0, 0);
    dc.set_text_colour_(uint32_t(skin_palette_.color_btn_text_act));
  } else {
    dc.set_text_colour_(uint32_t(skin_palette_.color_tab_text_std));
  }
  if (icon < 1) {
    draw_in_(dc, caption, x, y, x + w, y + h, text_single_line_ | text_vcenter_ | text_center_);
    return;
  }
  const tab_icon_layout_ l = tab_icon_layout_of_(x, w, dc.text_extent_(caption).cx);
  draw_in_(dc, caption, l.caption_left, y, l.caption_right, y + h, text_single_line_ | text_vcenter_);
  draw_icon_state_(dc, float(l.icon_left), float(y + h * 0.5), 16, icon, 0, true_, true_, -1, 0);
}

tab_icon_layout_ tab_icon_layout_of_(int32_t x, int32_t w, int32_t caption_width) {
  const int64_t t = std::abs(int64_t(caption_width));
  const int32_t left = rnd(w * 0.5 + x - (t + 22) * 0.5 + 22);
  const int32_t right = int32_t(std::min<int64_t>(std::abs(int64_t(left)) + std::abs(t + 22), INT32_MAX));
  return {left, right, left - 22};
}

void draw_tab_separator_(dc_& dc, int32_t x, int32_t y, int32_t h) {
  paint::part(dc, tab_separator_sprite_, x, y, tab_separator_sprite_.width, h, true);
}

void draw_tab_baseline_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t state) {
  if (state < 1 || state > 4) return;
  const sprite9_set_rec_& first = tab_baseline_sprites_[1];
  const int32_t Lw = first.part[1].width, Rw = first.part[3].width, Ht = first.part[2].height;
  const int32_t W = rnd(w + Rw * 0.33);  // neighbouring tabs overlap
  const sprite9_set_rec_& set = tab_baseline_sprites_[state <= 2 ? 1 : 2];
  const int base = (state == 1 || state == 3) ? 1 : 4;
  const int32_t top = y + h - Ht;
  paint::part(dc, set.part[base], x, top, Lw, Ht, true);
  paint::part(dc, set.part[base + 2], x + W - Rw, top, Rw, Ht, true);
  paint::part(dc, set.part[base + 1], x + Lw, top, W - Lw - Rw, Ht, true);
}

void draw_button_skin_(window_* hwnd, dc_& dc, int32_t state) {
  const sprite9_set_rec_* face = button_face_(state);
  if (!face) return;
  pixel_size_ s = window_size_(hwnd, dc);
  blit_sprite9_(*face, dc, 0, 0, s.cx, s.cy, 0, 0);
}

void draw_button_skin_rect_(window_*, dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t state) {
  const sprite9_set_rec_* face = button_face_(state);
  if (face) blit_sprite9_(*face, dc, x, y, w, h, 0, true_);
}

void draw_edit_box_window_(window_* hwnd, dc_& dc, std::string_view text, flag16_ enabled, int32_t left_w,
                           int32_t swatch, int32_t icon, int32_t state) {
  pixel_size_ s = window_size_(hwnd, dc);
  draw_edit_box_(hwnd, dc, 0, 0, s.cx, s.cy, text, enabled, left_w, swatch, icon, state, 0, 0, 0);
}

void draw_edit_box_(window_*, dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view text_in,
                    flag16_ enabled, int32_t left_w, int32_t swatch, int32_t icon, int32_t state, flag16_ text_only,
                    int32_t extra_indent, flag16_ frame_off, int32_t text_colour) {
  const std::string text = paint::drop_tilde_before_l_stroke(text_in);
  static const sprite9_set_rec_ none{};
  static const sprite_rect_rec_ no_arrow{};
  const sprite9_set_rec_* frame = &none;
  const sprite_rect_rec_* arrow = &no_arrow;
  uint32_t colour = paint::sys_colour(paint::menu_text);
  if (enabled != true_) {
    frame = &edit_box_sprites_[1];
    arrow = &drop_arrow_sprites_[1];
    colour = paint::sys_colour(paint::gray_text);
  } else if (state >= 1 && state <= 4) {
    frame = &edit_box_sprites_[state];
    arrow = &drop_arrow_sprites_[state == 1 ? 1 : 2];
  }
  const sprite9_set_rec_& f = *frame;
  const int32_t L = f.part[1].width, T = f.part[1].height, R = f.part[3].width, B = f.part[7].height;
  if (text_only != true_ && frame_off != true_) {
    const int32_t cols[3][2] = {{x, L}, {x + L, w - L - R}, {x + w - R, R}};
    const int32_t rows[3][2] = {{y, T}, {y + T, h - T - B}, {y + h - B, B}};
    for (int c = 0; c < 3; ++c)
      for (int r = 0; r < 3; ++r)
        paint::part(dc, f.part[1 + r * 3 + c], cols[c][0], rows[r][0], cols[c][1], rows[r][1], false);
    paint::part_at(dc, *arrow, rnd(x + w - R * 0.5 - 3), rnd(h * 0.5 + y - 3), true);
  }
  if (text_colour >= 0 && enabled == true_) colour = uint32_t(text_colour);
  dc.set_text_colour_(colour);
  draw_in_(dc, text, x + left_w + 4 + extra_indent, y + 2, x + w - R - 2, y + h - 2,
           text_no_prefix_ | text_single_line_ | text_vcenter_);
  if (text_only == true_ || left_w < 1) return;
  if (swatch >= 0) {
    const int32_t edge = blend_colors_(skin_palette_.color_popup_border, skin_palette_.color_text_border, 0.5f);
    fill_rect_(dc, x + 5, y + 5, left_w - 7, h - 10, swatch, blend_colors_(swatch, edge, 0.5f));
  } else if (icon >= 1) {
    draw_icon_state_(dc, float(x + h * 0.5), float(y + h * 0.5), 16, icon, true_, true_, true_, -1, 0);
  }
}

void draw_check_glyph_(dc_& dc, int32_t x, int32_t y, int32_t state, flag16_ focus) {
  draw_glyph_(dc, check_glyph_sprites_, x, y, state, focus);
}

void draw_option_glyph_(dc_& dc, int32_t x, int32_t y, int32_t state, flag16_ focus) {
  draw_glyph_(dc, option_glyph_sprites_, x, y, state, focus);
}

void draw_progress_bar_(window_* hwnd, dc_& dc, int32_t value) {
  const sprite9_set_rec_& fill = progress_sprites_[1];
  // The middle is revealed, not stretched, so the bar is never wider than the fill set.
  const int32_t full = fill.part[4].width + fill.part[5].width + fill.part[6].width;
  const int32_t W = std::min(client_size_(hwnd, dc).cx, full);
  const int32_t H = fill.part[2].height + fill.part[5].height + fill.part[8].height;
  blit_sprite9_fill_(progress_sprites_[2], dc, 0, 0, W, H, W);
  blit_sprite9_fill_(fill, dc, 0, 0, W, H, rnd(value / 100.0 * W));
}

int32_t draw_status_bar_(window_* hwnd, dc_& dc, const status_bar_args_& a, int32_t& new_zoom, int32_t& zoom_left) {
  new_zoom = a.zoom_value;
  int32_t result = 0;
  const pixel_size_ cs = client_size_(hwnd, dc);
  const int32_t W = cs.cx, H = cs.cy;
  const bool slider = a.zoom_slider == true_, grip = a.no_grip != true_;
  const int32_t Z = grip ? (slider ? 200 : 50) : (slider ? 180 : 30);
  const sprite_rect_rec_* sb = status_bar_sprites_;

  paint::part(dc, sb[2], 0, 0, W, H, false);
  paint::part(dc, sb[1], 0, 0, sb[1].width, H, false);
  paint::part(dc, sb[4], W - Z, 0, Z, H, false);
  paint::part(dc, sb[3], W - Z, 0, sb[3].width, H, false);
  int32_t G = 2;
  if (grip) {
    const int32_t g = sb[5].width;
    paint::part(dc, sb[5], W - g, 0, g, H, false);
    if (a.mouse_x >= W - g) result = -1;
    G = g;
  }
  int32_t text_left = 2;
  if (a.progress >= 0) {
    const sprite9_set_rec_& fill = progress_sprites_[1];
    const int32_t Hp = fill.part[2].height + fill.part[5].height + fill.part[8].height;
    const int32_t py = rnd(H * 0.5 - Hp * 0.5);
    blit_sprite9_fill_(progress_sprites_[2], dc, 4, py, 120, Hp, 120);
    blit_sprite9_fill_(fill, dc, 4, py, 120, Hp, rnd(a.progress / 100.0 * 120));
    text_left = 130;
  }
  // The texts lie on the bar's own painting: an opaque text cell would box them in white.
  dc.set_bk_mode_(bk_mode_::transparent_);
  dc.set_text_colour_(uint32_t(skin_palette_.color_stbar_text_std));
  draw_in_(dc, a.text, text_left, 2, W - Z - 2, H - 2, text_single_line_ | text_vcenter_);

  if (slider) {
    const sprite_rect_rec_* zs = status_zoom_sprites_;
    const int32_t wm = zs[2].width, wp = zs[3].width, hs = zs[1].height, wt = zs[10].width;
    const int32_t mx = a.mouse_x, my = a.mouse_y, C = a.captured;
    const bool D = a.mouse_down == true_;
    const int32_t cm = W - Z + 60, cp = W - G - 10, ty = rnd(H * 0.5 - hs * 0.5);
    paint::part(dc, zs[1], cm, ty, std::abs(cp - cm), hs, true);

    auto button = [&](int32_t c, int32_t bw, int own, int normal, int hover, int pressed) {
      const bool over = c - bw * 0.5 <= mx && mx <= c + bw * 0.5 && ty <= my && my <= ty + bw;
      int member = normal;
      if (over && (C == 0 || C == own)) {
        member = D ? pressed : hover;
        if (D) result = own;
      }
      paint::part_at(dc, zs[member], rnd(c - bw * 0.5), ty, true);
    };
    button(cm, wm, 1, 2, 5, 8);
    button(cp, wp, 2, 3, 6, 9);

    const int32_t tl = rnd(cm + wm * 0.5 + wt * 0.5 + 1), tr = rnd(cp - wp * 0.5 - wt * 0.5);
    int32_t tx;
    if (C == 3) {
      tx = mx < tl ? tl : (mx > tr ? tr : mx);
      if (tr > tl) {
        const float s = float(double(tx - tl) / double(tr - tl));
        new_zoom = rnd(a.zoom_min + double(s) * (double(a.zoom_max) - a.zoom_min));
      }
    } else if (a.zoom_max == a.zoom_min) {
      tx = tl;
    } else {
      tx = rnd(tl + (double(a.zoom_value) - a.zoom_min) / (double(a.zoom_max) - a.zoom_min) * (tr - tl));
    }
    const bool over = tx - wt * 0.5 <= mx && mx <= tx + wt * 0.5 && ty <= my && my <= ty + wp;
    const bool hot = (over && (C == 0 || C == 3)) || C == 3;
    int member = 4;
    if (hot) {
      member = D ? 10 : 7;
      if (D) result = 3;
    }
    paint::part_at(dc, zs[member], rnd(tx - zs[member].width * 0.5), ty, true);
    draw_in_(dc, a.zoom_text, W - Z, 0, W - Z + 55, H, text_single_line_ | text_vcenter_ | text_center_);
  }
  zoom_left = W - Z;
  return result;
}

int32_t draw_status_separator_(dc_& dc, int32_t x, int32_t y, int32_t, int32_t h) {
  paint::part(dc, status_bar_sprites_[3], x, y, status_bar_sprites_[3].width, h, false);
  return 0;
}

int32_t draw_status_background_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h) {
  paint::part(dc, status_bar_sprites_[2], x, y, w, h, false);
  return 0;
}
