// Flattening of curve objects into the second vertex buffer.
#include "engine/geometry/smooth.h"

#include "engine/geometry/edit_util.h"

void zaz_class_::curve_to_vertices_(const std::vector<vertex_rec_>& points, int32_t count) {
  // The caller may hand over the second buffer itself; keep the input apart from the output.
  const std::vector<vertex_rec_> in = points;
  vertex_clear_(true_);
  const int64_t n = std::llabs(static_cast<int64_t>(count));
  if (n == 0 || n > static_cast<int64_t>(in.size())) return;
  struct p_ {
    float x, y;
  };
  // Control points are whole drawing units, midpoints rounded half to even.
  auto at = [&](int32_t i) {
    const vertex_rec_& v = in[static_cast<size_t>(i - 1)];
    return p_{f32_(round_even_(v.x)), f32_(round_even_(v.y))};
  };
  auto mid = [](p_ a, p_ b) {
    return p_{f32_(round_even_((static_cast<double>(a.x) + b.x) * 0.5)),
              f32_(round_even_((static_cast<double>(a.y) + b.y) * 0.5))};
  };
  curve_segments_(count, at, mid, [&](p_ b0, p_ b1, p_ b2, p_ b3) {
    bezier_to_vertices_(b0.x, b0.y, b1.x, b1.y, b2.x, b2.y, b3.x, b3.y);
  });
}

void zaz_class_::bezier_to_vertices_(float x1, float y1, float x2, float y2, float x3, float y3,
                                     float x4, float y4) {
  for (float t = 0; t <= 1.0f; t = f32_(static_cast<double>(t) + 0.01f)) {
    const double u = 1.0 - t, td = t;
    const double x = u * u * u * x1 + 3 * u * u * td * x2 + 3 * u * td * td * x3 + td * td * td * x4;
    const double y = u * u * u * y1 + 3 * u * u * td * y2 + 3 * u * td * td * y3 + td * td * td * y4;
    if (!fits_f32_(x) || !fits_f32_(y)) return;
    vertex_add_(f32_(x), f32_(y), 0, true_);
  }
}
