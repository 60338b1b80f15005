// Dimensions, angular dimensions, references and their arrowheads, in plain GDI.
#include <cmath>

#include "engine/zaz_class.h"

namespace {

constexpr float pi_f = 3.1415927f;

struct fpt {
  float x, y;
};

fpt along(fpt p, double k, double cx, double cy) { return {f32_(p.x + k * cx), f32_(p.y + k * cy)}; }

// Saves the pen and brush found on entry and puts them back on exit.
class kept_objects {
 public:
  explicit kept_objects(dc_& dc) : dc(dc), pen(dc.current_pen_()), brush(dc.current_brush_()) {}
  ~kept_objects() {
    dc.select_pen_(pen);
    dc.select_brush_(brush);
  }

 private:
  dc_& dc;
  pen_ pen;
  brush_ brush;
};

void line(dc_& dc, const view_transform_rec_& v, fpt a, fpt b) {
  const pixel_point_ p = zaz_class_::map_px_(v, a.x, a.y), q = zaz_class_::map_px_(v, b.x, b.y);
  dc.move_to_(p.x, p.y);
  dc.line_to_(q.x, q.y);
}

void text_box(dc_& dc, const view_transform_rec_& v, const std::array<box_corner_rec_, 4>& box, int32_t back,
              bool frame) {
  pixel_point_ q[4];
  for (int i = 0; i < 4; ++i) q[i] = zaz_class_::map_px_(v, box[i].x, box[i].y);
  dc.select_brush_(back >= 0 ? brush_{brush_style_::solid_, uint32_t(back)} : null_brush_);
  if (!frame) dc.select_pen_(null_pen_);
  dc.polygon_(q, 4);
}

}  // namespace

void zaz_class_::draw_arrowhead_(dc_& hdc, const view_transform_rec_& v, int32_t kind, float tx, float ty,
                                 float angle, float sign, float size, int32_t fill) {
  if (kind < 1 || kind > 19) return;
  const fpt t{tx, ty};
  const double ux = std::cos(double(angle)), uy = std::sin(double(angle));
  const float na = f32_(double(angle) + f32_(pi_f * 0.5));
  const double nx = std::cos(double(na)), ny = std::sin(double(na));
  std::vector<fpt> pts;
  bool closed = true, filled = false;
  if (kind <= 9) {
    static constexpr float L[10] = {0, 2, 2, 2, 2, 2, 2, 1, 1, 1};
    static constexpr float W[10] = {0, 0.25f, 0.25f, 0.25f, 0.5f, 0.2f, 0.5f, 1, 1, 1};
    const fpt b = along(t, double(sign) * L[kind] * size, ux, uy);
    const fpt w1 = along(b, double(W[kind]) * size, nx, ny), w2 = along(b, -double(W[kind]) * size, nx, ny);
    const int form = (kind - 1) % 3;  // filled, open, hollow
    closed = form != 1;
    filled = form == 0;
    pts = closed ? std::vector<fpt>{t, w1, w2} : std::vector<fpt>{w1, t, w2};
  } else if (kind == 10) {
    const float a1 = f32_(double(angle) + f32_(pi_f * 0.25)), a2 = f32_(double(angle) + f32_(pi_f * 1.25));
    pts = {along(t, size, std::cos(double(a1)), std::sin(double(a1))),
           along(t, size, std::cos(double(a2)), std::sin(double(a2)))};
    closed = false;
  } else if (kind == 11 || kind == 12 || kind == 19) {
    const float step = f32_(pi_f * 0.125), end = f32_(pi_f * 2.0);
    for (float a = 0; a <= end && pts.size() < 16; a = f32_(double(a) + step))
      pts.push_back(along(t, double(size) * 0.5, std::cos(double(a)), std::sin(double(a))));
    filled = kind == 12;
  } else {
    const int form = (kind - 13) % 3;
    const double w = kind <= 15 ? 1.0 : -1.0;
    const fpt hp = along(t, double(sign) * size, ux, uy);
    const fpt vp = along(hp, w * size, nx, ny);
    closed = form != 1;
    filled = form == 0;
    pts = closed ? std::vector<fpt>{t, vp, hp} : std::vector<fpt>{vp, t, hp};
  }
  std::vector<pixel_point_> q;
  for (const fpt& p : pts) q.push_back(map_px_(v, p.x, p.y));
  if (!closed) {
    hdc.polyline_(q.data(), q.size());
    return;
  }
  const brush_ old = hdc.select_brush_(filled ? brush_{brush_style_::solid_, uint32_t(fill)} : null_brush_);
  hdc.polygon_(q.data(), q.size());
  hdc.select_brush_(old);
}

