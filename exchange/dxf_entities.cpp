// Entity dispatch and the geometric entities of a DXF file.
#include <cmath>

#include "engine/zaz_class.h"
#include "exchange/dxf_entities.h"
#include "exchange/dxf_import.h"

namespace exchange_ {
namespace {

constexpr double deg_per_rad_ = 180.0 / 3.1415927;
constexpr float full_turn_ = 6.141593f;  // an ellipse sweeping this far is closed

// Extrusion (0, 0, -1) and its near neighbours: the object lies mirrored in the plane.
bool mirrored_extrusion(const dxf_record_rec_& r) {
  const double ax = 1.0 / 64;
  return r.num(230) < 0 && std::fabs(r.num(210)) < ax && std::fabs(r.num(220)) < ax;
}

dxf_entity_props_ entity_props(zaz_class_& e, const dxf_import_state_rec_& st) {
  const dxf_record_rec_& r = st.rec;
  dxf_entity_props_ p;
  const auto it = st.layers.find(r.get(8));
  p.layer = it == st.layers.end() ? 1 : it->second;
  p.layer_zero = r.get(8) == "0";
  p.color = e.dxf_aci_to_color_(r.get(62));
  p.style = static_cast<int16_t>(e.dxf_linetype_index_(std::string(dxf_trim_(r.get(6)))));
  p.mirrored = mirrored_extrusion(r);
  return p;
}

void point_body(zaz_class_& e, const dxf_record_rec_& r, const dxf_place_& pl, const dxf_entity_props_& p) {
  float x = 0, y = 0;
  e.dxf2x0_(r.f(210), r.f(220), r.f(230), r.f(10), r.f(20), r.f(30), x, y);
  pl.record = e.add_point_(pl.x(x), pl.y(y), 0, 5, p.color, p.style, 1, p.layer);
}

void line_body(zaz_class_& e, const dxf_record_rec_& r, const dxf_place_& pl, const dxf_entity_props_& p) {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  e.dxf2x0_(r.f(210), r.f(220), r.f(230), r.f(10), r.f(20), r.f(30), x1, y1);
  e.dxf2x0_(r.f(210), r.f(220), r.f(230), r.f(11), r.f(21), r.f(31), x2, y2);
  pl.record = e.add_line_(pl.x(x1), pl.y(y1), pl.x(x2), pl.y(y2), p.color, p.style, 1, p.layer, 0);
}

void arc_body(zaz_class_& e, const dxf_record_rec_& r, const dxf_place_& pl, const dxf_entity_props_& p) {
  float cx = r.f(10), a1 = r.f(50), a2 = r.f(51);
  const float rad = r.f(40);
  if (!(rad >= 0)) return;
  if (p.mirrored) {
    cx = -cx;
    const float s = 180 - a2;
    a2 = 180 - a1;
    a1 = s;
  }
  pl.record = e.add_arc_(pl.x(cx), pl.y(r.f(20)), rad, rad, 0, a1, a2, p.color, color_none_,
                         p.style, 1, p.layer);
}

void circle_body(zaz_class_& e, const dxf_record_rec_& r, const dxf_place_& pl, const dxf_entity_props_& p) {
  const float rad = r.f(40);
  if (!(rad >= 0)) return;
  const float cx = p.mirrored ? -r.f(10) : r.f(10);
  pl.record = e.add_circle_(pl.x(cx), pl.y(r.f(20)), rad, p.color, color_none_, p.style, 1, p.layer);
}

void ellipse_body(zaz_class_& e, const dxf_record_rec_& r, const dxf_place_& pl, const dxf_entity_props_& p) {
  const float mx = r.f(11), my = r.f(21);
  const float rot = e.calc_angle_(0, 0, mx, my, true_, 0);
  const float a = f32_(std::sqrt(double(mx) * mx + double(my) * my));
  const float b = f32_(double(a) * r.num(40));
  float p1 = r.f(41), p2 = r.f(42);
  const float x = pl.x(r.f(10)), y = pl.y(r.f(20));
  if (p1 == p2 || std::fabs(double(p2) - p1) >= full_turn_) {
    pl.record = e.add_ellipse_(x, y, a, b, rot, p.color, color_none_, p.style, 1, p.layer);
    return;
  }
  if (p.mirrored) {  // the parameters run clockwise seen from +Z
    const float s = -p2;
    p2 = -p1;
    p1 = s;
  }
  const int32_t rec = e.add_arc_(x, y, a, a, rot, f32_(p1 * deg_per_rad_), f32_(p2 * deg_per_rad_),
                                 p.color, color_none_, p.style, 1, p.layer);
  pl.record = rec;
  if (rec < 1 || e.object_(rec).type != ot_arc_) return;
  object_rec_& o = e.object_(rec);
  if (o.index < 1 || static_cast<size_t>(o.index) >= e.store.live.arcs.size()) return;
  arc_rec_& arc = e.store.live.arcs[static_cast<size_t>(o.index)];
  arc.rx = a;
  arc.ry = b;
  e.conic_box_(arc, 0.05f, o);
}

void mirror_vertices(zaz_class_& e, bool bulges) {
  for (vertex_rec_& v : e.vertices.main) {
    v.x = -v.x;
    if (bulges) v.a = -v.a;
  }
}

void close_vertices(zaz_class_& e) {
  if (e.vertices.main.empty()) return;
  const vertex_rec_ first = e.vertices.main.front();
  e.vertex_add_(first.x, first.y, 0, false_);
}

// Segment i -> i + 1 with the bulge of vertex i, as a line or an arc.
int32_t bulge_segment(zaz_class_& e, const vertex_rec_& v1, const vertex_rec_& v2,
                      const dxf_place_& pl, const dxf_entity_props_& p) {
  const float x1 = pl.x(v1.x), y1 = pl.y(v1.y), x2 = pl.x(v2.x), y2 = pl.y(v2.y);
  if (v1.a == 0) return e.add_line_(x1, y1, x2, y2, p.color, p.style, 1, p.layer, 0);
  const double mx = (double(x1) + x2) / 2, my = (double(y1) + y2) / 2;
  const double s = -std::hypot(double(x2) - x1, double(y2) - y1) * v1.a * 0.5;
  const double th = double(e.calc_angle_(x1, y1, x2, y2, false_, 0)) + 1.5707964;
  const float qx = f32_(mx + s * std::cos(th)), qy = f32_(my + s * std::sin(th));
  float cx = 0, cy = 0, rad = 0, a1 = 0, a2 = 0;
  e.calc_arc3p_(x1, y1, qx, qy, x2, y2, cx, cy, rad, a1, a2);
  if (!std::isfinite(rad) || !(rad > 0)) return e.add_line_(x1, y1, x2, y2, p.color, p.style, 1, p.layer, 0);
  return e.add_arc_(cx, cy, rad, rad, 0, f32_(a1 * deg_per_rad_), f32_(a2 * deg_per_rad_), p.color,
                    color_none_, p.style, 1, p.layer);
}

void lwpolyline_body(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                     const dxf_entity_props_& p) {
  bool bulged = false;
  for (const vertex_rec_& v : e.vertices.main) bulged = bulged || v.a != 0;
  int32_t flags = 0;
  dxf_whole_(st.rec.get(70), flags);
  if (p.mirrored) mirror_vertices(e, true);
  if (flags & 1) close_vertices(e);
  if (!bulged) {
    if (pl.shift) e.vertex_shift_();
    pl.record = e.add_polyline_(p.color, p.style, 1, p.layer, 0);
    return;
  }
  // Lines and arcs are added without the vertex buffer; its entries are still read afresh
  // (by copy, by index) for every segment.
  const std::vector<vertex_rec_>& v = e.vertices.main;
  for (size_t i = 0; i + 1 < v.size(); ++i) {
    const vertex_rec_ a = v[i], b = v[i + 1];
    dxf_collect_block_member_(e, st, bulge_segment(e, a, b, pl, p), p.layer_zero);
  }
  pl.record = 0;
}

void polyline_body(zaz_class_& e, const dxf_record_rec_& r, const dxf_place_& pl,
                   const dxf_entity_props_& p) {
  int32_t flags = 0;
  dxf_whole_(r.get(70), flags);
  if (flags & (8 | 16 | 64)) return;  // 3-D polylines and meshes are not plane figures
  if (e.vertex_count_(false_) >= 2 && e.vertex_px_(1, false_) == 0 && e.vertex_py_(1, false_) == 0)
    e.vertex_delete_(1);
  if (p.mirrored) mirror_vertices(e, false);
  if (flags & 1) close_vertices(e);
  if (pl.shift) e.vertex_shift_();
  pl.record = e.add_polyline_(p.color, p.style, 1, p.layer, 0);
}

void solid_body(zaz_class_& e, const dxf_record_rec_& r, const dxf_place_& pl, const dxf_entity_props_& p) {
  const int32_t fourth = r.present(13) ? 13 : 12;  // three corners: the last one repeats
  e.vertex_clear_(false_);
  for (int32_t g : {10, 11, fourth, 12}) {
    const float x = p.mirrored ? -r.f(g) : r.f(g);
    e.vertex_add_(pl.x(x), pl.y(r.f(g + 10)), 0, false_);
  }
  pl.record = e.add_polygon_(p.color, p.color, 0, 1, p.layer, 0);
}

}  // namespace

void dxf_entity_(zaz_class_& e, dxf_import_state_rec_& st) {
  const dxf_record_rec_& r = st.rec;
  if (r.num(67) != 0 || r.num(60) != 0) return;
  const std::string& k = st.keyword;
  if (k == "BLOCK") return dxf_block_begin_(e, st);
  if (k == "ENDBLK") return dxf_block_end_(e, st);
  const dxf_entity_props_ p = entity_props(e, st);
  dxf_place_ pl;
  if (st.section == "ENTITIES") {
    pl.shift = true;
    pl.ox = e.store.origin_x;
    pl.oy = e.store.origin_y;
  }
  if (k == "POINT") point_body(e, r, pl, p);
  else if (k == "LINE") line_body(e, r, pl, p);
  else if (k == "ARC") arc_body(e, r, pl, p);
  else if (k == "CIRCLE") circle_body(e, r, pl, p);
  else if (k == "ELLIPSE") ellipse_body(e, r, pl, p);
  else if (k == "LWPOLYLINE") lwpolyline_body(e, st, pl, p);
  else if (k == "POLYLINE") polyline_body(e, r, pl, p);
  else if (k == "SOLID") solid_body(e, r, pl, p);
  else if (k == "TEXT") dxf_text_body_(e, st, pl, p);
  else if (k == "MTEXT") dxf_mtext_body_(e, st, pl, p);
  else if (k == "DIMENSION") dxf_dimension_body_(e, st, pl, p);
  else if (k == "INSERT") dxf_insert_body_(e, st, pl, p);
  dxf_collect_block_member_(e, st, pl.record, p.layer_zero);
}

}  // namespace exchange_
