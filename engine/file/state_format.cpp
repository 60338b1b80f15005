#include "engine/file/state_format.h"

#include <algorithm>
#include <cstdlib>

#include "engine/file/codec.h"
#include "engine/file/dimstyle_io.h"

namespace {

int32_t ubound(size_t size) { return size == 0 ? 0 : int32_t(size - 1); }

bool fits(byte_reader_& r, int64_t count, size_t item) {
  if (count < 0 || !r.can_hold(uint64_t(count), item)) {
    r.fail();
    return false;
  }
  return true;
}

// n X values, then n Y values, from lists numbered from 1 (missing values as 0).
void put_lists(byte_writer_& w, const std::vector<float>& x, const std::vector<float>& y, int64_t n) {
  for (const auto* list : {&x, &y})
    for (int64_t i = 1; i <= n; ++i) w.put<float>(size_t(i) < list->size() ? (*list)[size_t(i)] : 0.0f);
}

bool get_lists(byte_reader_& r, std::vector<float>& x, std::vector<float>& y, int64_t n) {
  x.clear();
  y.clear();
  if (n < 1) return r.ok();
  if (!fits(r, n, 8)) return false;
  for (auto* list : {&x, &y}) {
    list->assign(size_t(n) + 1, 0.0f);
    for (int64_t i = 1; i <= n; ++i) r.read((*list)[size_t(i)]);
  }
  return r.ok();
}

template <class Rec>
const Rec& at_or_default(const chunk_table_<Rec>& t, int32_t i) {
  static const Rec empty{};
  return i >= 0 && size_t(i) < t.size() ? t[size_t(i)] : empty;
}

void put_part(byte_writer_& w, const dim_text_part_rec_& p) {
  w.put<int16_t>(p.visible);
  put_string_(w, p.text);
  for (float v : {p.height, p.x, p.y}) w.put<float>(v);
}

void get_part(byte_reader_& r, dim_text_part_rec_& p) {
  r.read(p.visible);
  get_string_(r, p.text);
  for (float* v : {&p.height, &p.x, &p.y}) r.read(*v);
}

template <class Rec>
void put_tail(byte_writer_& w, const Rec& d) {
  put_dimstyle_state_(w, d.style);
  for (const auto& p : d.parts) put_part(w, p);
  for (const auto& c : d.text_box) {
    w.put<float>(c.x);
    w.put<float>(c.y);
  }
}

template <class Rec>
void get_tail(byte_reader_& r, Rec& d) {
  get_dimstyle_state_(r, d.style);
  for (auto& p : d.parts) get_part(r, p);
  for (auto& c : d.text_box) {
    r.read(c.x);
    r.read(c.y);
  }
}

void put_layer(byte_writer_& w, const layer_rec_& l) {
  put_string_(w, l.title);
  for (int32_t v : {l.draw_color, l.fill_color, l.line_style, l.line_width}) w.put<int32_t>(v);
  w.put<int16_t>(l.editable);
  w.put<int16_t>(l.visible);
  for (const std::string& s : l.reserved) put_string_(w, s);
}

void get_layer(byte_reader_& r, layer_rec_& l) {
  get_string_(r, l.title);
  for (int32_t* v : {&l.draw_color, &l.fill_color, &l.line_style, &l.line_width}) r.read(*v);
  r.read(l.editable);
  r.read(l.visible);
  for (std::string& s : l.reserved) get_string_(r, s);
}

constexpr size_t kMinLayer = 4 + 16 + 4 + 12;
constexpr size_t kMinPage = 4 + 16 + 16 + 4 + 4 + 4 + 4 + kMinLayer;
constexpr size_t kMinBlock = 4 + 16 + 2 + 4 + 4 + 4;

}  // namespace

void put_state_counts_(byte_writer_& w, const record_counts_rec_& counts) {
  for (int32_t c : counts) w.put<int32_t>(c);
}

bool get_state_counts_(byte_reader_& r, record_counts_rec_& counts) {
  for (int32_t& c : counts) r.read(c);
  return r.ok();
}

void put_state_selection_(byte_writer_& w, const std::vector<flag16_>& sel, int32_t c) {
  w.put<int16_t>(0);
  for (int32_t i = 1; i <= c; ++i) w.put<int16_t>(size_t(i) < sel.size() ? sel[size_t(i)] : false_);
}

bool get_state_selection_(byte_reader_& r, std::vector<flag16_>& sel, int32_t c) {
  int32_t n = std::max(c, 0);
  if (!fits(r, int64_t(n) + 1, 2)) return false;
  sel.assign(size_t(n) + 1, false_);
  for (flag16_& f : sel) r.read(f);
  sel[0] = false_;
  return r.ok();
}

