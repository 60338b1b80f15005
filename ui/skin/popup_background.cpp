#include "ui/skin/popup_background.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/services/screen.h"
#include "platform/window/window.h"
#include "ui/skin/blitters.h"

namespace {

std::optional<surface_> slots_[2];
screen_source_ source_;

bool read_screen_(const pixel_rect_& r, surface_& out) {
  if (source_) return source_(r, out);
  if (capture_screen_(r, out) && out.width_() == r.width_() && out.height_() == r.height_()) return true;
  // Offscreen there is no screen to read: a plain face colour still gives the popup its shadow.
  out = surface_(int32_t(r.width_()), int32_t(r.height_()));
  out.fill_colour_(system_colour_(sys_colour_button_face_));
  return true;
}

// Factor for a pixel d steps inside the shadow's soft edge.
double shadow_factor_(int32_t d) {
  static constexpr double factors[] = {0.95, 0.9, 0.8, 0.7, 0.6};
  return d < 5 ? factors[d] : 0.5;
}

uint32_t scale_channel_(uint32_t argb, int shift, double f) {
  return uint32_t(round_even_(((argb >> shift) & 0xFF) * f)) << shift;
}

}  // namespace

void darken_popup_capture_(surface_& s) {
  const int32_t w = s.width_(), h = s.height_();
  for (int32_t i = 5; i <= h; ++i) {    // rows and columns counted from 1
    for (int32_t j = 5; j <= w; ++j) {
      int32_t d = std::min(std::min(i - 5, h - i), std::min(j - 5, w - j));
      double f = shadow_factor_(d);
      uint32_t p = s.row_(i - 1)[j - 1];
      s.row_(i - 1)[j - 1] = (p & 0xFF000000u) | scale_channel_(p, 16, f) | scale_channel_(p, 8, f) |
                             scale_channel_(p, 0, f);
    }
  }
}

void capture_popup_background_(int32_t slot, window_* hwnd, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (slot != 1 && slot != 2) return;
  slots_[slot - 1].reset();
  if (w < 1 || h < 1) return;  // nothing to capture; nothing is allocated
  pixel_point_ origin{x, y};
  if (hwnd) {
    pixel_rect_ c = hwnd->client_rect_();
    origin = {c.left + x, c.top + y};
  }
  surface_ picture;
  if (!read_screen_({origin.x, origin.y, origin.x + w, origin.y + h}, picture)) return;
  if (picture.width_() != w || picture.height_() != h) return;
  darken_popup_capture_(picture);
  slots_[slot - 1] = std::move(picture);
}

void blit_popup_background_(int32_t slot, dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h) {
  const surface_* s = popup_background_(slot);
  if (s) dc.blit_(x, y, w, h, s, 0, 0, blit_op_::copy_);
}

void free_popup_background_(int32_t n) {
  for (int32_t slot = 1; slot <= 2; ++slot)
    if (n == slot || n == 0) slots_[slot - 1].reset();
}

const surface_* popup_background_(int32_t slot) {
  if ((slot != 1 && slot != 2) || !slots_[slot - 1]) return nullptr;
  return &*slots_[slot - 1];
}

void set_popup_screen_source_(screen_source_ source) { source_ = std::move(source); }

void set_window_shape_(window_& hwnd, flag16_ popup, flag16_ shaped) {
  pixel_rect_ r = hwnd.window_rect_();
  const int32_t W = int32_t(r.width_()), H = int32_t(r.height_());
  std::vector<pixel_point_> p;
  if (shaped == true_ && popup == true_) {
    p = {{0, 1}, {1, 0}, {W - 1, 0}, {W, 1}, {W, H - 2}, {W - 2, H}, {1, H}, {0, H - 2}};
  } else if (shaped == true_) {
    switch (hwnd.state_()) {
      case show_state_::normal:
        p = {{0, 4}, {1, 2}, {2, 1}, {4, 0}, {W - 4, 0}, {W - 2, 1}, {W - 1, 3}, {W, 4}, {W, H}, {0, H}};
        break;
      case show_state_::maximized: p = {{0, 0}, {W, 0}, {W, H}, {0, H}}; break;
      default: return;  // minimised: the shape stays as it was
    }
  } else {
    p = {{0, 0}, {W, 0}, {W, H}, {0, H}};
  }
  hwnd.set_region_(p);
}

void fill_rect2_(dc_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour, int32_t border_colour) {
  fill_rect_(dc, x, y, w, h, colour, border_colour);
}
