#include "engine/file/record_compare.h"

#include <cstdlib>

#include "engine/file/dimstyle_io.h"
#include "engine/model/store_state.h"

bool point_lists_differ_(const std::vector<float>& ax, const std::vector<float>& ay,
                         const std::vector<float>& bx, const std::vector<float>& by, int64_t n) {
  for (int64_t i = 1; i <= n; ++i) {
    size_t k = size_t(i);
    if (k >= ax.size() || k >= ay.size() || k >= bx.size() || k >= by.size()) return true;
    if (ax[k] != bx[k] || ay[k] != by[k]) return true;
  }
  return false;
}

bool text_parts_differ_(const dim_text_part_rec_& a, const dim_text_part_rec_& b) {
  return a.visible != b.visible || a.text != b.text || a.height != b.height || a.x != b.x || a.y != b.y;
}

namespace {

template <class Rec>
bool tails_differ(const Rec& a, const Rec& b) {
  if (a.style_id != b.style_id || dimstyle_differs_(a.style, b.style)) return true;
  for (size_t i = 0; i < a.parts.size(); ++i)
    if (text_parts_differ_(a.parts[i], b.parts[i])) return true;
  for (size_t i = 0; i < a.text_box.size(); ++i)
    if (a.text_box[i].x != b.text_box[i].x || a.text_box[i].y != b.text_box[i].y) return true;
  return a.text_height != b.text_height || a.text_angle != b.text_angle;
}

}  // namespace

bool dimensions_differ_(const dimension_rec_& a, const dimension_rec_& b) {
  return a.kind != b.kind || a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 || a.y2 != b.y2 || a.x3 != b.x3 ||
         a.y3 != b.y3 || a.x4 != b.x4 || a.y4 != b.y4 || a.length != b.length ||
         a.arrows_outside != b.arrows_outside || tails_differ(a, b);
}

bool angular_dims_differ_(const angular_dim_rec_& a, const angular_dim_rec_& b) {
  return a.cx != b.cx || a.cy != b.cy || a.rx != b.rx || a.ry != b.ry || a.rotation != b.rotation ||
         a.a1 != b.a1 || a.a2 != b.a2 || a.arrows_outside != b.arrows_outside || tails_differ(a, b);
}

bool references_differ_(const reference_rec_& a, const reference_rec_& b) {
  return a.count != b.count || point_lists_differ_(a.x, a.y, b.x, b.y, a.count) || tails_differ(a, b);
}