void put_state_pages_(byte_writer_& w, int32_t active, const std::vector<page_rec_>& pages) {
  w.put<int32_t>(active);
  int32_t n = ubound(pages.size());
  w.put<int32_t>(n);
  for (int32_t i = 0; i <= n; ++i) {
    static const page_rec_ dummy{};
    const page_rec_& p = i == 0 ? dummy : pages[size_t(i)];
    put_string_(w, p.title);
    for (float v : {p.posx, p.posy, p.width, p.height}) w.put<float>(v);
    for (int32_t v : {p.cx, p.cy, p.unit, p.scale}) w.put<int32_t>(v);
    w.put<int16_t>(p.show_border);
    w.put<int16_t>(p.show_coords);
    w.put<int32_t>(p.active_layer);
    int32_t m = ubound(p.layers.size());
    w.put<int32_t>(m);
    static const layer_rec_ empty_layer{};
    for (int32_t k = 0; k <= m; ++k) put_layer(w, k == 0 ? empty_layer : p.layers[size_t(k)]);
  }
}

bool get_state_pages_(byte_reader_& r, int32_t& active, std::vector<page_rec_>& pages) {
  int32_t n = 0;
  r.read(active);
  r.read(n);
  if (!r.ok() || n < 0 || n > pages_max_ || !fits(r, int64_t(n) + 1, kMinPage)) return false;
  pages.assign(size_t(n) + 1, page_rec_{});
  for (page_rec_& p : pages) {
    get_string_(r, p.title);
    for (float* v : {&p.posx, &p.posy, &p.width, &p.height}) r.read(*v);
    for (int32_t* v : {&p.cx, &p.cy, &p.unit, &p.scale}) r.read(*v);
    r.read(p.show_border);
    r.read(p.show_coords);
    int32_t active_layer = 0, m = 0;
    r.read(active_layer);
    r.read(m);
    if (!r.ok() || m < 0 || !fits(r, int64_t(m) + 1, kMinLayer)) return false;
    p.active_layer = int16_t(std::clamp<int32_t>(active_layer, INT16_MIN, INT16_MAX));
    p.layers.assign(size_t(m) + 1, layer_rec_{});
    for (layer_rec_& l : p.layers) get_layer(r, l);
    if (m == 0) p.layers.clear();  // a page without layers has no table
  }
  if (n == 0) pages.clear();
  return r.ok();
}

void put_state_blocks_(byte_writer_& w, const std::vector<block_def_rec_>& blocks) {
  int32_t n = ubound(blocks.size());
  w.put<int32_t>(n);
  for (int32_t i = 1; i <= n; ++i) {
    const block_def_rec_& b = blocks[size_t(i)];
    w.put<int32_t>(b.value);
    for (float v : {b.x1, b.y1, b.x2, b.y2}) w.put<float>(v);
    w.put<int16_t>(b.hidden);
    w.put<int32_t>(b.folder);
    put_string_(w, b.name);
    int32_t k = b.member_count();
    w.put<int32_t>(k);
    for (int32_t j = 1; j <= k; ++j) w.put<int32_t>(b.members[size_t(j)]);
  }
}

bool get_state_blocks_(byte_reader_& r, std::vector<block_def_rec_>& blocks) {
  int32_t n = 0;
  r.read(n);
  if (!r.ok() || !fits(r, n, kMinBlock)) return false;
  blocks.assign(size_t(n) + 1, block_def_rec_{});
  for (int32_t i = 1; i <= n; ++i) {
    block_def_rec_& b = blocks[size_t(i)];
    r.read(b.value);
    for (float* v : {&b.x1, &b.y1, &b.x2, &b.y2}) r.read(*v);
    r.read(b.hidden);
    r.read(b.folder);
    get_string_(r, b.name);
    int32_t k = 0;
    r.read(k);
    if (!r.ok() || !fits(r, k, 4)) return false;
    b.members.assign(size_t(k) + 1, 0);
    for (int32_t j = 1; j <= k; ++j) r.read(b.members[size_t(j)]);
  }
  return r.ok();
}

int32_t state_record_length_(int32_t type) {
  switch (type) {
    case ot_point_: return 38;
    case ot_line_: return 16;
    case ot_curve_: case ot_polyline_: case ot_polygon_: return 12;
    case ot_arc_: case ot_circle_: case ot_ellipse_: return 29;
    case ot_hatch_: return 40;
    case ot_text_: case ot_image_: return 36;
    case ot_dimension_: return 369;
    case ot_angular_dim_: return 357;
    case ot_reference_: return 339;
    case ot_block_insert_: case ot_block_group_: return 24;
    default: return 0;
  }
}

