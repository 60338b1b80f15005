// Swatches of the built-in patterns: a white square with the pattern drawn once, upright.
#include <cstdlib>

#include "engine/hatch/hatch_pattern.h"
#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"

void zaz_class_::hatch_paint_(int32_t id_, dc_& hdc_, int32_t hx_, int32_t hy_, int32_t hsize_,
                              flag16_ border_, int32_t brcol_) {
  hatch_build_pattern_(id_);
  const hatch_pattern_rec_& pat = hatch_pattern_buf_;
  const int64_t s = std::llabs(int64_t(hsize_));
  auto at = [](double v) { return cint32_(v); };
  auto square = [&](int64_t margin) {
    const int32_t l = at(double(hx_) - margin), t = at(double(hy_) - margin);
    const int32_t r = at(double(hx_) + s + margin), b = at(double(hy_) + s + margin);
    const pixel_point_ pts[4] = {{l, t}, {r, t}, {r, b}, {l, b}};
    hdc_.polygon_(pts, 4);
  };

  const pen_ grey{pen_style_::solid_, 1, rgb_(200, 200, 200)};
  const pen_ black{pen_style_::solid_, 1, 0};
  const pen_ old_pen = hdc_.select_pen_(grey);
  const brush_ old_brush = hdc_.current_brush_();
  if (border_ == true_) {
    hdc_.select_brush_(brush_{brush_style_::solid_, uint32_t(brcol_) & 0xFFFFFFu});
    square(5);
  }
  hdc_.select_brush_(brush_{brush_style_::solid_, rgb_(255, 255, 255)});
  square(0);

  hdc_.select_pen_(black);
  const double f = double(s - 10) * 0.01;
  const double ox = double(hx_) + 5, oy = double(hy_) + 5;
  for (int32_t i = 0; i < pat.count; ++i) {
    const hatch_segment_rec_& g = pat.segments[size_t(i)];
    hdc_.move_to_(at(g.x1 * f + ox), at((100.0 - g.y1) * f + oy));
    hdc_.line_to_(at(g.x2 * f + ox), at((100.0 - g.y2) * f + oy));
  }
  hdc_.select_pen_(old_pen);
  hdc_.select_brush_(old_brush);
}
