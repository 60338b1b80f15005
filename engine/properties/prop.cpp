// Properties of one object by number. A read gives the field in its own type, angles in
// degrees and lengths derived where the grid shows them; a write converts the value to the
// field's type (a value that does not convert leaves the field alone), keeps the object
// consistent and always ends by recomputing the object's bounding box.
#include <cmath>

#include "engine/model/dimstyle_props.h"
#include "engine/properties/prop_internal.h"
#include "engine/properties/prop_values.h"
#include "engine/zaz_class.h"

namespace {

value_ num_(double v) { return value_::of(v); }

}  // namespace

prop_vertices_ prop_vertices_of_(object_tables_& t, const object_rec_& o) {
  const size_t ix = static_cast<size_t>(o.index);
  if (o.type == ot_hatch_) return {&t.hatches[ix].count, &t.hatches[ix].x, &t.hatches[ix].y};
  polyline_rec_& p = o.type == ot_curve_ ? t.curves[ix] : o.type == ot_polyline_ ? t.polylines[ix] : t.polygons[ix];
  return {&p.count, &p.x, &p.y};
}

value_ zaz_class_::edit_clamp_(const value_& value, double minimum, double maximum, bool byte) {
  if (!value.is_number()) return value;
  double v = value.number, lo = minimum, hi = maximum;
  if (byte) {
    v = cint32_(v), lo = std::clamp<double>(cint32_(lo), 0, 255), hi = std::clamp<double>(cint32_(hi), 0, 255);
  }
  if (!(hi > lo)) hi = lo;
  if (!(v > lo)) return num_(lo);
  if (!(v < hi)) return num_(hi);
  return num_(v);
}

value_ zaz_class_::edit_prop_(int32_t rec_, int32_t prop_) {
  if (rec_ < 1 || rec_ > records_()) return num_(0);
  object_tables_& t = store.live;
  const object_rec_& o = t.objects[static_cast<size_t>(rec_)];
  switch (prop_) {
    case 1: return num_(o.draw_color);
    case 2: return num_(o.fill_color);
    case 3: return num_(o.line_style);
    case 4: return num_(o.line_width);
    case 5: return num_(o.layer);
    case 6: return num_(o.page);
    default: break;
  }
  const size_t ix = static_cast<size_t>(o.index);
  switch (o.type) {
    case ot_point_: {
      const point_rec_& p = t.points[ix];
      if (prop_ == 10) return num_(p.x);
      if (prop_ == 11) return num_(p.y);
      break;
    }
    case ot_line_: {
      const line_rec_& l = t.lines[ix];
      switch (prop_) {
        case 12: return num_(l.x1);
        case 13: return num_(l.y1);
        case 14: return num_(l.x2);
        case 15: return num_(l.y2);
        case 28: return num_(calc_angle_(l.x1, l.y1, l.x2, l.y2, true_, 0));
        case 29: return num_(std::hypot(double(l.x2) - l.x1, double(l.y2) - l.y1));
        default: break;
      }
      break;
    }
    case ot_curve_: case ot_polyline_: case ot_polygon_: case ot_hatch_: {
      const prop_vertices_ pv = prop_vertices_of_(t, o);
      const int32_t v = prop_vertex_clamp_(grid.vertex, *pv.count);
      switch (prop_) {
        case 32: if (o.type == ot_curve_) return num_(to_flag_(*pv.count < 0)); break;
        case 33: return num_(std::abs(*pv.count));
        case 34: return num_(v);
        case 35: if (prop_slot_ok_(*pv.x, v)) return num_((*pv.x)[static_cast<size_t>(v)]); break;
        case 36: if (prop_slot_ok_(*pv.y, v)) return num_((*pv.y)[static_cast<size_t>(v)]); break;
        default: break;
      }
      if (o.type == ot_hatch_) {
        const hatch_rec_& h = t.hatches[ix];
        if (prop_ == 23) return num_(h.pattern);
        if (prop_ == 26) return num_(h.scale);
        if (prop_ == 27) return num_(f32_(h.rotation * prop_deg_));
      }
      break;
    }
    case ot_arc_: case ot_circle_: case ot_ellipse_: {
      const arc_rec_& a = o.type == ot_arc_ ? t.arcs[ix] : o.type == ot_circle_ ? t.circles[ix] : t.ellipses[ix];
      switch (prop_) {
        case 10: return num_(a.cx);
        case 11: return num_(a.cy);
        case 18: if (o.type == ot_circle_) return num_((double(a.rx) + a.ry) / 2); break;
        case 19: return num_(a.rx);
        case 20: return num_(a.ry);
        case 21: return num_(f32_(a.a1 * prop_deg_));
        case 22: return num_(f32_(a.a2 * prop_deg_));
        case 27: return num_(a.rotation);
        default: break;
      }
      break;
    }
    case ot_text_: {
      const text_rec_& x = t.texts[ix];
      switch (prop_) {
        case 10: return num_(x.x);
        case 11: return num_(x.y);
        case 27: return num_(f32_(x.rotation * prop_deg_));
        case 30: return num_(x.height);
        case 31: return num_(x.width_factor);
        case 100: return value_::of(font_name_(x.font));
        case 101: return value_::of(x.text);
        default: break;
      }
      break;
    }
    case ot_image_: {
      const image_rec_& m = t.images[ix];
      switch (prop_) {
        case 12: return num_(m.p0x);
        case 13: return num_(m.p0y);
        case 14: return num_(m.p1x);
        case 15: return num_(m.p1y);
        case 16: return num_(m.p2x);
        case 17: return num_(m.p2y);
        case 31: return num_(std::hypot(double(m.p1x) - m.p0x, double(m.p1y) - m.p0y));
        case 30: return num_(std::hypot(double(m.p2x) - m.p0x, double(m.p2y) - m.p0y));
        case 103: return value_::of(prop_image_name_(m.path));
        default: break;
      }
      break;
    }
    case ot_block_insert_: {
      const block_insert_rec_& b = t.block_inserts[ix];
      switch (prop_) {
        case 10: return num_(b.x);
        case 11: return num_(b.y);
        case 24: return num_(b.sx);
        case 25: return num_(b.sy);
        case 27: return num_(f32_(b.rotation * prop_deg_));
        case 300: return value_::of(blocks_name_(b.block));
        default: break;
      }
      break;
    }
    case ot_dimension_: case ot_angular_dim_: case ot_reference_: {
      if (prop_ < 200 || prop_ > 240) break;
      const dimstyle_rec_* s = prop_style_copy_(t, o);
      const int32_t n = prop_style_of_[prop_ - 200];
      if (n < 0) return value_::of(s->name);
      return dimstyle_prop_get_(*s, n);
    }
    default: break;
  }
  return num_(0);
}