void put_state_header_(byte_writer_& w, const object_rec_& o) {
  w.put<int32_t>(o.type);
  w.put<int16_t>(o.deleted);
  w.put<int32_t>(o.index);
  w.put<int32_t>(o.group);
  w.put<int16_t>(o.page);
  w.put<uint8_t>(o.layer);
  for (float v : {o.x1, o.y1, o.x2, o.y2}) w.put<float>(v);
  w.put<int32_t>(o.draw_color);
  w.put<int32_t>(o.fill_color);
  w.put<int16_t>(o.line_style);
  w.put<int16_t>(o.line_width);
}

bool get_state_header_(byte_reader_& r, object_rec_& o) {
  r.read(o.type);
  r.read(o.deleted);
  r.read(o.index);
  r.read(o.group);
  r.read(o.page);
  r.read(o.layer);
  for (float* v : {&o.x1, &o.y1, &o.x2, &o.y2}) r.read(*v);
  r.read(o.draw_color);
  r.read(o.fill_color);
  r.read(o.line_style);
  r.read(o.line_width);
  return r.ok();
}

void put_state_entry_(byte_writer_& w, const object_tables_& t, int32_t type, int32_t index) {
  switch (type) {
    case ot_point_: {
      const auto& p = at_or_default(t.points, index);
      w.put<float>(p.x);
      w.put<float>(p.y);
      for (int32_t v : p.values) w.put<int32_t>(v);
      w.put<uint8_t>(p.p_type);
      w.put<uint8_t>(p.p_size);
      break;
    }
    case ot_line_: {
      const auto& l = at_or_default(t.lines, index);
      for (float v : {l.x1, l.y1, l.x2, l.y2}) w.put<float>(v);
      break;
    }
    case ot_curve_: case ot_polyline_: case ot_polygon_: {
      const auto& table = type == ot_curve_ ? t.curves : type == ot_polyline_ ? t.polylines : t.polygons;
      const auto& p = at_or_default(table, index);
      int64_t n = type == ot_curve_ ? std::llabs(int64_t(p.count)) : int64_t(p.count);
      w.put<int32_t>(p.count);
      put_lists(w, p.x, p.y, n);
      break;
    }
    case ot_arc_: case ot_circle_: case ot_ellipse_: {
      const auto& table = type == ot_arc_ ? t.arcs : type == ot_circle_ ? t.circles : t.ellipses;
      const auto& a = at_or_default(table, index);
      for (float v : {a.cx, a.cy, a.rx, a.ry, a.rotation, a.a1, a.a2}) w.put<float>(v);
      w.put<uint8_t>(a.flag);
      break;
    }
    case ot_hatch_: {
      const auto& h = at_or_default(t.hatches, index);
      w.put<int32_t>(h.count);
      put_lists(w, h.x, h.y, h.count);
      w.put<int32_t>(h.pattern);
      w.put<float>(h.rotation);
      w.put<float>(h.scale);
      int32_t lines = std::clamp(h.line_count, 0, ubound(h.lines.size()));
      w.put<int32_t>(lines);
      for (int32_t k = 1; k <= lines; ++k) {
        const auto& s = h.lines[size_t(k)];
        for (float v : {s.x1, s.y1, s.x2, s.y2}) w.put<float>(v);
      }
      int32_t m = std::min(ubound(h.tile_x.size()), ubound(h.tile_y.size()));
      w.put<int32_t>(m);
      for (int32_t k = 1; k <= m; ++k) {
        w.put<float>(h.tile_x[size_t(k)]);
        w.put<float>(h.tile_y[size_t(k)]);
      }
      break;
    }
    case ot_text_: {
      const auto& x = at_or_default(t.texts, index);
      for (float v : {x.x, x.y, x.value1, x.value2, x.height, x.width_factor, x.rotation}) w.put<float>(v);
      w.put<int32_t>(x.font);
      put_string_(w, x.text);
      break;
    }
    case ot_image_: {
      const auto& m = at_or_default(t.images, index);
      for (float v : {m.p0x, m.p0y, m.p1x, m.p1y, m.p2x, m.p2y}) w.put<float>(v);
      put_string_(w, m.path);
      w.put<int32_t>(m.value2);
      break;
    }
    case ot_dimension_: {
      const auto& d = at_or_default(t.dimensions, index);
      w.put<int32_t>(d.kind);
      for (float v : {d.x1, d.y1, d.x2, d.y2, d.x3, d.y3, d.x4, d.y4, d.length}) w.put<float>(v);
      w.put<int32_t>(d.style_id);
      put_tail(w, d);
      w.put<int16_t>(d.arrows_outside);
      w.put<float>(d.text_height);
      w.put<float>(d.text_angle);
      break;
    }
    case ot_angular_dim_: {
      const auto& d = at_or_default(t.angular_dims, index);
      for (float v : {d.a1, d.a2, d.rx, d.ry, d.cx, d.cy, d.rotation}) w.put<float>(v);
      w.put<int32_t>(d.style_id);
      put_tail(w, d);
      w.put<int16_t>(d.arrows_outside);
      w.put<float>(d.text_height);
      w.put<float>(d.text_angle);
      break;
    }
    case ot_reference_: {
      const auto& d = at_or_default(t.references, index);
      w.put<int32_t>(d.count);
      put_lists(w, d.x, d.y, d.count);
      w.put<int32_t>(d.style_id);
      put_tail(w, d);
      w.put<float>(d.text_height);
      w.put<float>(d.text_angle);
      break;
    }
    case ot_block_insert_: {
      const auto& b = at_or_default(t.block_inserts, index);
      for (float v : {b.x, b.y, b.sx, b.sy, b.rotation}) w.put<float>(v);
      w.put<int32_t>(b.block);
      break;
    }
    case ot_block_group_: {
      const auto& g = at_or_default(t.block_groups, index);
      put_string2_(w, g.title);
      w.put<int32_t>(g.value);
      for (float v : {g.x1, g.y1, g.x2, g.y2}) w.put<float>(v);
      break;
    }
    default: break;
  }
}

