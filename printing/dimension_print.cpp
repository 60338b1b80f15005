// Printed dimensions, angular dimensions and references, with their terminators.
#include <cmath>

#include "printing/print_util.h"

namespace {

constexpr double pi_f = 3.1415927;  // pi as a single, as the terminators were laid out with it
constexpr double half_pi = 1.5707964;

// Arrowhead body length and half-width in units of the size, and how it is drawn.
enum class look { filled, open, outline };
struct shape {
  float length, half_width;
  look how;
};

bool arrowhead(int32_t kind, shape& out) {
  switch (kind) {
    case 1: out = {2, 0.25f, look::filled}; return true;
    case 2: out = {2, 0.25f, look::open}; return true;
    case 3: out = {2, 0.25f, look::outline}; return true;
    case 4: out = {2, 0.5f, look::filled}; return true;
    case 5: out = {2, 0.2f, look::open}; return true;
    case 6: out = {2, 0.5f, look::outline}; return true;
    case 7: out = {1, 1, look::filled}; return true;
    case 8: out = {1, 1, look::open}; return true;
    case 9: out = {1, 1, look::outline}; return true;
    default: return false;
  }
}

bool half_arrowhead(int32_t kind, shape& out) {
  switch (kind) {
    case 13: out = {1, 1, look::filled}; return true;
    case 14: out = {1, 1, look::open}; return true;
    case 15: out = {1, 1, look::outline}; return true;
    case 16: out = {1, -1, look::filled}; return true;
    case 17: out = {1, -1, look::open}; return true;
    case 18: out = {1, -1, look::outline}; return true;
    default: return false;
  }
}

// The text box: filled with the background when it is a colour; outlined with the line pen
// when bordered, or in the background value itself when it is none.
void text_box(graphics_& g, const print_map_& m, const std::array<box_corner_rec_, 4>& q, flag16_ border,
              int32_t back, const gp_pen_& line_pen) {
  gp_point_ box[4];
  for (size_t i = 0; i < 4; ++i) box[i] = m(q[i].x, q[i].y);
  if (back >= 0) g.fill_polygon_(print_opaque_(back), box, 4, fill_mode_::alternate_);
  if (border == true_) {
    g.draw_polygon_(line_pen, box, 4);
  } else if (back < 0) {
    gp_pen_ p = line_pen;
    p.argb = print_opaque_(back);
    g.draw_polygon_(p, box, 4);
  }
}

template <class Rec>
void text_parts(zaz_class_& e, graphics_& g, const print_map_& m, const Rec& r, int32_t colour, float width_mm) {
  const gp_pen_ pen{print_opaque_(colour), width_mm, gp_dash_::solid_, gp_join_::miter_};
  for (const dim_text_part_rec_& part : r.parts)
    if (part.visible == true_)
      e.print_stroke_text_(g, pen, print_opaque_(colour), m.x0, m.y0, m.k, r.style.font, part.text, part.x, part.y,
                           part.height, 1.0f, r.text_angle);
}

}  // namespace

void zaz_class_::print_terminator_(graphics_& g, float x0, float y0, float k, int32_t kind, float tx, float ty,
                                   float a, float sense, float s, const gp_pen_& pen, uint32_t fill) {
  const print_map_ m{x0, y0, k};
  const double ex = std::cos(double(a)), ey = std::sin(double(a));
  const double nx = std::cos(double(a) + half_pi), ny = std::sin(double(a) + half_pi);
  auto pt = [&](double x, double y) { return m(f32_(x), f32_(y)); };
  auto draw = [&](look how, const gp_point_ (&p)[3]) {
    if (how == look::filled) g.fill_polygon_(fill, p, 3, fill_mode_::alternate_);
    else if (how == look::outline) g.draw_polygon_(pen, p, 3);
    else g.draw_lines_(pen, p, 3);
  };
  shape sh{};
  if (arrowhead(kind, sh)) {
    const double bx = tx + double(s) * sh.length * sense * ex, by = ty + double(s) * sh.length * sense * ey;
    const double wx = double(s) * sh.half_width * nx, wy = double(s) * sh.half_width * ny;
    const gp_point_ T = pt(tx, ty), B1 = pt(bx + wx, by + wy), B2 = pt(bx - wx, by - wy);
    if (sh.how == look::open) draw(look::open, {B1, T, B2});
    else draw(sh.how, {T, B1, B2});
  } else if (half_arrowhead(kind, sh)) {
    const double ax = tx + double(s) * sense * ex, ay = ty + double(s) * sense * ey;
    const gp_point_ T = pt(tx, ty), A = pt(ax, ay);
    const gp_point_ C = pt(ax + double(s) * sh.half_width * nx, ay + double(s) * sh.half_width * ny);
    if (sh.how == look::open) draw(look::open, {C, T, A});
    else draw(sh.how, {T, C, A});
  } else if (kind == 10) {
    const double q = double(a) + pi_f / 4, r = double(a) + 5 * pi_f / 4;
    const gp_point_ p = pt(tx + s * std::cos(q), ty + s * std::sin(q));
    const gp_point_ e = pt(tx + s * std::cos(r), ty + s * std::sin(r));
    g.draw_line_(pen, p.x, p.y, e.x, e.y);
  } else if (kind == 11 || kind == 12 || kind == 19) {
    gp_point_ dot[16];
    size_t n = 0;
    for (float t = 0; t <= 6.2831855f && n < 16; t = f32_(double(t) + 0.3926991f))
      dot[n++] = pt(tx + double(s) / 2 * std::cos(double(t)), ty + double(s) / 2 * std::sin(double(t)));
    if (kind == 12) g.fill_polygon_(fill, dot, n, fill_mode_::alternate_);
    else g.draw_polygon_(pen, dot, n);
  }
}

