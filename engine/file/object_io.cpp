#include "engine/file/object_io.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "engine/file/codec.h"
#include "engine/file/dimstyle_io.h"

namespace {

template <class Rec>
const Rec& entry_or_default(const chunk_table_<Rec>& table, int32_t index) {
  static const Rec empty{};
  return index >= 0 && size_t(index) < table.size() ? table[size_t(index)] : empty;
}

// Points i = 1..n of x/y lists numbered from 1; a missing value writes as 0.
void put_points(byte_writer_& w, const std::vector<float>& x, const std::vector<float>& y, int64_t n) {
  for (int64_t i = 1; i <= n; ++i) {
    w.put<float>(size_t(i) < x.size() ? x[size_t(i)] : 0.0f);
    w.put<float>(size_t(i) < y.size() ? y[size_t(i)] : 0.0f);
  }
}

bool get_points(byte_reader_& r, std::vector<float>& x, std::vector<float>& y, int64_t n) {
  x.clear();
  y.clear();
  if (n < 1) return r.ok();
  if (!r.can_hold(uint64_t(n), 8)) {
    r.fail();
    return false;
  }
  x.assign(size_t(n) + 1, 0.0f);
  y.assign(size_t(n) + 1, 0.0f);
  for (int64_t i = 1; i <= n; ++i) {
    r.read(x[size_t(i)]);
    r.read(y[size_t(i)]);
  }
  return r.ok();
}

void put_text_part(byte_writer_& w, const dim_text_part_rec_& p) {
  w.put<int16_t>(p.visible);
  put_string_(w, p.text);
  w.put<float>(p.height);
  w.put<float>(p.x);
  w.put<float>(p.y);
}

void get_text_part(byte_reader_& r, dim_text_part_rec_& p) {
  r.read(p.visible);
  get_string_(r, p.text);
  r.read(p.height);
  r.read(p.x);
  r.read(p.y);
}

// Style copy, text parts and text box: the common tail of the dimension-like kinds.
template <class Rec>
void put_dim_tail(byte_writer_& w, const Rec& d) {
  write_dimstyle_record_(w, d.style);
  for (const auto& p : d.parts) put_text_part(w, p);
  for (const auto& c : d.text_box) {
    w.put<float>(c.x);
    w.put<float>(c.y);
  }
}

template <class Rec>
void get_dim_tail(byte_reader_& r, Rec& d) {
  read_dimstyle_record_(r, d.style);
  for (auto& p : d.parts) get_text_part(r, p);
  for (auto& c : d.text_box) {
    r.read(c.x);
    r.read(c.y);
  }
}

int32_t ubound(size_t size) { return size == 0 ? 0 : int32_t(size - 1); }

}  // namespace