void zaz_class_::draw_dimension_(dc_& hdc, const view_transform_rec_& v, const dimension_rec_& r, int32_t line_c,
                                 int32_t ext_c, int32_t text_c, int32_t back, int32_t override_color, int32_t width) {
  if (override_color >= 0) line_c = ext_c = text_c = override_color;
  const double len = std::hypot(double(r.x2) - r.x1, double(r.y2) - r.y1);
  if (!(len > 0)) return;
  kept_objects kept(hdc);
  const dimstyle_rec_& s = r.style;
  const int32_t pw = std::max(1, width);
  const float S = f32_(double(s.arrow_size) * s.size_factor), G = f32_(S / 4.0);
  const fpt p1{r.x1, r.y1}, p2{r.x2, r.y2}, p3{r.x3, r.y3}, p4{r.x4, r.y4};
  const float a = calc_angle_(r.x3, r.y3, r.x4, r.y4, false_, 0);
  const float b = (r.x1 - r.x3 == 0 && r.y1 - r.y3 == 0) ? f32_(double(a) + f32_(pi_f * 0.5))
                                                        : calc_angle_(r.x1, r.y1, r.x3, r.y3, false_, 0);
  const double ux = std::cos(double(a)), uy = std::sin(double(a)), ex = std::cos(double(b)), ey = std::sin(double(b));
  const float D = r.arrows_outside == true_ && r.kind == 0 ? -1.f : 1.f;
  const fpt e1 = along(p3, G, ex, ey), e2 = along(p4, G, ex, ey);
  const fpt l1 = along(p3, -double(G), ux, uy), l2 = along(p4, G, ux, uy);
  const fpt m{f32_((double(l1.x) + l2.x) / 2), f32_((double(l1.y) + l2.y) / 2)};
  hdc.select_pen_(pen_{pen_style_::solid_, pw, uint32_t(ext_c)});
  if (s.extline_show1 == true_) line(hdc, v, p1, e1);
  if (s.extline_show2 == true_) line(hdc, v, p2, e2);
  hdc.select_pen_(pen_{pen_style_::solid_, pw, uint32_t(line_c)});
  if (s.dimline_show1 == true_) line(hdc, v, m, l1);
  if (s.dimline_show2 == true_) line(hdc, v, m, l2);
  if (s.dimline_show1 == true_) draw_arrowhead_(hdc, v, s.arrow1, p3.x, p3.y, a, D, S, line_c);
  if (s.dimline_show2 == true_) draw_arrowhead_(hdc, v, s.arrow2, p4.x, p4.y, a, -D, S, line_c);
  text_box(hdc, v, r.text_box, back, s.text_frame == true_);
  hdc.select_pen_(pen_{pen_style_::solid_, pw, uint32_t(text_c)});
  hdc.select_brush_(brush_{brush_style_::solid_, uint32_t(text_c)});
  for (const dim_text_part_rec_& p : r.parts)
    if (p.visible == true_) draw_text_glyphs_(hdc, v, s.font, p.text, p.x, p.y, p.height, 1.0f, r.text_angle);
}

