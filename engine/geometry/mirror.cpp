// Mirror of one record or of the selection about the line through two points.
#include "engine/geometry/edit_util.h"
#include "engine/geometry/rotation.h"

void zaz_class_::transform_mirror_(float mx1_, float my1_, float mx2_, float my2_,
                                   int32_t record_) {
  const double th_deg = calc_angle_(mx1_, my1_, mx2_, my2_, true_, 0);
  const double th = calc_angle_(mx1_, my1_, mx2_, my2_, false_, 0);
  const mirror_line_ line(mx1_, my1_, mx2_, my2_);
  auto mirror = [&](float& x, float& y) { line.apply(x, y, x, y); };
  // Pattern segments are vectors: they reflect about the same direction through (0, 0).
  const float dx = f32_(static_cast<double>(mx2_) - mx1_), dy = f32_(static_cast<double>(my2_) - my1_);
  const mirror_line_ vec_line(0, 0, dx, dy);
  auto mirror_vec = [&](float& x, float& y) { vec_line.apply(x, y, x, y); };
  auto set = [](float& v, double nv) {
    if (fits_f32_(nv)) v = f32_(nv);
  };
  // Arcs and angular dimensions: the sweep runs the other way round after a reflection.
  auto mirror_sweep = [&](float& rotation, float& a1, float& a2) {
    set(rotation, 2.0 * th_deg + 180.0 - rotation);
    set(a1, static_cast<double>(edit_::pi_f) - a1);
    set(a2, static_cast<double>(edit_::pi_f) - a2);
    if (a1 > a2) std::swap(a1, a2);
  };
  if (record_ <= 0) edit_::map_tracking_points_(*this, mirror);
  auto& t = store.live;
  auto mirror_points = [&](float* xs, float* ys, size_t n) { line.apply_n(xs, ys, n); };
  edit_::map_target_lines_(*this, record_, mirror_points, [&](int32_t r) {
    object_rec_& o = t.objects[r];
    if (o.type == ot_block_group_) {
      // Frames stay axis-parallel around their mirrored corners.
      if (auto* g = edit_::entry_(t.block_groups, o.index)) {
        edit_::map_frame_(*g, mirror);
        calc_orect_(r);
      }
      return;
    }
    if (!edit_::for_each_position_(*this, o, mirror)) return;
    switch (o.type) {
      case ot_arc_: {
        arc_rec_& a = t.arcs[o.index];
        mirror_sweep(a.rotation, a.a1, a.a2);
        break;
      }
      case ot_circle_: set(t.circles[o.index].rotation, 2.0 * th_deg + 180.0 - t.circles[o.index].rotation); break;
      case ot_ellipse_: set(t.ellipses[o.index].rotation, 2.0 * th_deg + 180.0 - t.ellipses[o.index].rotation); break;
      case ot_hatch_: {
        hatch_rec_& h = t.hatches[o.index];
        const int32_t lines = std::min<int64_t>(std::max(h.line_count, 0), static_cast<int64_t>(h.lines.size()) - 1);
        for (int32_t i = 1; i <= lines; ++i) {
          mirror_vec(h.lines[i].x1, h.lines[i].y1);
          mirror_vec(h.lines[i].x2, h.lines[i].y2);
        }
        set(h.rotation, 2.0 * th + edit_::pi_f - h.rotation);
        break;
      }
      case ot_text_: set(t.texts[o.index].rotation, 2.0 * th - t.texts[o.index].rotation); break;
      case ot_dimension_: set(t.dimensions[o.index].text_angle, 2.0 * th - t.dimensions[o.index].text_angle); break;
      case ot_angular_dim_: {
        angular_dim_rec_& a = t.angular_dims[o.index];
        mirror_sweep(a.rotation, a.a1, a.a2);
        set(a.text_angle, 2.0 * th - a.text_angle);
        break;
      }
      case ot_reference_: set(t.references[o.index].text_angle, 2.0 * th - t.references[o.index].text_angle); break;
      case ot_block_insert_: {
        block_insert_rec_& b = t.block_inserts[o.index];
        set(b.rotation, 2.0 * th - b.rotation);
        b.sy = -b.sy;
        break;
      }
      default: break;
    }
    edit_::refresh_box_(*this, r, o);
  });
}
