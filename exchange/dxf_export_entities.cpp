// DXF export: the BLOCKS and ENTITIES sections, one record per object.
#include <cmath>
#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "exchange/dxf_export.h"
#include "exchange/dxf_export_parts.h"

namespace exchange_ {
namespace {

// Writes the records of one object. Inside BLOCKS there is no layer pair and no curve or
// insert; the release has no LWPOLYLINE, so point lists become POLYLINE, VERTEX, SEQEND.
class object_writer_ {
 public:
  object_writer_(zaz_class_& e, dxf_out_& o, bool in_block) : e_(e), o_(o), block_(in_block) {}

  // False when the record cannot be written.
  bool write(const object_rec_& ob) {
    ob_ = &ob;
    layer_ = block_ ? std::string() : dxf_table_name_(e_.dxf_page_layer_name_(ob.page, ob.layer));
    auto& t = e_.store.live;
    switch (ob.type) {
      case ot_point_: return with(t.points, [&](const point_rec_& p) { point(p); });
      case ot_line_: return with(t.lines, [&](const line_rec_& l) { line(l); });
      case ot_curve_:
        if (block_) return true;
        return with(t.curves, [&](const curve_rec_& c) { curve(c); });
      case ot_polyline_: return with(t.polylines, [&](const polyline_rec_& p) { list(p, false); });
      case ot_polygon_: return with(t.polygons, [&](const polygon_rec_& p) { list(p, true); });
      case ot_arc_: return with(t.arcs, [&](const arc_rec_& a) { arc(a); });
      case ot_circle_: return with(t.circles, [&](const arc_rec_& a) { circle(a); });
      case ot_ellipse_: return with(t.ellipses, [&](const arc_rec_& a) { sampled(a, 0, 6.2831855f, true); });
      case ot_text_: return with(t.texts, [&](const text_rec_& x) { text(x); });
      case ot_block_insert_:
        if (block_) return true;
        return with(t.block_inserts, [&](const block_insert_rec_& b) { insert(b); });
      default: return true;  // hatches, images, dimensions, references, block groups
    }
  }

 private:
  template <class Table, class F>
  bool with(const Table& table, F&& f) {
    const int32_t i = ob_->index;
    if (i < 1 || i >= static_cast<int32_t>(table.size())) return false;
    f(table[static_cast<size_t>(i)]);
    return ok_ && o_.ok;
  }

  void head(const char* kind, bool linetype = true) {
    dxf_write_pair_(o_, 0, kind);
    if (!block_) dxf_write_pair_(o_, 8, layer_);
    dxf_write_pair_(o_, 62, e_.dxf_color_to_aci_(ob_->draw_color));
    if (linetype) dxf_write_pair_(o_, 6, dxf_table_name_(e_.dxf_linetype_name_(ob_->line_style)));
  }

  void point(const point_rec_& p) {
    head("POINT", false);
    dxf_write_pair_(o_, 10, p.x);
    dxf_write_pair_(o_, 20, p.y);
  }

  void line(const line_rec_& l) {
    head("LINE");
    dxf_write_pair_(o_, 10, l.x1);
    dxf_write_pair_(o_, 20, l.y1);
    dxf_write_pair_(o_, 11, l.x2);
    dxf_write_pair_(o_, 21, l.y2);
  }

  void polyline_head(bool closed) {
    head("POLYLINE");
    dxf_write_pair_(o_, 66, 1);
    dxf_write_pair_(o_, 10, 0);
    dxf_write_pair_(o_, 20, 0);
    dxf_write_pair_(o_, 30, 0);
    dxf_write_pair_(o_, 70, closed ? 1 : 0);
  }
  void vertex(float x, float y) {
    dxf_write_pair_(o_, 0, "VERTEX");
    if (!block_) dxf_write_pair_(o_, 8, layer_);
    dxf_write_pair_(o_, 10, x);
    dxf_write_pair_(o_, 20, y);
  }
  void seqend() {
    dxf_write_pair_(o_, 0, "SEQEND");
    if (!block_) dxf_write_pair_(o_, 8, layer_);
  }

  void list(const polyline_rec_& p, bool closed) {
    const int32_t n = points_of(p, p.count);
    if (n < 1) return;  // nothing to draw, and a polyline without vertices is not valid
    polyline_head(closed);
    for (int32_t i = 1; i <= n; ++i) vertex(p.x[static_cast<size_t>(i)], p.y[static_cast<size_t>(i)]);
    seqend();
  }

  // Points 1..|count| that the arrays really hold.
  static int32_t points_of(const polyline_rec_& p, int32_t count) {
    const int64_t want = std::llabs(static_cast<int64_t>(count));
    const int64_t have = static_cast<int64_t>(std::min(p.x.size(), p.y.size())) - 1;
    return static_cast<int32_t>(std::max<int64_t>(0, std::min(want, have)));
  }

  void curve(const curve_rec_& c) {
    const int32_t n = points_of(c, c.count);
    e_.vertex_clear_(true_);
    e_.vertex_clear_(false_);
    for (int32_t i = 1; i <= n; ++i)
      e_.vertex_add_(c.x[static_cast<size_t>(i)], c.y[static_cast<size_t>(i)], 0, false_);
    e_.curve_to_vertices_(e_.vertices.main, c.count < 0 ? -n : n);
    const int32_t m = e_.vertex_count_(true_);
    if (m < 1) return;
    polyline_head(c.count < 1);
    for (int32_t v = 1; v <= m; ++v) vertex(e_.vertex_px_(v, true_), e_.vertex_py_(v, true_));
    seqend();
  }

  void circle(const arc_rec_& a) {
    if (a.rx != a.ry) return sampled(a, 0, 6.2831855f, true);
    head("CIRCLE");
    dxf_write_pair_(o_, 10, a.cx);
    dxf_write_pair_(o_, 20, a.cy);
    dxf_write_pair_(o_, 40, a.rx);
  }