void zaz_class_::draw_angular_dim_(dc_& hdc, const view_transform_rec_& v, const angular_dim_rec_& r, int32_t line_c,
                                   int32_t ext_c, int32_t text_c, int32_t back, int32_t override_color) {
  if (override_color >= 0) line_c = ext_c = text_c = override_color;
  if ((r.rx == 0 || r.ry == 0) && r.a1 == r.a2) return;
  if (!std::isfinite(r.a1) || !std::isfinite(r.a2)) return;
  kept_objects kept(hdc);
  const dimstyle_rec_& s = r.style;
  const float rho = f32_(double(r.rotation) * pi_f / 180.0);
  const float S = f32_(double(s.arrow_size) * s.size_factor);
  const float D = r.arrows_outside == true_ ? -1.f : 1.f;
  auto q_at = [&](float t) {
    float x = 0, y = 0;
    calc_rotate_00_deg_(r.rotation, f32_(r.rx * std::cos(double(t))), f32_(r.ry * std::sin(double(t))), x, y);
    return fpt{f32_(double(r.cx) + x), f32_(double(r.cy) + y)};
  };
  std::vector<pixel_point_> arc;
  // The record keeps a2 within a turn of a1; a damaged one is drawn over one turn at most.
  const float end = std::min(r.a2, f32_(double(r.a1) + 2 * double(pi_f)));
  for (float t = r.a1; t <= end;) {
    const fpt p = q_at(t);
    arc.push_back(map_px_(v, p.x, p.y));
    const float next = f32_(double(t) + 0.1f);
    if (!(next > t)) break;  // angles so far from zero that the counter stands still
    t = next;
  }
  const fpt t1 = q_at(r.a1), t2 = q_at(r.a2);
  arc.push_back(map_px_(v, t2.x, t2.y));
  const float d1 = f32_(double(r.a1) + f32_(0.525 * pi_f) + rho), d2 = f32_(double(r.a2) + f32_(1.475 * pi_f) + rho);
  hdc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(line_c)});
  hdc.polyline_(arc.data(), arc.size());
  if (s.dimline_show1 == true_) draw_arrowhead_(hdc, v, s.arrow1, t1.x, t1.y, d1, D, S, line_c);
  if (s.dimline_show2 == true_) draw_arrowhead_(hdc, v, s.arrow2, t2.x, t2.y, d2, D, S, line_c);
  text_box(hdc, v, r.text_box, back, s.text_frame == true_);
  hdc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(ext_c)});
  auto leg = [&](float a) {
    const float th = f32_(double(a) + rho);
    const double c = std::cos(double(th)), sn = std::sin(double(th));
    line(hdc, v, fpt{f32_(r.cx + 0.5 * r.rx * c), f32_(r.cy + 0.5 * r.ry * sn)},
         fpt{f32_(r.cx + (double(r.rx) + s.arrow_size) * c), f32_(r.cy + (double(r.ry) + s.arrow_size) * sn)});
  };
  if (s.extline_show1 == true_) leg(r.a1);
  if (s.extline_show2 == true_) leg(r.a2);
  hdc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(text_c)});
  hdc.select_brush_(brush_{brush_style_::solid_, uint32_t(text_c)});
  for (const dim_text_part_rec_& p : r.parts)
    if (p.visible == true_) draw_text_glyphs_(hdc, v, s.font, p.text, p.x, p.y, p.height, 1.0f, r.text_angle);
}

void zaz_class_::draw_reference_(dc_& hdc, const view_transform_rec_& v, const reference_rec_& r, int32_t line_c,
                                 int32_t /*ext_c*/, int32_t text_c, int32_t back, int32_t override_color) {
  if (override_color >= 0) line_c = text_c = override_color;
  kept_objects kept(hdc);
  const dimstyle_rec_& s = r.style;
  const int64_t have = int64_t(std::min(r.x.size(), r.y.size())) - 1;
  const int64_t n = std::max<int64_t>(0, std::min<int64_t>(r.count, have));
  if (n < 2) return;
  std::vector<pixel_point_> q;
  for (int64_t i = 1; i <= n; ++i) q.push_back(map_px_(v, r.x[i], r.y[i]));
  const pen_ leader{pen_style_::solid_, 1, uint32_t(line_c)};
  hdc.select_pen_(leader);
  hdc.polyline_(q.data(), q.size() - 1);
  if (s.dimline_show1 == true_) {
    const float a = calc_angle_(r.x[1], r.y[1], r.x[2], r.y[2], false_, 0);
    draw_arrowhead_(hdc, v, s.arrow_ref, r.x[1], r.y[1], a, 1.f, f32_(double(s.arrow_size) * s.size_factor), line_c);
  }
  text_box(hdc, v, r.text_box, back, s.text_frame == true_);
  // The last segment goes over the box, so a filled box never hides where the leader ends.
  hdc.select_pen_(leader);
  hdc.polyline_(q.data() + q.size() - 2, 2);
  hdc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(text_c)});
  hdc.select_brush_(brush_{brush_style_::solid_, uint32_t(text_c)});
  for (const dim_text_part_rec_& p : r.parts)
    if (p.visible == true_) draw_text_glyphs_(hdc, v, s.font, p.text, p.x, p.y, p.height, 1.0f, r.text_angle);
}
