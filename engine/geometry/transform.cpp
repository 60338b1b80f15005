// Copy, move and rotate of one record or of the selection of the active page.
#include <cmath>

#include "engine/geometry/edit_util.h"
#include "engine/geometry/rotation.h"

namespace {

// Stores v only when it is a usable 32-bit float, so an overflow never corrupts a point.
inline void store_f(float& dst, double v) {
  if (fits_f32_(v)) dst = f32_(v);
}

}  // namespace

int32_t zaz_class_::transform_copy_(int32_t record_) {
  int32_t copies = 0;
  auto copy_one = [&](int32_t src) -> bool {
    object_rec_& so = store.live.objects[src];
    so.selected = false_;
    const int32_t type = so.type, index = so.index;
    int32_t entry = 0;
    if (type >= 1 && type <= object_kinds_) {
      if (store.counts[type] == INT32_MAX) return false;
      entry = store.counts[type] + 1;
      if (!table_reserve_(type, entry)) return false;
      const bool ok = store.live.visit(type, [&](auto& table) {
        if (index < 1 || static_cast<size_t>(index) >= table.size()) return false;
        table[static_cast<size_t>(entry)] = table[static_cast<size_t>(index)];  // deep copy
        return true;
      });
      if (!ok) return false;
    }
    if (store.counts[0] == INT32_MAX) return false;
    const int32_t y = store.counts[0] + 1;
    if (!table_reserve_(0, y)) return false;
    object_rec_& c = store.live.objects[y];
    c = store.live.objects[src];  // re-read: growing the table may have moved the source
    c.type = type;
    c.index = entry;
    c.selected = true_;
    c.deleted = false_;
    if (entry > 0) store.counts[type] = entry;
    store.counts[0] = y;
    ++copies;
    return true;
  };
  if (record_ > 0) {
    if (!edit_::valid_record_(*this, record_)) return 0;
    return copy_one(record_) ? store.counts[0] : 0;
  }
  const int32_t n = store.counts[0];
  for (int32_t r = 1; r <= n && static_cast<size_t>(r) < store.live.objects.size(); ++r) {
    object_rec_& o = store.live.objects[r];
    if (o.page != pages.active || o.selected != true_) continue;
    if (o.deleted != false_) {
      // A deleted object must not come back through a copy of a stale selection.
      o.selected = false_;
      continue;
    }
    if (!copy_one(r)) break;
  }
  return copies;
}

void zaz_class_::transform_move_(float mx_, float my_, int32_t record_) {
  auto shift = [&](float& x, float& y) {
    store_f(x, static_cast<double>(x) + mx_);
    store_f(y, static_cast<double>(y) + my_);
  };
  if (record_ <= 0) edit_::map_tracking_points_(*this, shift);
  edit_::for_each_target_(*this, record_, [&](int32_t r) {
    if (edit_::for_each_position_(*this, store.live.objects[r], shift)) edit_::refresh_box_(*this, r);
  });
}

void zaz_class_::transform_rotate_(float rot_, float ox_, float oy_, int32_t record_) {
  const double a = static_cast<double>(rot_) * edit_::pi_f / 180.0;
  // One sine and cosine for every point, rounded exactly as a single-point rotation rounds them.
  const float w = f32_(-static_cast<double>(f32_(static_cast<double>(rot_) / (180.0 / edit_::pi_f))));
  const float s = f32_(std::sin(static_cast<double>(w)));
  const float c = f32_(std::cos(static_cast<double>(w)));
  const bool turns = std::isfinite(s) && std::isfinite(c);
  auto turn = [&](float& x, float& y) {
    if (!turns) return;
    geometry.rot_sin_ = s;
    geometry.rot_cos_ = c;
    rotate_about_by_sc_(x, y, ox_, oy_, s, c, x, y);
  };
  auto add_rad = [&](float& v) { store_f(v, v + a); };
  auto add_deg = [&](float& v) { store_f(v, static_cast<double>(v) + rot_); };
  if (record_ <= 0) edit_::map_tracking_points_(*this, turn);
  auto& t = store.live;
  auto turn_points = [&](float* xs, float* ys, size_t n) {
    if (!turns || n == 0) return;
    geometry.rot_sin_ = s;
    geometry.rot_cos_ = c;
    rotate_about_by_sc_n_(xs, ys, n, ox_, oy_, s, c);
  };
  edit_::map_target_lines_(*this, record_, turn_points, [&](int32_t r) {
    object_rec_& o = t.objects[r];
    if (o.type == ot_block_group_) {
      // A frame stays axis-parallel: it becomes the box around its turned corners, so it
      // still holds what it held.
      if (auto* g = edit_::entry_(t.block_groups, o.index)) {
        edit_::map_frame_(*g, turn);
        calc_orect_(r);
      }
      return;
    }
    if (!edit_::for_each_position_(*this, o, turn)) return;
    switch (o.type) {
      case ot_arc_: add_deg(t.arcs[o.index].rotation); break;
      case ot_circle_: add_deg(t.circles[o.index].rotation); break;
      case ot_ellipse_: add_deg(t.ellipses[o.index].rotation); break;
      case ot_hatch_: {
        hatch_rec_& h = t.hatches[o.index];
        const int32_t lines = std::min<int64_t>(std::max(h.line_count, 0), static_cast<int64_t>(h.lines.size()) - 1);
        for (int32_t i = 1; i <= lines; ++i) {
          hatch_segment_rec_& s = h.lines[i];
          calc_rotate_00_deg_(rot_, s.x1, s.y1, s.x1, s.y1);
          calc_rotate_00_deg_(rot_, s.x2, s.y2, s.x2, s.y2);
        }
        add_rad(h.rotation);
        break;
      }
      case ot_text_: add_rad(t.texts[o.index].rotation); break;
      case ot_dimension_: add_rad(t.dimensions[o.index].text_angle); break;
      case ot_angular_dim_:
        add_deg(t.angular_dims[o.index].rotation);
        add_rad(t.angular_dims[o.index].text_angle);
        break;
      case ot_reference_: add_rad(t.references[o.index].text_angle); break;
      case ot_block_insert_: add_rad(t.block_inserts[o.index].rotation); break;
      default: break;
    }
    edit_::refresh_box_(*this, r, o);
  });
}