void put_object_payload_(byte_writer_& w, const object_tables_& t, int32_t type, int32_t index) {
  switch (type) {
    case ot_point_: {
      const auto& p = entry_or_default(t.points, index);
      w.put<float>(p.x);
      w.put<float>(p.y);
      w.put<uint8_t>(p.p_size);
      w.put<uint8_t>(p.p_type);
      break;
    }
    case ot_line_: {
      const auto& l = entry_or_default(t.lines, index);
      for (float v : {l.x1, l.y1, l.x2, l.y2}) w.put<float>(v);
      break;
    }
    case ot_curve_: case ot_polyline_: case ot_polygon_: {
      const auto& table = type == ot_curve_ ? t.curves : type == ot_polyline_ ? t.polylines : t.polygons;
      const auto& p = entry_or_default(table, index);
      int64_t n = type == ot_curve_ ? std::llabs(int64_t(p.count)) : std::max<int64_t>(p.count, 0);
      w.put<int32_t>(n == 0 ? 0 : p.count);
      put_points(w, p.x, p.y, n);
      break;
    }
    case ot_arc_: case ot_circle_: case ot_ellipse_: {
      const auto& table = type == ot_arc_ ? t.arcs : type == ot_circle_ ? t.circles : t.ellipses;
      const auto& a = entry_or_default(table, index);
      for (float v : {a.cx, a.cy, a.rx, a.ry, a.rotation, a.a1, a.a2}) w.put<float>(v);
      w.put<uint8_t>(a.flag);
      break;
    }
    case ot_hatch_: {
      const auto& h = entry_or_default(t.hatches, index);
      int32_t n = std::max(h.count, 0);
      w.put<int32_t>(n);
      put_points(w, h.x, h.y, n);
      w.put<int32_t>(h.pattern);
      w.put<float>(h.rotation);
      w.put<float>(h.scale);
      int32_t lines = std::min(std::max(h.line_count, 0), ubound(h.lines.size()));
      w.put<int32_t>(lines);
      for (int32_t i = 1; i <= lines; ++i) {
        const auto& s = h.lines[size_t(i)];
        for (float v : {s.x1, s.y1, s.x2, s.y2}) w.put<float>(v);
      }
      int32_t origins = std::min(ubound(h.tile_x.size()), ubound(h.tile_y.size()));
      w.put<int32_t>(origins);
      put_points(w, h.tile_x, h.tile_y, origins);
      break;
    }
    case ot_text_: {
      const auto& x = entry_or_default(t.texts, index);
      for (float v : {x.x, x.y, x.height, x.width_factor, x.rotation, x.value1, x.value2}) w.put<float>(v);
      w.put<int32_t>(x.font);
      put_string_(w, x.text);
      break;
    }
    case ot_image_: {
      const auto& m = entry_or_default(t.images, index);
      for (float v : {m.p0x, m.p0y, m.p1x, m.p1y, m.p2x, m.p2y}) w.put<float>(v);
      put_string_(w, m.path);
      w.put<int32_t>(m.value2);
      break;
    }
    case ot_dimension_: {
      const auto& d = entry_or_default(t.dimensions, index);
      w.put<int32_t>(d.kind);
      for (float v : {d.x1, d.y1, d.x2, d.y2, d.x3, d.y3, d.x4, d.y4, d.length}) w.put<float>(v);
      w.put<int32_t>(d.style_id);
      put_dim_tail(w, d);
      w.put<int16_t>(d.arrows_outside);
      w.put<float>(d.text_height);
      w.put<float>(d.text_angle);
      break;
    }
    case ot_angular_dim_: {
      const auto& d = entry_or_default(t.angular_dims, index);
      for (float v : {d.a1, d.a2, d.rotation, d.rx, d.ry, d.cx, d.cy}) w.put<float>(v);
      w.put<int32_t>(d.style_id);
      put_dim_tail(w, d);
      w.put<int16_t>(d.arrows_outside);
      w.put<float>(d.text_height);
      w.put<float>(d.text_angle);
      break;
    }
    case ot_reference_: {
      const auto& d = entry_or_default(t.references, index);
      int32_t n = std::max(d.count, 0);
      w.put<int32_t>(d.count);
      put_points(w, d.x, d.y, n);
      w.put<int32_t>(d.style_id);
      put_dim_tail(w, d);
      w.put<float>(d.text_height);
      w.put<float>(d.text_angle);
      break;
    }
    case ot_block_insert_: {
      const auto& b = entry_or_default(t.block_inserts, index);
      for (float v : {b.x, b.y, b.sx, b.sy, b.rotation}) w.put<float>(v);
      w.put<int32_t>(b.block);
      break;
    }
    case ot_block_group_: {
      const auto& g = entry_or_default(t.block_groups, index);
      put_string_(w, g.title);
      for (float v : {g.x1, g.y1, g.x2, g.y2}) w.put<float>(v);
      break;
    }
    default: break;
  }
}

