// Glass caption painters. The band starts fully transparent; only the caption text image, the
// quick-access buttons and the black side and bottom borders cover the glass.
#include "shell/glass_caption.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "platform/gdi/dc.h"
#include "shell/frame_paint.h"
#include "shell/frame_skin.h"
#include "shell/quick_buttons.h"

namespace {

inline constexpr int32_t glow_size = 10;
inline constexpr uint32_t key_red = 0xFFFF0000u;  // pure red, opaque

// Copies src into dst at (x, y) as it stands, alpha included (a plain source copy).
void copy_pixels(surface_& dst, int32_t x, int32_t y, const surface_& src) {
  for (int32_t sy = 0; sy < src.height_(); ++sy) {
    const int32_t dy = y + sy;
    if (dy < 0 || dy >= dst.height_()) continue;
    for (int32_t sx = 0; sx < src.width_(); ++sx) {
      const int32_t dx = x + sx;
      if (dx >= 0 && dx < dst.width_()) dst.row_(dy)[dx] = src.row_(sy)[sx];
    }
  }
}

void fill_black(surface_& dc, int32_t x, int32_t y, int32_t w, int32_t h) {
  dc_ g(dc);
  g.fill_rectangle_({x, y, x + w, y + h}, 0);
}

// Black text over a white glow that fades out over glow_size pixels, premultiplied.
surface_ glow_image(const std::string& text, const font_& f, int32_t width, int32_t height) {
  surface_ mask(width, height);
  mask.fill_colour_(0xFFFFFF);
  {
    dc_ g(mask);
    g.select_font_(f);
    g.set_bk_mode_(bk_mode_::transparent_);
    g.set_text_colour_(0);
    pixel_rect_ r{glow_size, glow_size, width, height};
    g.draw_text_(text, r, text_single_line_ | text_no_prefix_ | text_no_clip_);
  }
  std::vector<pixel_point_> ink;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      if (mask.colour_(x, y) != 0xFFFFFF) ink.push_back({x, y});
  surface_ out(width, height, surface_kind_::alpha_);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      if (mask.colour_(x, y) != 0xFFFFFF) {
        out.set_argb_(x, y, 0xFF000000u);
        continue;
      }
      int64_t best = int64_t(glow_size) * glow_size + 1;
      for (const pixel_point_& p : ink) {
        const int64_t dx = p.x - x, dy = p.y - y;
        best = std::min(best, dx * dx + dy * dy);
      }
      const double d = std::sqrt(static_cast<double>(best));
      if (d >= glow_size) continue;
      const uint32_t a = static_cast<uint32_t>(cint32_(200.0 * (1.0 - d / glow_size)));
      out.set_argb_(x, y, (a << 24) | (a << 16) | (a << 8) | a);
    }
  }
  return out;
}

}  // namespace

void paint_glass_frame_(int32_t n) {
  window_* win = frame_window_(n);
  if (!win) return;
  const frame_window_rec_& r = frame_table_[n];
  if (r.custom_caption != true_ || r.has_border != true_) return;
  const pixel_rect_ wr = win->window_rect_();
  const int32_t W = static_cast<int32_t>(wr.width_()), H = static_cast<int32_t>(wr.height_());
  const int32_t bw = frame_border_width_(r.hwnd), bh = frame_border_height_(r.hwnd), ch = frame_caption_height_(r.hwnd);
  surface_& dc = win->window_surface_();
  fill_black(dc, 0, bh + ch, bw, H - bh - ch);
  fill_black(dc, W - bw, bh + ch, bw, H - bh - ch);
  fill_black(dc, 0, H - bh, W, bh);
  paint_glass_caption_(r.hwnd, dc, n);
}

void paint_glass_caption_(window_handle_ hwnd, surface_& dc, int32_t n) {
  const window_* w = find_window_(hwnd);
  if (!w || n < 1 || n > frame_count_) return;
  const int32_t W = static_cast<int32_t>(w->window_rect_().width_());
  const int32_t bw = frame_border_width_(hwnd), bh = frame_border_height_(hwnd);
  const int32_t band = bh + frame_caption_height_(hwnd);
  surface_ image(W, band, surface_kind_::alpha_);
  if (image.empty_()) return;
  const frame_window_rec_& r = frame_table_[n];
  const caption_image_rec_& ci = r.caption_image;
  const int32_t y = cint32_(band * 0.5 - ci.height * 0.5);
  if (r.large_enough == true_) {
    const int32_t x = cint32_(W * 0.5 - ci.width * 0.5);
    copy_pixels(image, x, y + (w->state_() == show_state_::maximized ? bh : 0), ci.image);
    draw_caption_quick_buttons_(n, &image, r.active, 0);
  } else {
    copy_pixels(image, bw - 10, y, ci.image);
  }
  copy_pixels(dc, 0, 0, image);
}

caption_image_rec_ draw_glow_text_(window_handle_ hwnd, int32_t n) {
  if (n < 1 || !is_set_(composition_active_)) return {};
  const window_* w = find_window_(hwnd);
  std::string text = w ? w->title_() : std::string();
  if (text.size() > 254) text.resize(254);
  text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
  font_ f;
  f.face = "Tahoma";
  f.height = 14;
  surface_ probe(1, 1);
  dc_ g(probe);
  g.select_font_(f);
  const pixel_size_ ext = g.text_extent_(text);
  caption_image_rec_ out;
  out.width = ext.cx + 2 * glow_size;
  out.height = ext.cy + 2 * glow_size;
  out.image = glow_image(text, f, out.width, out.height);
  return out;
}

void draw_caption_quick_button_(surface_& dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t icon,
                                int32_t look) {
  if (w <= 0 || h <= 0) return;
  if (!is_set_(composition_active_)) {
    if (look >= 1 && look <= 3) paint_quick_button_face_(dc, look, x, y, w, h);
    paint_frame_icon_(dc, icon, static_cast<float>(x + w * 0.5), static_cast<float>(y + h * 0.5));
    return;
  }
  surface_ img(w, h);
  img.fill_argb_(key_red);
  if (look >= 1 && look <= 3) paint_quick_button_face_(img, look, 0, 0, w, h);
  paint_frame_icon_(img, icon, static_cast<float>(w * 0.5), static_cast<float>(h * 0.5));
  // What neither face nor icon covers keeps the key colour and lets the glass through.
  for (int32_t py = 0; py < h; ++py)
    for (uint32_t& p : std::span<uint32_t>(img.row_(py), static_cast<size_t>(w)))
      p = (p & 0x00FFFFFFu) == 0x00FF0000u ? 0u : (p | 0xFF000000u);
  img.set_kind_(surface_kind_::alpha_);
  copy_pixels(dc, x, y, img);
}
