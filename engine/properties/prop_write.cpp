// Writing a property by number. Every branch converts first and stores only a value that
// converted; the object is then made consistent (line ends, arc angle order, hatch lines,
// dimension texts) and its bounding box recomputed, whatever was written.
#include <cmath>

#include "engine/model/dimstyle_props.h"
#include "engine/properties/grid_text.h"
#include "engine/properties/prop_internal.h"
#include "engine/properties/prop_values.h"
#include "engine/zaz_class.h"

namespace {

bool set_f_(const value_& v, float& field) {
  float f;
  if (!prop_single_(v, f)) return false;
  field = f;
  return true;
}
bool set_rad_(const value_& v, float& field) {
  double d;
  if (!prop_number_(v, d) || !fits_f32_(d / prop_deg_)) return false;
  field = f32_(d / prop_deg_);
  return true;
}
// Moves (px, py) along the direction from (ox, oy) so that it lies `dist` from it.
void move_to_distance_(float ox, float oy, float& px, float& py, double dist, double angle) {
  px = f32_(ox + dist * std::cos(angle));
  py = f32_(oy + dist * std::sin(angle));
}

}  // namespace

void zaz_class_::edit_prop_(int32_t rec_, int32_t prop_, const value_& nval_) {
  if (rec_ < 1 || rec_ > records_()) return;
  object_tables_& t = store.live;
  object_rec_& o = t.objects[static_cast<size_t>(rec_)];
  const size_t ix = static_cast<size_t>(o.index);
  switch (prop_) {
    case 1: prop_whole_(nval_, o.draw_color); break;
    case 2: prop_whole_(nval_, o.fill_color); break;
    case 3: prop_whole_(nval_, o.line_style); break;
    case 4: prop_whole_(nval_, o.line_width); break;
    case 5: prop_whole_(nval_, o.layer); break;
    case 6: prop_whole_(nval_, o.page); break;
    default: edit_prop_kind_(o, ix, prop_, nval_); break;
  }
  calc_orect_(rec_);
}