namespace {

template <class Rec>
const Rec* entry_at(const chunk_table_<Rec>& t, int32_t i) {
  return i >= 1 && size_t(i) < t.size() ? &t[size_t(i)] : nullptr;
}

bool polys_differ(const polyline_rec_& a, const polyline_rec_& b, bool curve) {
  if (a.count != b.count) return true;
  int64_t n = curve ? std::llabs(int64_t(a.count)) : int64_t(a.count);
  return point_lists_differ_(a.x, a.y, b.x, b.y, n);
}

bool entries_differ(const point_rec_& a, const point_rec_& b) {
  return a.x != b.x || a.y != b.y || a.p_type != b.p_type || a.p_size != b.p_size;
}
bool entries_differ(const line_rec_& a, const line_rec_& b) {
  return a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 || a.y2 != b.y2;
}
bool entries_differ(const arc_rec_& a, const arc_rec_& b) {
  return a.cx != b.cx || a.cy != b.cy || a.rx != b.rx || a.ry != b.ry || a.rotation != b.rotation ||
         a.a1 != b.a1 || a.a2 != b.a2 || a.flag != b.flag;
}
// Pattern, scale and rotation count: a hatch that only changed its pattern must still be
// recorded by undo and must not match a differently patterned hatch of another block.
bool entries_differ(const hatch_rec_& a, const hatch_rec_& b) {
  return a.count != b.count || point_lists_differ_(a.x, a.y, b.x, b.y, a.count) || a.pattern != b.pattern ||
         a.scale != b.scale || a.rotation != b.rotation;
}
bool entries_differ(const text_rec_& a, const text_rec_& b) {
  return a.x != b.x || a.y != b.y || a.height != b.height || a.width_factor != b.width_factor ||
         a.rotation != b.rotation || a.text != b.text || a.font != b.font || a.value1 != b.value1 ||
         a.value2 != b.value2;
}
bool entries_differ(const image_rec_& a, const image_rec_& b) {
  return a.p0x != b.p0x || a.p0y != b.p0y || a.p1x != b.p1x || a.p1y != b.p1y || a.p2x != b.p2x ||
         a.p2y != b.p2y || a.value1 != b.value1 || a.path != b.path || a.value2 != b.value2;
}
bool entries_differ(const block_insert_rec_& a, const block_insert_rec_& b) {
  return a.x != b.x || a.y != b.y || a.sx != b.sx || a.sy != b.sy || a.rotation != b.rotation || a.block != b.block;
}
// The title counts too, so that renaming a group frame is an undoable change.
bool entries_differ(const block_group_rec_& a, const block_group_rec_& b) {
  return a.title != b.title || a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 || a.y2 != b.y2;
}
bool entries_differ(const dimension_rec_& a, const dimension_rec_& b) { return dimensions_differ_(a, b); }
bool entries_differ(const angular_dim_rec_& a, const angular_dim_rec_& b) { return angular_dims_differ_(a, b); }
bool entries_differ(const reference_rec_& a, const reference_rec_& b) { return references_differ_(a, b); }

template <class Rec>
bool table_entries_differ(const chunk_table_<Rec>& ta, int32_t ia, const chunk_table_<Rec>& tb, int32_t ib) {
  const Rec* a = entry_at(ta, ia);
  const Rec* b = entry_at(tb, ib);
  return !a || !b || entries_differ(*a, *b);
}

}  // namespace

bool type_entries_differ_(int32_t type, const object_tables_& a, int32_t ia, const object_tables_& b, int32_t ib) {
  switch (type) {
    case ot_point_: return table_entries_differ(a.points, ia, b.points, ib);
    case ot_line_: return table_entries_differ(a.lines, ia, b.lines, ib);
    case ot_curve_: case ot_polyline_: case ot_polygon_: {
      const auto& ta = type == ot_curve_ ? a.curves : type == ot_polyline_ ? a.polylines : a.polygons;
      const auto& tb = type == ot_curve_ ? b.curves : type == ot_polyline_ ? b.polylines : b.polygons;
      const polyline_rec_* pa = entry_at(ta, ia);
      const polyline_rec_* pb = entry_at(tb, ib);
      return !pa || !pb || polys_differ(*pa, *pb, type == ot_curve_);
    }
    case ot_arc_: return table_entries_differ(a.arcs, ia, b.arcs, ib);
    case ot_circle_: return table_entries_differ(a.circles, ia, b.circles, ib);
    case ot_ellipse_: return table_entries_differ(a.ellipses, ia, b.ellipses, ib);
    case ot_hatch_: return table_entries_differ(a.hatches, ia, b.hatches, ib);
    case ot_text_: return table_entries_differ(a.texts, ia, b.texts, ib);
    case ot_image_: return table_entries_differ(a.images, ia, b.images, ib);
    case ot_dimension_: return table_entries_differ(a.dimensions, ia, b.dimensions, ib);
    case ot_angular_dim_: return table_entries_differ(a.angular_dims, ia, b.angular_dims, ib);
    case ot_reference_: return table_entries_differ(a.references, ia, b.references, ib);
    case ot_block_insert_: return table_entries_differ(a.block_inserts, ia, b.block_inserts, ib);
    case ot_block_group_: return table_entries_differ(a.block_groups, ia, b.block_groups, ib);
    default: return false;
  }
}
