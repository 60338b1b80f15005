// The sample drawing of the dimension-style preview. The main drawing is only read; the preview
// engine starts a new drawing every time, so nothing of an earlier refresh survives.
#include "dialogs/dimstyles/dimstyle_preview.h"

#include <algorithm>
#include <cmath>

#include "engine/zaz_class.h"

namespace {

constexpr float outline_[7][2] = {{0.9f, 1.98f}, {0.9f, 3.78f}, {2.7f, 3.78f}, {2.7f, 3.42f},
                                  {3.78f, 3.42f}, {5.4f, 0.9f},  {1.98f, 0.9f}};
constexpr int32_t rgb_(int32_t r, int32_t g, int32_t b) { return r | (g << 8) | (b << 16); }

double prop_number_(const zaz_class_& e, int32_t style, int32_t n) {
  const value_ v = e.dimstyles_prop_(int16_t(style), n);
  return v.is_number() && std::isfinite(v.number) ? v.number : 0;
}

}  // namespace

float preview_sample_unit_(const zaz_class_& main, int32_t style) {
  const double k = std::fabs(prop_number_(main, style, 22));
  const double m = std::max({std::fabs(prop_number_(main, style, 3)) * k, std::fabs(prop_number_(main, style, 26)) * k,
                             std::fabs(prop_number_(main, style, 30)) * k});
  const double u = 5 * m;
  // A unit beyond the float range cannot be built; the smallest sample stands in.
  if (!(u >= 0.001) || !fits_f32_(u * 6)) return 0.001f;
  return f32_(u);
}

void render_style_preview_(const zaz_class_& main, int32_t style, zaz_class_& preview, dc_* dc,
                           int32_t back_colour) {
  const float u = preview_sample_unit_(main, style);
  if (dc) preview.dinit_(dc);
  preview.file_new_(true_, "");
  const int16_t page = preview.page_active_();
  preview.page_show_border_(page, false_);
  preview.page_show_coords_(page, false_);
  preview.backcolor_(back_colour);
  preview.vertex_clear_(false_);
  for (const auto& v : outline_) preview.vertex_add_(v[0] * u, v[1] * u, 0, false_);
  const int32_t colours[2] = {rgb_(255, 150, 0), rgb_(255, 100, 0)};
  const int16_t styles[2] = {0, 2};
  for (int32_t pass = 0; pass < 2; ++pass) {
    preview.add_polyline_(colours[pass], styles[pass], 4, 1, 0);
    preview.add_arc_(1.98f * u, 1.98f * u, 1.08f * u, 1.08f * u, 0, 180, 270, colours[pass], -2, styles[pass], 4, 1);
    preview.add_circle_(1.98f * u, 1.98f * u, 0.63f * u, colours[pass], -2, styles[pass], 4, 1);
  }
  // Each dimension copies the style's values when it is added, so the style goes first.
  for (int32_t n = 0; n <= 54; ++n) preview.dimstyles_prop_(1, n, main.dimstyles_prop_(int16_t(style), n));
  const float slanted = f32_(std::sqrt(2.52 * 2.52 + 1.619 * 1.619));
  preview.add_dimf_(1, 0.7f * u, 1.98f * u, 0.7f * u, 3.78f * u, 0.45f * u, 1.98f * u, 0.45f * u, 3.78f * u, 1.8f,
                    -1, 0, 1, 1, "");
  preview.add_dimf_(1, 0.9f * u, 3.98f * u, 2.7f * u, 3.98f * u, 0.9f * u, 4.23f * u, 2.7f * u, 4.23f * u, 1.8f,
                    -1, 0, 1, 1, "");
  preview.add_dimf_(1, 3.948f * u, 3.528f * u, 5.567f * u, 1.008f * u, 4.116f * u, 3.636f * u, 5.735f * u,
                    1.116f * u, slanted, -1, 0, 1, 1, "");
  preview.add_dimd_(1, 3, 1.53f * u, 1.53f * u, 0.63f, -1, 0, 1, 1, "");
  preview.add_dima_(1, 5.4f * u, 0.9f * u, 3.78f * u, 3.42f * u, 3.75f * u, 0.9f * u, 0, -1, 0, 1, 1, "");
  preview.view_all_(false_, 0);
  if (dc) preview.display_(dc, true_, false_);
}