void zaz_class_::print_dimension_(graphics_& g, float x0, float y0, float k, const dimension_rec_& r, int32_t line,
                                  int32_t ext, int32_t text, int32_t back, int32_t width) {
  if (!(std::hypot(double(r.x2) - r.x1, double(r.y2) - r.y1) > 0)) return;
  const print_map_ m{x0, y0, k};
  const dimstyle_rec_& st = r.style;
  const float a = calc_angle_(r.x3, r.y3, r.x4, r.y4, false_, 0);
  float b = calc_angle_(r.x1, r.y1, r.x3, r.y3, false_, 0);
  if (r.x3 - r.x1 == 0 && r.y3 - r.y1 == 0) b = f32_(double(a) + half_pi);
  const double s = double(st.arrow_size) * st.size_factor;
  const float sense = r.kind == 0 && r.arrows_outside == true_ ? -1.0f : 1.0f;
  const double ex = std::cos(double(a)), ey = std::sin(double(a));
  const double bx = s / 4 * std::cos(double(b)), by = s / 4 * std::sin(double(b));
  auto pt = [&](double x, double y) { return m(f32_(x), f32_(y)); };
  const gp_point_ P1 = m(r.x1, r.y1), P2 = m(r.x2, r.y2);
  const gp_point_ E1 = pt(r.x3 + bx, r.y3 + by), E2 = pt(r.x4 + bx, r.y4 + by);
  const double d1x = r.x3 - s / 4 * ex, d1y = r.y3 - s / 4 * ey, d2x = r.x4 + s / 4 * ex, d2y = r.y4 + s / 4 * ey;
  const gp_point_ D1 = pt(d1x, d1y), D2 = pt(d2x, d2y), M = pt((d1x + d2x) / 2, (d1y + d2y) / 2);
  const float w = print_width_mm_(*this, width);
  const gp_pen_ ext_pen{print_opaque_(ext), w, gp_dash_::solid_, gp_join_::miter_};
  if (st.extline_show1 == true_) g.draw_line_(ext_pen, P1.x, P1.y, E1.x, E1.y);
  if (st.extline_show2 == true_) g.draw_line_(ext_pen, P2.x, P2.y, E2.x, E2.y);
  const gp_pen_ pen{print_opaque_(line), w, gp_dash_::solid_, gp_join_::miter_};
  if (st.dimline_show1 == true_) g.draw_line_(pen, M.x, M.y, D1.x, D1.y);
  if (st.dimline_show2 == true_) g.draw_line_(pen, M.x, M.y, D2.x, D2.y);
  const float sf = f32_(s);
  if (st.dimline_show1 == true_) print_terminator_(g, x0, y0, k, st.arrow1, r.x3, r.y3, a, sense, sf, pen, pen.argb);
  if (st.dimline_show2 == true_) print_terminator_(g, x0, y0, k, st.arrow2, r.x4, r.y4, a, -sense, sf, pen, pen.argb);
  text_box(g, m, r.text_box, st.text_frame, back, pen);
  text_parts(*this, g, m, r, text, w);
}

