// Classic frame painters. The caption band is composed off screen and copied in one piece, so
// the caption never shows half painted.
#include "shell/frame_paint.h"

#include <cmath>

#include "platform/gdi/dc.h"
#include "platform/input/cursor.h"
#include "platform/services/screen.h"
#include "shell/frame_proc.h"
#include "shell/frame_skin.h"
#include "shell/frame_table.h"
#include "shell/quick_buttons.h"

namespace {

void copy_band(surface_& dst, const surface_& band) {
  const int32_t w = std::min(dst.width_(), band.width_()), h = std::min(dst.height_(), band.height_());
  for (int32_t y = 0; y < h; ++y) std::copy_n(band.row_(y), w, dst.row_(y));
}

void draw_face_and_glyph(surface_& dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t face,
                         int32_t glyph) {
  const int32_t w = std::abs(right - left), h = std::abs(bottom - top);
  paint_caption_button_face_(dc, face, left, top, w, h);
  paint_caption_glyph_(dc, glyph, left, top, w, h);
}

// Face and glyph by the window's active flag and the button state; 0 face: not drawn.
void draw_button(surface_& dc, int32_t l, int32_t t, int32_t r, int32_t b, flag16_ active, int32_t state,
                 int32_t glyph, bool close) {
  int32_t face = 0, g = glyph;
  if (active == 0) {
    face = 1;
  } else if (state == 1) {
    face = 1;
  } else if (state == 2) {
    face = close ? 4 : 2;
    if (close) g = 5;
  } else if (state == 4) {
    face = close ? 5 : 3;
    if (close) g = 5;
  }
  if (face) draw_face_and_glyph(dc, l, t, r, b, face, g);
}

}  // namespace

std::string frame_caption_text_(window_handle_ hwnd) {
  const window_* w = find_window_(hwnd);
  std::string t = w ? w->title_() : std::string();
  if (t.size() > 255) t.resize(255);
  for (char& c : t)
    if (c == '\0') c = ' ';
  const size_t b = t.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return t.substr(b, t.find_last_not_of(' ') - b + 1);
}

void paint_classic_frame_(int32_t n) {
  window_* win = frame_window_(n);
  if (!win) return;
  const frame_window_rec_& r = frame_table_[n];
  surface_& dc = win->window_surface_();
  const bool maxed = win->state_() == show_state_::maximized;
  const int32_t W = static_cast<int32_t>(win->window_rect_().width_());
  const int32_t band = frame_caption_height_(r.hwnd) + frame_border_height_(r.hwnd);
  if (r.has_border != true_) return;
  paint_frame_borders_(r.hwnd, dc, r.active);
  if (r.has_caption != true_ || W <= 0 || band <= 0) return;
  surface_ image(W, band);
  const bool quick = r.custom_caption == true_ && r.large_enough == true_;
  paint_caption_bar_(r.hwnd, image, n, r.active, to_flag_(quick), frame_top_inset_[n]);
  if (r.has_sys_menu == true_) {
    if (quick)
      draw_caption_quick_buttons_(n, &image, r.active, 0);
    else
      draw_window_icon_(r.hwnd, image, r.icon);
    int32_t left, top, right, bottom;
    const flag16_ active = frame_table_[n].active;
    if (r.has_max_box == true_) {
      const int32_t s = caption_button_state_(2, n, left, top, right, bottom);
      draw_max_button_(image, left, top, right, bottom, active, s, to_flag_(maxed));
    }
    if (r.has_min_box == true_) {
      const int32_t s = caption_button_state_(1, n, left, top, right, bottom);
      draw_min_button_(image, left, top, right, bottom, active, s);
    }
    const int32_t s = caption_button_state_(3, n, left, top, right, bottom);
    draw_close_button_(image, left, top, right, bottom, active, s);
  }
  copy_band(dc, image);
}

