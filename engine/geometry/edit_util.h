// Small helpers shared by the editing operations: bounds-checked access to an object's
// per-kind entry, the box-merging rule, and a walk over every stored position of an object.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/zaz_class.h"

namespace edit_ {

inline constexpr float pi_f = 3.1415927f;
inline constexpr float two_pi_f = 6.2831855f;

// Growing box: the first point sets it, later points widen it.
struct box_ {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool any = false;
  void add(float x, float y) {
    if (!any) {
      x1 = x2 = x;
      y1 = y2 = y;
      any = true;
      return;
    }
    if (x < x1) x1 = x;
    if (y < y1) y1 = y;
    if (x > x2) x2 = x;
    if (y > y2) y2 = y;
  }
  void add_box(float bx1, float by1, float bx2, float by2) {
    add(bx1, by1);
    add(bx2, by2);
  }
};

// The per-kind entry of a main record, or nullptr when its index is outside the table.
template <class T>
T* entry_(chunk_table_<T>& table, int32_t index) {
  if (index < 1 || static_cast<size_t>(index) >= table.size()) return nullptr;
  return &table[static_cast<size_t>(index)];
}

// Number of usable points 1..n of a point list whose count may be negative (closed curves)
// or may promise more than the arrays hold.
inline int32_t list_count_(int32_t count, const std::vector<float>& x, const std::vector<float>& y) {
  const int64_t n = std::llabs(static_cast<int64_t>(count));
  const int64_t cap = static_cast<int64_t>(std::min(x.size(), y.size())) - 1;
  return static_cast<int32_t>(std::max<int64_t>(0, std::min(n, cap)));
}

inline int32_t tile_count_(const hatch_rec_& h) {
  return static_cast<int32_t>(std::max<int64_t>(
      0, static_cast<int64_t>(std::min(h.tile_x.size(), h.tile_y.size())) - 1));
}

inline bool valid_record_(const zaz_class_& e, int32_t r) {
  return r >= 1 && r <= e.store.counts[0] && static_cast<size_t>(r) < e.store.live.objects.size();
}

// The curve record behind an arc, circle or ellipse object; nullptr for any other number.
inline const arc_rec_* conic_of_(const zaz_class_& e, int32_t record) {
  if (!valid_record_(e, record)) return nullptr;
  const object_rec_& o = e.store.live.objects[static_cast<size_t>(record)];
  const chunk_table_<arc_rec_>* table = nullptr;
  switch (o.type) {
    case ot_arc_: table = &e.store.live.arcs; break;
    case ot_circle_: table = &e.store.live.circles; break;
    case ot_ellipse_: table = &e.store.live.ellipses; break;
    default: return nullptr;
  }
  if (o.index < 1 || static_cast<size_t>(o.index) >= table->size()) return nullptr;
  return &(*table)[static_cast<size_t>(o.index)];
}

// The box of a line: the same merge calc_orect_ makes, inline, since transforms of many
// lines spend much of their time there.
inline bool line_box_(const line_rec_& l, object_rec_& o) {
  box_ b;
  b.add(l.x1, l.y1);
  b.add(l.x2, l.y2);
  o.x1 = b.x1, o.y1 = b.y1, o.x2 = b.x2, o.y2 = b.y2;
  return true;
}

// Calls f(x, y) with references to every stored position of the object (points, centres,
// corners, text-part positions, layout points, hatch tile origins, frame corners) but not
// to vectors relative to an origin of their own (hatch pattern lines). Returns false when
// the record's entry does not exist.
template <class F>
bool for_each_position_(zaz_class_& e, const object_rec_& o, F&& f) {
  auto& t = e.store.live;
  auto list = [&](auto* r) {
    const int32_t n = list_count_(r->count, r->x, r->y);
    for (int32_t i = 1; i <= n; ++i) f(r->x[i], r->y[i]);
  };
  auto layout = [&](auto* r) {
    for (auto& p : r->parts) f(p.x, p.y);
    for (auto& c : r->text_box) f(c.x, c.y);
  };
  switch (o.type) {
    case ot_point_: if (auto* r = entry_(t.points, o.index)) { f(r->x, r->y); return true; } break;
    case ot_line_: if (auto* r = entry_(t.lines, o.index)) { f(r->x1, r->y1); f(r->x2, r->y2); return true; } break;
    case ot_curve_: if (auto* r = entry_(t.curves, o.index)) { list(r); return true; } break;
    case ot_polyline_: if (auto* r = entry_(t.polylines, o.index)) { list(r); return true; } break;
    case ot_polygon_: if (auto* r = entry_(t.polygons, o.index)) { list(r); return true; } break;
    case ot_arc_: if (auto* r = entry_(t.arcs, o.index)) { f(r->cx, r->cy); return true; } break;
    case ot_circle_: if (auto* r = entry_(t.circles, o.index)) { f(r->cx, r->cy); return true; } break;
    case ot_ellipse_: if (auto* r = entry_(t.ellipses, o.index)) { f(r->cx, r->cy); return true; } break;
    case ot_hatch_:
      if (auto* r = entry_(t.hatches, o.index)) {
        list(r);
        const int32_t k = tile_count_(*r);
        for (int32_t i = 1; i <= k; ++i) f(r->tile_x[i], r->tile_y[i]);
        return true;
      }
      break;
    case ot_text_: if (auto* r = entry_(t.texts, o.index)) { f(r->x, r->y); return true; } break;
    case ot_image_:
      if (auto* r = entry_(t.images, o.index)) { f(r->p0x, r->p0y); f(r->p1x, r->p1y); f(r->p2x, r->p2y); return true; }
      break;
    case ot_dimension_:
      if (auto* r = entry_(t.dimensions, o.index)) {
        f(r->x1, r->y1); f(r->x2, r->y2); f(r->x3, r->y3); f(r->x4, r->y4);
        layout(r);
        return true;
      }
      break;
    case ot_angular_dim_:
      if (auto* r = entry_(t.angular_dims, o.index)) { f(r->cx, r->cy); layout(r); return true; }
      break;
    case ot_reference_: if (auto* r = entry_(t.references, o.index)) { list(r); layout(r); return true; } break;
    case ot_block_insert_: if (auto* r = entry_(t.block_inserts, o.index)) { f(r->x, r->y); return true; } break;
    case ot_block_group_:
      if (auto* r = entry_(t.block_groups, o.index)) { f(r->x1, r->y1); f(r->x2, r->y2); return true; }
      break;
    default: break;
  }
  return false;
}

// Visits the records a transformation treats: `record` alone when above 0, else the
// selected records of the active page in ascending order (count taken at the start).
template <class F>
void for_each_target_(zaz_class_& e, int32_t record, F&& f) {
  if (record > 0) {
    if (valid_record_(e, record)) f(record);
    return;
  }
  const int32_t n = std::min<int64_t>(e.store.counts[0], static_cast<int64_t>(e.store.live.objects.size()) - 1);
  const int32_t page = e.pages.active;
  // Read through the const side: looking at a record must not copy a chunk it shares.
  const auto& objects = std::as_const(e.store.live.objects);
  for (int32_t r = 1; r <= n; ++r) {
    const object_rec_& o = objects[r];
    if (o.page == page && o.selected == true_) f(r);
  }
}

// Maps the selection like for_each_target_ with a point mapping, but the lines whose entries
// exist go in batches: map_points(xs, ys, n) moves n points held apart (x in xs, y in ys) in
// place, then each line gets its box. Every other record goes to other(r), in record order;
// a batch is finished before it, and before a line entry that could repeat one in the batch,
// so the results are those of mapping record by record. The walk goes chunk by chunk and
// makes a chunk writable only once it holds a target. Returns the number of lines mapped.
template <class MapPoints, class Other>
size_t map_target_lines_(zaz_class_& e, int32_t record, MapPoints&& map_points, Other&& other) {
  if (record > 0) {
    if (valid_record_(e, record)) other(record);
    return 0;
  }
  auto& objects = e.store.live.objects;
  auto& lines = e.store.live.lines;
  using objects_t = std::remove_reference_t<decltype(objects)>;
  using lines_t = std::remove_reference_t<decltype(lines)>;
  constexpr size_t ob = objects_t::chunk_bits, lb = lines_t::chunk_bits;
  constexpr size_t batch = 256;
  object_rec_* os[batch];
  line_rec_* ls[batch];
  float xs[2 * batch], ys[2 * batch];
  size_t m = 0, done = 0, last = 0;  // lines in the batch, lines mapped, last entry number
  auto flush = [&] {
    for (size_t i = 0; i < m; ++i) {
      xs[2 * i] = ls[i]->x1, ys[2 * i] = ls[i]->y1;
      xs[2 * i + 1] = ls[i]->x2, ys[2 * i + 1] = ls[i]->y2;
    }
    map_points(xs, ys, 2 * m);
    for (size_t i = 0; i < m; ++i) {
      ls[i]->x1 = xs[2 * i], ls[i]->y1 = ys[2 * i];
      ls[i]->x2 = xs[2 * i + 1], ls[i]->y2 = ys[2 * i + 1];
      line_box_(*ls[i], *os[i]);
    }
    done += m;
    m = 0;
  };
  const size_t n = static_cast<size_t>(std::max<int64_t>(
      0, std::min<int64_t>(e.store.counts[0], static_cast<int64_t>(objects.size()) - 1)));
  const int32_t page = e.pages.active;
  if (n == 0) return 0;
  for (size_t k = 0; k <= (n >> ob) && k < objects.chunk_count(); ++k) {
    const size_t first = std::max<size_t>(1, k << ob), end = std::min(n, ((k + 1) << ob) - 1);
    if (first > end) continue;
    object_rec_* row = nullptr;  // chunk k, writable once it holds a target
    line_rec_* lrow = nullptr;   // the line chunk last reached, and its number
    size_t lk = 0;
    const object_rec_* items = std::as_const(objects).chunk_items(k);
    for (size_t r = first; r <= end; ++r) {
      const object_rec_& seen = items[r & (objects_t::chunk_size - 1)];
      if (seen.page != page || seen.selected != true_) continue;
      const size_t li = static_cast<size_t>(seen.index);
      if (seen.type == ot_line_ && seen.index >= 1 && li < lines.size()) {
        if (!row) row = objects.chunk_items(k);
        if (!lrow || (li >> lb) != lk) lk = li >> lb, lrow = lines.chunk_items(lk);
        if (m == batch || (m > 0 && li <= last)) flush();
        os[m] = &row[r & (objects_t::chunk_size - 1)];
        ls[m++] = &lrow[li & (lines_t::chunk_size - 1)];
        __builtin_prefetch(ls[m - 1], 1);  // read when the batch is full: ask for it now
        last = li;
        continue;
      }
      flush();
      other(static_cast<int32_t>(r));
      // other(r) may have written through the tables itself
      items = std::as_const(objects).chunk_items(k), row = nullptr, lrow = nullptr;
    }
  }
  flush();
  return done;
}

// Applies f(x, y) to the tracking points of the active page whose record is selected there.
template <class F>
void map_tracking_points_(zaz_class_& e, F&& f) {
  view_rec_& v = e.active_view_();
  const int32_t n = std::clamp(v.hot_count, 0, hot_points_max_);
  for (int32_t i = 1; i <= n; ++i) {
    hot_point_rec_& h = v.hot_points[i];
    if (!valid_record_(e, h.record)) continue;
    const object_rec_& o = e.store.live.objects[h.record];
    if (o.selected == true_ && o.page == e.pages.active) f(h.x, h.y);
  }
}

// A group frame stays axis-parallel: it becomes the box around its four corners as map moves them.
template <class Map>
void map_frame_(block_group_rec_& g, Map&& map) {
  box_ b;
  const float cx[4] = {g.x1, g.x2, g.x2, g.x1}, cy[4] = {g.y1, g.y1, g.y2, g.y2};
  for (int k = 0; k < 4; ++k) {
    float x = cx[k], y = cy[k];
    map(x, y);
    b.add(x, y);
  }
  g.x1 = b.x1, g.y1 = b.y1, g.x2 = b.x2, g.y2 = b.y2;
}

// Recomputes record r's box: lines inline, every other kind through calc_orect_.
// `o` is record r, when the caller holds it already.
inline void refresh_box_(zaz_class_& e, int32_t r, object_rec_& o) {
  const auto& lines = std::as_const(e.store.live.lines);
  if (o.type == ot_line_ && o.index >= 1 && static_cast<size_t>(o.index) < lines.size()) {
    line_box_(lines[static_cast<size_t>(o.index)], o);
    return;
  }
  e.calc_orect_(r);
}
inline void refresh_box_(zaz_class_& e, int32_t r) { refresh_box_(e, r, e.store.live.objects[r]); }

}  // namespace edit_
