// Icons in the frame band: an icon-table picture drawn at 16 x 16, its alpha blended over what
// lies below, so a key-coloured background survives only around the icon's shape.
#include <algorithm>

#include "shell/frame_skin.h"
#include "shell/icons.h"

void paint_frame_icon_(surface_& dc, int32_t icon, int32_t cx, int32_t cy) {
  const icon_entry_rec_* e = icon_entry_(icon);
  if (!e) return;
  const picture_image_rec_* img = e->small_picture.image_for_size_(16);
  if (!img || img->width <= 0 || img->height <= 0) return;
  constexpr int32_t size = 16;
  const int32_t left = cx - size / 2, top = cy - size / 2;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      if (!dc.contains_(left + x, top + y)) continue;
      const uint32_t s = img->pixel_(x * img->width / size, y * img->height / size);
      const uint32_t a = s >> 24;
      if (a == 0) continue;
      uint32_t& d = dc.row_(top + y)[left + x];
      auto mix = [a](uint32_t sc, uint32_t dcv) { return (sc * a + dcv * (255 - a) + 127) / 255; };
      const uint32_t r = mix((s >> 16) & 0xFF, (d >> 16) & 0xFF), g = mix((s >> 8) & 0xFF, (d >> 8) & 0xFF),
                     b = mix(s & 0xFF, d & 0xFF);
      d = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
  }
}