bool get_state_entry_(byte_reader_& r, object_tables_& t, int32_t type, int32_t index) {
  if (index < 1) return false;
  size_t i = size_t(index);
  switch (type) {
    case ot_point_: {
      auto& p = t.points[i];
      r.read(p.x);
      r.read(p.y);
      for (int32_t& v : p.values) r.read(v);
      r.read(p.p_type);
      r.read(p.p_size);
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
      r.read(p.count);
      get_lists(r, p.x, p.y, type == ot_curve_ ? std::llabs(int64_t(p.count)) : int64_t(p.count));
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
      r.read(h.count);
      get_lists(r, h.x, h.y, h.count);
      r.read(h.pattern);
      r.read(h.rotation);
      r.read(h.scale);
      int32_t lines = 0;
      r.read(lines);
      h.line_count = std::max(lines, 0);
      h.lines.clear();
      if (lines > 0) {
        if (!fits(r, lines, 16)) return false;
        h.lines.assign(size_t(lines) + 1, hatch_segment_rec_{});
        for (int32_t k = 1; k <= lines; ++k) {
          auto& s = h.lines[size_t(k)];
          for (float* v : {&s.x1, &s.y1, &s.x2, &s.y2}) r.read(*v);
        }
      }
      int32_t m = 0;
      r.read(m);
      h.tile_x.clear();
      h.tile_y.clear();
      if (m > 0) {
        if (!fits(r, m, 8)) return false;
        h.tile_x.assign(size_t(m) + 1, 0.0f);
        h.tile_y.assign(size_t(m) + 1, 0.0f);
        for (int32_t k = 1; k <= m; ++k) {
          r.read(h.tile_x[size_t(k)]);
          r.read(h.tile_y[size_t(k)]);
        }
      }
      break;
    }
    case ot_text_: {
      auto& x = t.texts[i];
      for (float* v : {&x.x, &x.y, &x.value1, &x.value2, &x.height, &x.width_factor, &x.rotation}) r.read(*v);
      r.read(x.font);
      get_string_(r, x.text);
      break;
    }
    case ot_image_: {
      auto& m = t.images[i];
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
      get_tail(r, d);
      r.read(d.arrows_outside);
      r.read(d.text_height);
      r.read(d.text_angle);
      break;
    }
    case ot_angular_dim_: {
      auto& d = t.angular_dims[i];
      for (float* v : {&d.a1, &d.a2, &d.rx, &d.ry, &d.cx, &d.cy, &d.rotation}) r.read(*v);
      r.read(d.style_id);
      get_tail(r, d);
      r.read(d.arrows_outside);
      r.read(d.text_height);
      r.read(d.text_angle);
      break;
    }
    case ot_reference_: {
      auto& d = t.references[i];
      r.read(d.count);
      get_lists(r, d.x, d.y, d.count);
      r.read(d.style_id);
      get_tail(r, d);
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
      get_string2_(r, g.title);
      r.read(g.value);
      for (float* v : {&g.x1, &g.y1, &g.x2, &g.y2}) r.read(*v);
      break;
    }
    default: return false;
  }
  return r.ok();
}