  void arc(const arc_rec_& a) { sampled(a, a.a1, a.a2, false); }

  void sample_at(const arc_rec_& a, float t) {
    const float px = static_cast<float>(std::cos(t) * a.rx);
    const float py = static_cast<float>(std::sin(t) * a.ry);
    float rx = 0, ry = 0;
    e_.calc_rotate_00_deg_(a.rotation, px, py, rx, ry);
    vertex(rx + a.cx, ry + a.cy);
  }

  // Points every 0.05 rad from `from` while not past `to`; an open arc adds its end point.
  void sampled(const arc_rec_& a, float from, float to, bool closed) {
    // A single-precision counter stops growing at large angles; such a record cannot
    // be sampled, and neither can one that would need millions of points.
    if (!std::isfinite(from) || !std::isfinite(to) || (to - from) / 0.05 > 100000.0) {
      ok_ = false;
      return;
    }
    polyline_head(closed);
    for (float t = from; t <= to; t += 0.05f) {
      sample_at(a, t);
      if (t + 0.05f == t) {
        ok_ = false;
        return;
      }
    }
    if (!closed) sample_at(a, to);
    seqend();
  }

  void text(const text_rec_& t) {
    const float degrees = t.rotation * 180.0f / 3.1415927f;
    const float width = t.width_factor * 0.7f;
    if (t.text.find('\r') == std::string::npos) return text_line(t, t.x, t.y, degrees, width, t.text);
    const double across = static_cast<double>(t.rotation) - 1.5707963705;
    size_t start = 0;
    for (int32_t i = 0;; ++i) {
      const size_t cr = t.text.find('\r', start);
      const std::string part = t.text.substr(start, cr == std::string::npos ? std::string::npos : cr - start);
      const double step = static_cast<double>(t.height) * 1.5 * i;
      text_line(t, t.x + step * std::cos(across), t.y + step * std::sin(across), degrees, width,
                part);
      if (cr == std::string::npos) break;
      start = cr + 1;
    }
  }

  template <class Coord>
  void text_line(const text_rec_& t, Coord x, Coord y, float degrees, float width,
                 const std::string& s) {
    head("TEXT");
    dxf_write_pair_(o_, 7, dxf_text_style_name_());
    dxf_write_pair_(o_, 10, x);
    dxf_write_pair_(o_, 20, y);
    dxf_write_pair_(o_, 40, t.height);
    dxf_write_pair_(o_, 41, width);
    dxf_write_pair_(o_, 50, degrees);
    dxf_write_pair_(o_, 1, zaz_class_::flatten_line_breaks_(s));
  }

  void insert(const block_insert_rec_& b) {
    // An insert of a block that does not exist would name an undefined block.
    if (b.block < 1 || b.block > e_.blocks_count_()) return;
    head("INSERT");
    dxf_write_pair_(o_, 2, dxf_table_name_(e_.dxf_block_name_(b.block)));
    dxf_write_pair_(o_, 10, b.x);
    dxf_write_pair_(o_, 20, b.y);
    dxf_write_pair_(o_, 41, b.sx);
    dxf_write_pair_(o_, 42, b.sy);
    dxf_write_pair_(o_, 50, b.rotation * 180.0f / 3.1415927f);
  }

  zaz_class_& e_;
  dxf_out_& o_;
  bool block_;
  bool ok_ = true;
  const object_rec_* ob_ = nullptr;
  std::string layer_;
};

}  // namespace

bool dxf_blocks_section_(zaz_class_& e, dxf_out_& o) {
  dxf_write_pair_(o, 0, "SECTION");
  dxf_write_pair_(o, 2, "BLOCKS");
  const int32_t last = dxf_last_record_(e);
  for (int32_t n = 1; n <= e.blocks_count_(); ++n) {
    const std::string name = dxf_table_name_(e.dxf_block_name_(n), "BLOCK_" + std::to_string(n));
    const bool anonymous = name.front() == '*';
    dxf_write_pair_(o, 0, "BLOCK");
    dxf_write_pair_(o, 8, "0");
    dxf_write_pair_(o, 2, name);
    dxf_write_pair_(o, 70, anonymous ? 1 : 0);
    dxf_write_pair_(o, 10, 0);
    dxf_write_pair_(o, 20, 0);
    dxf_write_pair_(o, 30, 0);
    dxf_write_pair_(o, 3, name);
    const block_def_rec_& b = e.library.blocks[static_cast<size_t>(n)];
    object_writer_ w(e, o, true);
    for (int32_t m = 1; m <= e.block_member_count_(n); ++m) {
      const int32_t r = b.members[static_cast<size_t>(m)];
      if (r < 1 || r > last) continue;
      const object_rec_& ob = e.object_(r);
      if ((ob.layer >= 1 && ob.page >= 1) || ob.index < 1) continue;
      if (!w.write(ob)) return false;
    }
    dxf_write_pair_(o, 0, "ENDBLK");
    dxf_write_pair_(o, 8, "0");
  }
  dxf_write_pair_(o, 0, "ENDSEC");
  return o.ok;
}

bool dxf_entities_section_(zaz_class_& e, dxf_out_& o) {
  dxf_write_pair_(o, 0, "SECTION");
  dxf_write_pair_(o, 2, "ENTITIES");
  object_writer_ w(e, o, false);
  for (int32_t r = 1; r <= dxf_last_record_(e); ++r) {
    const object_rec_& ob = e.object_(r);
    if (dxf_entity_written_(ob) && !w.write(ob)) return false;
  }
  dxf_write_pair_(o, 0, "ENDSEC");
  return o.ok;
}

}  // namespace exchange_