void zaz_class_::print_angular_dim_(graphics_& g, float x0, float y0, float k, const angular_dim_rec_& r, int32_t line,
                                    int32_t ext, int32_t text, int32_t back, int32_t width) {
  if (!((r.rx != 0 && r.ry != 0) || r.a1 != r.a2)) return;
  const print_map_ m{x0, y0, k};
  const dimstyle_rec_& st = r.style;
  const double turn = double(r.rotation) * pi_f / 180.0;
  auto on_arc = [&](float t) {
    float rx = 0, ry = 0;
    calc_rotate_00_deg_(r.rotation, f32_(double(r.rx) * std::cos(double(t))), f32_(double(r.ry) * std::sin(double(t))),
                        rx, ry);
    return gp_point_{f32_(double(rx) + r.cx), f32_(double(ry) + r.cy)};
  };
  std::vector<gp_point_> arc;
  print_arc_points_(r.a1, r.a2, 0.1f, true, on_arc, arc);
  if (arc.empty()) return;
  const gp_point_ T1 = arc.front(), T2 = arc.back();
  const float a1 = f32_(double(r.a1) + 0.525 * pi_f + turn);
  const float a2 = f32_(double(r.a2) + 1.475 * pi_f + turn);
  for (gp_point_& p : arc) p = m(p.x, p.y);
  const double s = double(st.arrow_size) * st.size_factor;
  const float sense = r.arrows_outside == true_ ? -1.0f : 1.0f;
  const float w = print_width_mm_(*this, width);
  const gp_pen_ pen{print_opaque_(line), w, gp_dash_::solid_, gp_join_::miter_};
  g.draw_lines_(pen, arc.data(), arc.size());
  if (st.dimline_show1 == true_) print_terminator_(g, x0, y0, k, st.arrow1, T1.x, T1.y, a1, sense, f32_(s), pen, pen.argb);
  if (st.dimline_show2 == true_) print_terminator_(g, x0, y0, k, st.arrow2, T2.x, T2.y, a2, sense, f32_(s), pen, pen.argb);
  text_box(g, m, r.text_box, st.text_frame, back, pen);
  const gp_pen_ ext_pen{print_opaque_(ext), w, gp_dash_::solid_, gp_join_::miter_};
  auto extension = [&](double e) {
    const gp_point_ p = m(f32_(r.cx + 0.5 * r.rx * std::cos(e)), f32_(r.cy + 0.5 * r.ry * std::sin(e)));
    const gp_point_ q = m(f32_(r.cx + (double(r.rx) + st.arrow_size) * std::cos(e)),
                          f32_(r.cy + (double(r.ry) + st.arrow_size) * std::sin(e)));
    g.draw_line_(ext_pen, p.x, p.y, q.x, q.y);
  };
  if (st.extline_show1 == true_) extension(double(r.a1) + turn);
  if (st.extline_show2 == true_) extension(double(r.a2) + turn);
  text_parts(*this, g, m, r, text, w);
}

void zaz_class_::print_reference_(graphics_& g, float x0, float y0, float k, const reference_rec_& r, int32_t line,
                                  int32_t /*ext*/, int32_t text, int32_t back, int32_t width) {
  const int64_t n = std::min<int64_t>({int64_t(r.count), int64_t(r.x.size()) - 1, int64_t(r.y.size()) - 1});
  if (n <= 1) return;
  const print_map_ m{x0, y0, k};
  const dimstyle_rec_& st = r.style;
  std::vector<gp_point_> leader;
  leader.reserve(size_t(n));
  for (int64_t i = 1; i <= n; ++i) leader.push_back(m(r.x[size_t(i)], r.y[size_t(i)]));
  const float w = print_width_mm_(*this, width);
  const gp_pen_ pen{print_opaque_(line), w, gp_dash_::solid_, gp_join_::miter_};
  if (n > 2) g.draw_lines_(pen, leader.data(), size_t(n - 1));
  if (st.dimline_show1 == true_) {
    const float a = calc_angle_(r.x[1], r.y[1], r.x[2], r.y[2], false_, 0);
    print_terminator_(g, x0, y0, k, st.arrow_ref, r.x[1], r.y[1], a, 1.0f,
                      f32_(double(st.arrow_size) * st.size_factor), pen, pen.argb);
  }
  text_box(g, m, r.text_box, st.text_frame, back, pen);
  const gp_point_ p = leader[size_t(n - 2)], q = leader[size_t(n - 1)];
  g.draw_line_(pen, p.x, p.y, q.x, q.y);
  text_parts(*this, g, m, r, text, w);
}
