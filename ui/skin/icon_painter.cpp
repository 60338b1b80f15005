// Icon painting. Pictures are scaled by the nearest pixel to the size asked for; the normal look
// blends them by their alpha, the disabled look fills every pixel at least half covered.
#include "ui/skin/icon_painter.h"

#include <cmath>

#include "shell/colors.h"
#include "shell/icons.h"
#include "ui/skin/skin_palette.h"

namespace {

// The picture at w x h as a premultiplied alpha surface.
surface_ scaled_(const picture_image_rec_& im, int32_t w, int32_t h) {
  surface_ s(w, h, surface_kind_::alpha_);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const uint32_t p = im.pixel_(int32_t(int64_t(x) * im.width / w), int32_t(int64_t(y) * im.height / h));
      const uint32_t a = p >> 24;
      auto pre = [&](int sh) { return ((((p >> sh) & 0xFFu) * a + 127) / 255) << sh; };
      s.set_argb_(x, y, a << 24 | pre(16) | pre(8) | pre(0));
    }
  return s;
}

void draw_normal_(dc_& dc, const picture_rec_& pic, int32_t x, int32_t y, int32_t w, int32_t h) {
  const picture_image_rec_* im = pic.image_for_size_(std::max(w, h));
  if (im == nullptr || w < 1 || h < 1) return;
  const surface_ s = scaled_(*im, w, h);
  dc.alpha_blit_(x, y, w, h, s, 0, 0, w, h, 255, true);
}

// The icon's shape (alpha of half or more) in one colour.
void draw_mono_(dc_& dc, const picture_rec_& pic, int32_t x, int32_t y, int32_t size, int32_t colour) {
  const picture_image_rec_* im = pic.image_for_size_(size);
  if (im == nullptr) return;
  const uint32_t c = uint32_t(colour) & 0xFFFFFFu;
  for (int32_t py = 0; py < size; ++py)
    for (int32_t px = 0; px < size; ++px) {
      const uint32_t p = im->pixel_(int32_t(int64_t(px) * im->width / size), int32_t(int64_t(py) * im->height / size));
      if ((p >> 24) >= 128) dc.set_pixel_(x + px, y + py, c);
    }
}

}  // namespace

void draw_icon_state_(dc_& dc, float x, float y, uint8_t size, int32_t icon, flag16_ centre_x, flag16_ centre_y,
                      flag16_ enabled, int32_t tint, flag16_ own_size) {
  if (icon < 1) return;
  const icon_entry_rec_* e = icon_entry_(icon);
  if (e == nullptr) return;
  if (own_size == true_) {
    const picture_image_rec_* im = e->small_picture.image_for_size_(16);
    if (im == nullptr) return;
    const int32_t w = e->width > 0 ? e->width : im->width, h = e->height > 0 ? e->height : im->height;
    draw_normal_(dc, e->small_picture, cint32_(x), cint32_(y), w, h);
    return;
  }
  double fx = x, fy = y;
  if (centre_x == true_) fx -= size / 2.0;
  if (centre_y == true_) fy -= size / 2.0;
  if (!std::isfinite(fx) || !std::isfinite(fy)) return;
  const int32_t ix = cint32_(std::floor(fx)), iy = cint32_(std::floor(fy));
  if (size != 16 && size != 32 && size != 48) return;
  const picture_rec_& pic = size == 16 ? e->small_picture : e->large_picture;
  if (enabled == true_) {
    draw_normal_(dc, pic, ix, iy, size, size);
    return;
  }
  int32_t front = skin_palette_.color_icon_dis_one, shadow = skin_palette_.color_icon_dis_two;
  if (tint >= 0) {
    front = tint;
    shadow = blend_colors_(skin_palette_.color_icon_dis_two, tint, 0.15f);
    draw_mono_(dc, pic, ix - 1, iy, size, shadow);
  }
  draw_mono_(dc, pic, ix + 1, iy + 1, size, shadow);
  draw_mono_(dc, pic, ix, iy, size, front);
}

void draw_table_icon_(dc_& dc, float x, float y, uint8_t size, int32_t icon, flag16_ centre_x, flag16_ centre_y,
                      flag16_ enabled, int32_t tint, flag16_ own_size) {
  draw_icon_state_(dc, x, y, size, icon, centre_x, centre_y, enabled, tint, own_size);
}
