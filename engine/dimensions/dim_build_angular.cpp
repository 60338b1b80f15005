// Building angular dimensions: the measured angle as one text centred on the middle of
// the dimension arc, along its tangent.
#include <cmath>
#include <string>

#include "engine/dimensions/dim_build.h"
#include "engine/dimensions/format.h"
#include "engine/zaz_class.h"

using namespace dim_build_;

bool zaz_class_::dim_build_angular_(angular_dim_rec_& r, const std::string& /*text*/) {
  const dimstyle_rec_& st = r.style;
  // The rotation is read only to rebuild a record the rotate transform has turned.
  const float V = f32_(std::fabs(double(r.a2) - r.a1) * 180.0 / pi_f);
  const float H = f32_(double(st.text_height) * st.size_factor);
  const float m = f32_((double(r.a1) + r.a2) * 0.5);
  // Text along the tangent, reading clockwise; deliberately not turned to a readable angle.
  // A record turned by the rotate transform keeps its text on the turned arc when rebuilt.
  const double turn = r.rotation == 0 ? 0.0 : double(r.rotation) * pi_f / 180.0;
  const float A = st.text_inside == true_ ? 0.0f : f32_(double(m) + 1.5 * pi_f + turn);

  staging s;
  dim_text_part_rec_& p0 = s.parts[0];
  p0.visible = true_;
  p0.height = H;
  p0.text = dim_format_angle_(V, st.angle_unit, st.angle_accuracy);
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  measure_text_(st.font, p0.text, 0, 0, H, 1, 0, x1, y1, x2, y2);
  const float M = st.text_frame == true_ ? f32_(std::fabs(0.2 * H)) : 0.0f;
  const float l = f32_(double(x1) - M), b = f32_(double(y1) - M);
  const float rt = f32_(double(x2) + M), t = f32_(double(y2) + M);
  s.corners = {box_corner_rec_{l, b}, {l, t}, {rt, t}, {rt, b}};
  const float bx = f32_((double(x1) + x2) / 2), by = f32_((double(y1) + y2) / 2);
  float ox = f32_(double(r.rx) * std::cos(double(m))), oy = f32_(double(r.ry) * std::sin(double(m)));
  if (r.rotation != 0) calc_rotate_00_deg_(r.rotation, ox, oy, ox, oy);
  const float px = f32_(double(r.cx) + ox), py = f32_(double(r.cy) + oy);
  s.each_point([&](float& x, float& y) {
    float rx = 0, ry = 0;
    calc_rotate_00_rad_(A, f32_(double(x) - bx), f32_(double(y) - by), rx, ry);
    x = f32_(double(px) + rx), y = f32_(double(py) + ry);
  });
  if (!s.finite() || !std::isfinite(H) || !std::isfinite(A)) return false;

  r.text_height = H;
  r.arrows_outside = false_;
  r.text_angle = A;
  r.parts = std::move(s.parts);
  r.text_box = s.corners;
  return true;
}
