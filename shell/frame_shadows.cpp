// Frame shadows. A side is repainted only when the window's extent along it may have changed
// (the sum test), so a plain move only repositions the four windows.
#include "shell/frame_shadows.h"

#include <map>
#include <memory>

#include "platform/services/screen.h"
#include "shell/frame_skin.h"

namespace {

// The shadow windows by handle; the frame records keep the handles.
std::map<window_handle_, std::unique_ptr<window_>>& shadow_windows() {
  static auto* all = new std::map<window_handle_, std::unique_ptr<window_>>();
  return *all;
}

bool valid_index(int32_t n) { return n >= 1 && n <= frame_count_; }

window_handle_ shadow_of(const frame_window_rec_& r, int32_t side) {
  switch (side) {
    case 1: return r.shadow_left;
    case 2: return r.shadow_right;
    case 3: return r.shadow_top;
    case 4: return r.shadow_bottom;
    default: return 0;
  }
}

window_* shadow_window(window_handle_ h) {
  auto it = shadow_windows().find(h);
  return it == shadow_windows().end() || !it->second->exists_() ? nullptr : it->second.get();
}

void paint_side(int32_t n, const pixel_rect_& window, int32_t side) {
  const pixel_rect_ g = frame_shadow_rect_(window, frame_table_[n].shadow_size, side);
  paint_frame_shadow_(n, g.left, g.top, static_cast<int32_t>(g.width_()), static_cast<int32_t>(g.height_()), side);
}

}  // namespace

void check_shadow_support_() {
  shadow_support_ = to_flag_(layered_windows_supported_() && screen_bits_per_pixel_() > 15);
}

pixel_rect_ frame_shadow_rect_(const pixel_rect_& w, int32_t s, int32_t side) {
  switch (side) {
    case 1: return {w.left - s, w.top - s, w.left, w.bottom + s};
    case 2: return {w.right, w.top - s, w.right + s, w.bottom + s};
    case 3: return {w.left, w.top - s - 1, w.right, w.top};
    case 4: return {w.left, w.bottom, w.right, w.bottom + s + 1};
    default: return {};
  }
}

uint32_t shadow_pixel_(int32_t n, int32_t a) {
  if (!valid_index(n)) return 0;
  const uint32_t c = static_cast<uint32_t>(frame_table_[n].shadow_color);
  const double f = a / 255.0;
  const auto scaled = [f](uint32_t v) { return static_cast<uint32_t>(cint32_(v * f)) & 0xFFu; };
  return (static_cast<uint32_t>(a & 0xFF) << 24) | (scaled(red_of_(c)) << 16) | (scaled(green_of_(c)) << 8) |
         scaled(blue_of_(c));
}

surface_ frame_shadow_picture_(int32_t n, int32_t w, int32_t h, int32_t side) {
  surface_ pic(w, h, surface_kind_::alpha_);
  if (pic.empty_()) return pic;
  const int32_t s = valid_index(n) ? frame_table_[n].shadow_size : 0;
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      int32_t alpha = 0;
      if (side == 1 || side == 2) {
        if (s <= 0) break;
        const int32_t r = h - 1 - y;  // rows counted from the bottom
        int32_t a = 255;
        if (r < s)
          a = r * 255 / s;
        else if (r >= h - s)
          a = (h - r) * 255 / s;
        const int32_t c = side == 2 ? x : s - 1 - x;  // distance from the window
        alpha = (s - c) * a / s;
      } else {
        const int32_t d = side == 4 ? y : h - 1 - y;
        alpha = 255 * (h - 1 - d) / h;
      }
      pic.set_argb_(x, y, shadow_pixel_(n, alpha));
    }
  }
  return pic;
}

void create_frame_shadows_(window_& form, frame_window_rec_& r) {
  window_handle_* slots[] = {&r.shadow_left, &r.shadow_right, &r.shadow_top, &r.shadow_bottom};
  for (window_handle_* slot : slots) {
    window_options_ o;
    o.kind = window_kind_::popup;
    o.parent = &form;
    o.x = o.y = o.width = o.height = 0;
    o.takes_focus = false;
    o.in_taskbar = false;
    std::unique_ptr<window_> w = create_window_(o);
    w->set_click_through_(true);
    w->set_per_pixel_alpha_(true);
    *slot = w->handle_();
    shadow_windows()[w->handle_()] = std::move(w);
  }
}

void destroy_frame_shadows_(frame_window_rec_& r) {
  for (window_handle_* slot : {&r.shadow_left, &r.shadow_right, &r.shadow_top, &r.shadow_bottom}) {
    auto it = shadow_windows().find(*slot);
    if (it != shadow_windows().end()) {
      std::unique_ptr<window_> w = std::move(it->second);
      shadow_windows().erase(it);
      w->destroy_();
    }
    *slot = 0;
  }
}

void show_frame_shadows_(int32_t n, flag16_ show) {
  if (!valid_index(n)) return;
  for (int32_t side = 1; side <= 4; ++side) {
    window_* w = shadow_window(shadow_of(frame_table_[n], side));
    if (!w) continue;
    if (show == true_)
      w->show_no_activate_();
    else
      w->hide_();
  }
}

void place_frame_shadows_(int32_t n) {
  if (!is_set_(shadow_support_) || !valid_index(n)) return;
  window_* win = frame_window_(n);
  if (!win || !win->visible_()) return;
  frame_window_rec_& r = frame_table_[n];
  r.shadow_color = frame_skin_shadow_colour_(r.active == true_);
  const pixel_rect_ wr = win->window_rect_();
  for (int32_t side = 1; side <= 4; ++side)
    if (shadow_window(shadow_of(r, side))) paint_side(n, wr, side);
}

void move_frame_shadows_(int32_t n) {
  if (!is_set_(shadow_support_)) return;
  window_* win = frame_window_(n);
  if (!win) {
    last_moved_frame_ = {};
    return;
  }
  const pixel_rect_ wr = win->window_rect_();
  const show_state_ state = win->state_();
  if (state != show_state_::normal) {
    show_frame_shadows_(n, 0);
  } else {
    const frame_window_rec_& r = frame_table_[n];
    if (wr.left + wr.right != last_moved_frame_.sum_x) {
      paint_side(n, wr, 3);
      paint_side(n, wr, 4);
    }
    if (wr.top + wr.bottom != last_moved_frame_.sum_y) {
      paint_side(n, wr, 1);
      paint_side(n, wr, 2);
    }
    for (int32_t side = 1; side <= 4; ++side) {
      window_* w = shadow_window(shadow_of(r, side));
      if (!w) continue;
      const pixel_rect_ g = frame_shadow_rect_(wr, r.shadow_size, side);
      w->move_(g.left, g.top, static_cast<int32_t>(g.width_()), static_cast<int32_t>(g.height_()));
    }
    show_frame_shadows_(n, true_);
  }
  last_moved_frame_ = {win->handle_(), wr.left, wr.top, wr.left + wr.right, wr.top + wr.bottom};
}

void paint_frame_shadow_(int32_t n, int32_t x, int32_t y, int32_t w, int32_t h, int32_t side) {
  if (!is_set_(shadow_support_) || !valid_index(n)) return;
  window_* target = shadow_window(shadow_of(frame_table_[n], side));
  if (!target) return;
  target->update_layered_(frame_shadow_picture_(n, w, h, side), x, y, frame_table_[n].shadow_alpha);
}