void paint_frame_borders_(window_handle_ hwnd, surface_& dc, flag16_ active) {
  const window_* w = find_window_(hwnd);
  if (!w || !frame_skin_loaded_()) return;
  const pixel_rect_ wr = w->window_rect_();
  const int32_t W = static_cast<int32_t>(wr.width_()), H = static_cast<int32_t>(wr.height_());
  const int32_t bw = frame_border_width_(hwnd), bh = frame_border_height_(hwnd);
  const int32_t y0 = bh + frame_caption_height_(hwnd);
  const int32_t wl = frame_edge_size_(3).cx, wr_ = frame_edge_size_(5).cx, hb = frame_edge_size_(8).cy;
  const int32_t k = active != 0 ? 0 : 1;  // the inactive piece follows the active one
  paint_frame_edge_(dc, 1 + k, 0, y0, bw, H);
  paint_frame_edge_(dc, 1 + k, W - bw, y0, bw, H);
  paint_frame_edge_(dc, 1 + k, 0, H - bh, W, bh);
  paint_frame_edge_(dc, 3 + k, 0, y0, wl, H);
  paint_frame_edge_(dc, 5 + k, W - wr_, y0, wr_, H);
  paint_frame_edge_(dc, 7 + k, 0, H - hb, W, hb);
  paint_frame_edge_(dc, 9 + k, 0, H - hb, wl, hb);
  paint_frame_edge_(dc, 11 + k, W - wl, H - hb, wl, hb);
}

void paint_caption_bar_(window_handle_ hwnd, surface_& dc, int32_t /*n*/, flag16_ active, flag16_ centred,
                        int32_t inset) {
  const window_* w = find_window_(hwnd);
  if (!w) return;
  const int32_t W = static_cast<int32_t>(w->window_rect_().width_());
  const int32_t bw = frame_border_width_(hwnd), bh = frame_border_height_(hwnd);
  const int32_t ch = frame_caption_height_(hwnd), b = frame_caption_height2_(hwnd);
  paint_caption_bar_sprite_(dc, active != 0 ? 1 : 2, 0, 0, W, ch + bh + inset);
  font_ f;
  f.face = "Tahoma";
  f.height = cint32_(15.0 / std::max(twips_per_pixel_y_(), 1) * 13.0);
  const bool maxed = w->state_() == show_state_::maximized;
  pixel_rect_ r;
  r.left = maxed ? cint32_(bw * 1.5) + 20 : bw + 20;
  r.top = maxed ? bh : 0;
  r.right = W - r.left - bw - b;
  r.bottom = bh + ch;
  dc_ g(dc);
  g.select_font_(f);
  g.set_bk_mode_(bk_mode_::transparent_);
  g.set_text_colour_(static_cast<uint32_t>(frame_skin_caption_text_colour_(active == true_)));
  g.draw_text_(frame_caption_text_(hwnd), r,
               text_single_line_ | text_vcenter_ | text_no_prefix_ | (centred == true_ ? text_center_ : text_left_));
}

void draw_window_icon_(window_handle_ hwnd, surface_& dc, int32_t icon) {
  const int32_t bw = frame_border_width_(hwnd), bh = frame_border_height_(hwnd), ch = frame_caption_height_(hwnd);
  const int32_t x = cint32_(ch * 0.5 + bw - 9), y = cint32_(ch * 0.5 + bh - 9);
  paint_frame_icon_(dc, icon, static_cast<float>(x + 8), static_cast<float>(y + 8));
}

void draw_min_button_(surface_& dc, int32_t l, int32_t t, int32_t r, int32_t b, flag16_ active, int32_t state) {
  draw_button(dc, l, t, r, b, active, state, 1, false);
}

void draw_max_button_(surface_& dc, int32_t l, int32_t t, int32_t r, int32_t b, flag16_ active, int32_t state,
                      flag16_ maximized) {
  draw_button(dc, l, t, r, b, active, state, maximized == true_ ? 3 : 2, false);
}

void draw_close_button_(surface_& dc, int32_t l, int32_t t, int32_t r, int32_t b, flag16_ active, int32_t state) {
  draw_button(dc, l, t, r, b, active, state, 4, true);
}

flag16_ cursor_on_icon_(int32_t n) {
  if (n < 1) return 0;
  const window_* w = frame_window_(n);
  if (!w) return 0;
  const window_handle_ h = w->handle_();
  const pixel_rect_ wr = w->window_rect_();
  const int32_t bw = frame_border_width_(h), bh = frame_border_height_(h), ch = frame_caption_height_(h);
  const pixel_point_ c = cursor_pos_();
  return to_flag_(c.x >= wr.left + bw && c.x <= wr.left + bw + ch && c.y >= wr.top + bh && c.y <= wr.top + bh + ch);
}