bool get_object_payload_(byte_reader_& r, object_tables_& t, int32_t type, int32_t index) {
  if (index < 1) return false;
  size_t i = size_t(index);
  switch (type) {
    case ot_point_: {
      auto& p = t.points[i];
      p = point_rec_{};
      r.read(p.x);
      r.read(p.y);
      r.read(p.p_size);
      r.read(p.p_type);
      break;
    }
    case ot_line_: {
      auto& l = t.lines[i];
      for (float* v : {&l.x1, &l.y1, &l.x2, &l.y2}) r.read(*v);
      break;
    }
    case ot_curve_: case ot_polyline_: case ot_polygon_: {
      auto& table = type == ot_curve_ ? t.curves : type == ot_polyline_ ? t.polylines : t.polygons;
      auto& p = table[i];
      int32_t count = 0;
      r.read(count);
      int64_t n = type == ot_curve_ ? std::llabs(int64_t(count)) : int64_t(count);
      if (n < 1 || (type == ot_curve_ && n > INT32_MAX)) {
        p.count = 0;
        p.x.clear();
        p.y.clear();
      } else {
        p.count = count;
        get_points(r, p.x, p.y, n);
      }
      break;
    }
    case ot_arc_: case ot_circle_: case ot_ellipse_: {
      auto& table = type == ot_arc_ ? t.arcs : type == ot_circle_ ? t.circles : t.ellipses;
      auto& a = table[i];
      for (float* v : {&a.cx, &a.cy, &a.rx, &a.ry, &a.rotation, &a.a1, &a.a2}) r.read(*v);
      r.read(a.flag);
      break;
    }
    case ot_hatch_: {
      auto& h = t.hatches[i];
      h = hatch_rec_{};
      int32_t n = 0;
      r.read(n);
      h.count = std::max(n, 0);
      get_points(r, h.x, h.y, h.count);
      r.read(h.pattern);
      r.read(h.rotation);
      r.read(h.scale);
      int32_t lines = 0;
      r.read(lines);
      if (lines >= 1) {
        if (!r.can_hold(uint64_t(lines), 16)) {
          r.fail();
          break;
        }
        h.line_count = lines;
        h.lines.assign(size_t(lines) + 1, hatch_segment_rec_{});
        for (int32_t k = 1; k <= lines; ++k) {
          auto& s = h.lines[size_t(k)];
          for (float* v : {&s.x1, &s.y1, &s.x2, &s.y2}) r.read(*v);
        }
      }
      int32_t origins = 0;
      r.read(origins);
      get_points(r, h.tile_x, h.tile_y, origins);
      break;
    }
    case ot_text_: {
      auto& x = t.texts[i];
      for (float* v : {&x.x, &x.y, &x.height, &x.width_factor, &x.rotation, &x.value1, &x.value2}) r.read(*v);
      r.read(x.font);
      get_string_(r, x.text);
      break;
    }
    case ot_image_: {
      auto& m = t.images[i];
      m = image_rec_{};
      for (float* v : {&m.p0x, &m.p0y, &m.p1x, &m.p1y, &m.p2x, &m.p2y}) r.read(*v);
      get_string_(r, m.path);
      r.read(m.value2);
      break;
    }
    case ot_dimension_: {
      auto& d = t.dimensions[i];
      r.read(d.kind);
      for (float* v : {&d.x1, &d.y1, &d.x2, &d.y2, &d.x3, &d.y3, &d.x4, &d.y4, &d.length}) r.read(*v);
      r.read(d.style_id);
      get_dim_tail(r, d);
      r.read(d.arrows_outside);
      r.read(d.text_height);
      r.read(d.text_angle);
      break;
    }
    case ot_angular_dim_: {
      auto& d = t.angular_dims[i];
      for (float* v : {&d.a1, &d.a2, &d.rotation, &d.rx, &d.ry, &d.cx, &d.cy}) r.read(*v);
      r.read(d.style_id);
      get_dim_tail(r, d);
      r.read(d.arrows_outside);
      r.read(d.text_height);
      r.read(d.text_angle);
      break;
    }
    case ot_reference_: {
      auto& d = t.references[i];
      int32_t n = 0;
      r.read(n);
      d.count = n;
      if (n > 0) get_points(r, d.x, d.y, n);
      else {
        d.x.clear();
        d.y.clear();
      }
      r.read(d.style_id);
      get_dim_tail(r, d);
      r.read(d.text_height);
      r.read(d.text_angle);
      break;
    }
    case ot_block_insert_: {
      auto& b = t.block_inserts[i];
      for (float* v : {&b.x, &b.y, &b.sx, &b.sy, &b.rotation}) r.read(*v);
      r.read(b.block);
      break;
    }
    case ot_block_group_: {
      auto& g = t.block_groups[i];
      g = block_group_rec_{};
      get_string_(r, g.title);
      for (float* v : {&g.x1, &g.y1, &g.x2, &g.y2}) r.read(*v);
      break;
    }
    default: break;
  }
  return r.ok();
}