void zaz_class_::edit_prop_kind_(object_rec_& o, size_t ix, int32_t prop_, const value_& nval_) {
  object_tables_& t = store.live;
  double d = 0;
  switch (o.type) {
    case ot_point_: {
      point_rec_& p = t.points[ix];
      if (prop_ == 10) set_f_(nval_, p.x);
      if (prop_ == 11) set_f_(nval_, p.y);
      return;
    }
    case ot_line_: {
      line_rec_& l = t.lines[ix];
      switch (prop_) {
        case 12: set_f_(nval_, l.x1); return;
        case 13: set_f_(nval_, l.y1); return;
        case 14: set_f_(nval_, l.x2); return;
        case 15: set_f_(nval_, l.y2); return;
        case 28: {
          if (!prop_number_(nval_, d)) return;
          const double len = std::hypot(double(l.x2) - l.x1, double(l.y2) - l.y1);
          move_to_distance_(l.x1, l.y1, l.x2, l.y2, len, d / prop_deg_);
          return;
        }
        case 29:
          if (!prop_number_(nval_, d)) return;
          move_to_distance_(l.x1, l.y1, l.x2, l.y2, d, calc_angle_(l.x1, l.y1, l.x2, l.y2, false_, 0));
          return;
        default: return;
      }
    }
    case ot_curve_: case ot_polyline_: case ot_polygon_: case ot_hatch_: {
      const prop_vertices_ pv = prop_vertices_of_(t, o);
      const int32_t count = std::abs(*pv.count);
      const int32_t v = prop_vertex_clamp_(grid.vertex, *pv.count);
      bool relines = false;
      switch (prop_) {
        case 34: {
          int32_t n;
          if (prop_whole_(nval_, n)) grid.vertex = std::clamp(n, 1, std::max(count, 1));
          return;
        }
        case 35:
          relines = prop_slot_ok_(*pv.x, v) && set_f_(nval_, (*pv.x)[static_cast<size_t>(v)]);
          break;
        case 36:
          relines = prop_slot_ok_(*pv.y, v) && set_f_(nval_, (*pv.y)[static_cast<size_t>(v)]);
          break;
        default: break;
      }
      if (o.type != ot_hatch_) return;
      hatch_rec_& h = t.hatches[ix];
      if (prop_ == 23) relines = prop_whole_(nval_, h.pattern);
      if (prop_ == 26) relines = set_f_(nval_, h.scale);
      if (prop_ == 27) relines = set_rad_(nval_, h.rotation);
      if (!relines) return;
      // The pattern is placed on a copy: when that fails the old lines and tiles stay.
      hatch_rec_ trial = h;
      if (hatch_calc_lines_(trial) == true_) h = std::move(trial);
      return;
    }
    case ot_arc_: case ot_circle_: case ot_ellipse_: {
      arc_rec_& a = o.type == ot_arc_ ? t.arcs[ix] : o.type == ot_circle_ ? t.circles[ix] : t.ellipses[ix];
      switch (prop_) {
        case 10: set_f_(nval_, a.cx); return;
        case 11: set_f_(nval_, a.cy); return;
        case 18:
          if (o.type == ot_circle_ && set_f_(nval_, a.rx)) a.ry = a.rx;
          return;
        case 19: set_f_(nval_, a.rx); return;
        case 20: set_f_(nval_, a.ry); return;
        case 21: case 22: {
          if (!prop_number_(nval_, d)) return;
          const float r = std::clamp(f32_(d / prop_deg_), -prop_two_pi_, prop_two_pi_);
          if (prop_ == 21) a.a1 = r < a.a2 ? r : a.a2;
          else a.a2 = r > a.a1 ? r : a.a1;
          return;
        }
        case 27: set_f_(nval_, a.rotation); return;
        default: return;
      }
    }
    case ot_text_: {
      text_rec_& x = t.texts[ix];
      switch (prop_) {
        case 10: set_f_(nval_, x.x); return;
        case 11: set_f_(nval_, x.y); return;
        case 27: set_rad_(nval_, x.rotation); return;
        case 30: set_f_(nval_, x.height); return;
        case 31: set_f_(nval_, x.width_factor); return;
        case 100: {
          const std::string name = prop_text_(nval_);
          int32_t found = 0;
          for (int32_t f = 1; f <= font_count_(); ++f)
            if (font_name_(f) == name) found = f;
          if (found > 0) x.font = found;
          else if (x.font < 1) x.font = 1;
          return;
        }
        case 101: x.text = prop_text_(nval_); return;
        default: return;
      }
    }
    case ot_image_: {
      image_rec_& m = t.images[ix];
      switch (prop_) {
        case 12: set_f_(nval_, m.p0x); return;
        case 13: set_f_(nval_, m.p0y); return;
        case 14: set_f_(nval_, m.p1x); return;
        case 15: set_f_(nval_, m.p1y); return;
        case 16: set_f_(nval_, m.p2x); return;
        case 17: set_f_(nval_, m.p2y); return;
        case 31:
          if (prop_number_(nval_, d))
            move_to_distance_(m.p0x, m.p0y, m.p1x, m.p1y, d, std::atan2(double(m.p1y) - m.p0y, double(m.p1x) - m.p0x));
          return;
        case 30:
          if (prop_number_(nval_, d))
            move_to_distance_(m.p0x, m.p0y, m.p2x, m.p2y, d, std::atan2(double(m.p2y) - m.p0y, double(m.p2x) - m.p0x));
          return;
        default: return;
      }
    }
    case ot_block_insert_: {
      block_insert_rec_& b = t.block_inserts[ix];
      switch (prop_) {
        case 10: set_f_(nval_, b.x); return;
        case 11: set_f_(nval_, b.y); return;
        case 24: set_f_(nval_, b.sx); return;
        case 25: set_f_(nval_, b.sy); return;
        case 27: set_rad_(nval_, b.rotation); return;
        case 300: blocks_name_(b.block, prop_text_(nval_)); return;
        default: return;
      }
    }
    case ot_dimension_: case ot_angular_dim_: case ot_reference_:
      if (prop_ >= 200 && prop_ <= 240) edit_prop_style_(o, ix, prop_, nval_);
      return;
    default: return;
  }
}

void zaz_class_::edit_prop_style_(object_rec_& o, size_t ix, int32_t prop_, const value_& nval_) {
  object_tables_& t = store.live;
  dimstyle_rec_ copy = *prop_style_copy_(t, o);
  const int32_t n = prop_style_of_[prop_ - 200];
  if (n < 0) {
    copy.name = edit_trim_(prop_text_(nval_));
  } else if (n <= 2) {
    // Arrow kinds: whole numbers clamped into the kinds there are.
    double d;
    if (prop_number_(nval_, d)) dimstyle_prop_set_(copy, n, edit_clamp_(value_::of(round_even_(d)), 0, 20, true));
  } else if (dimstyle_prop_kind_(n) == dimprop_kind_::text_) {
    dimstyle_prop_set_(copy, n, value_::of(prop_text_(nval_)));
  } else {
    // Scales and tolerances (Singles) are stored as given, fractions included.
    dimstyle_prop_set_(copy, n, nval_.is_text() ? value_::of(edit_trim_(nval_.text)) : nval_);
  }
  switch (o.type) {
    case ot_dimension_:
      t.dimensions[ix].style = copy;
      dim_build_linear_(t.dimensions[ix], "");
      break;
    case ot_angular_dim_:
      t.angular_dims[ix].style = copy;
      dim_build_angular_(t.angular_dims[ix], "");
      break;
    default: {
      reference_rec_& r = t.references[ix];
      r.style = copy;
      ref_build_(r, r.parts[0].text);
    }
  }
}
