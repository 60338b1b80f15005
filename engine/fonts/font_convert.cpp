#include "engine/fonts/font_convert.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"
#include "platform/core/types.h"

double fixed_to_double_(uint16_t fraction, int16_t whole) {
  return double(whole) + double(fraction) / 65536.0;
}

namespace {

void append(outline_state_& st, double x, double y, int16_t kind) {
  if (size_t(st.outline_point_total) < st.outline_points.size())
    st.outline_points[size_t(st.outline_point_total)] = {x, y, kind};
  else
    st.outline_points.push_back({x, y, kind});
  ++st.outline_point_total;
}

bool read_fixed_point(byte_reader_& in, outline_point_rec_& p) {
  uint16_t fx = 0, fy = 0;
  int16_t wx = 0, wy = 0;
  if (!in.read(fx) || !in.read(wx) || !in.read(fy) || !in.read(wy)) return false;
  p.x = fixed_to_double_(fx, wx);
  p.y = fixed_to_double_(fy, wy);
  return true;
}

// One curve record; false on a cubic or a record that runs past its polygon.
bool walk_curve(outline_state_& st, byte_reader_& in) {
  uint16_t type = 0, count = 0;
  if (!in.read(type) || !in.read(count)) return false;
  if (type != outline_prim_line_ && type != outline_prim_qspline_) return false;
  if (count == 0 || !in.can_hold(count, 8)) return false;
  if (st.outline_point_total == 0) return false;
  const outline_point_rec_ before = st.outline_points[size_t(st.outline_point_total - 1)];
  outline_point_rec_ p1;
  if (!read_fixed_point(in, p1)) return false;
  append(st, p1.x, p1.y, outline_vertex_);
  if (type == outline_prim_line_) {
    for (uint16_t i = 1; i < count; ++i) {
      outline_point_rec_ p;
      if (!read_fixed_point(in, p)) return false;
      append(st, p.x, p.y, outline_vertex_);
    }
    return true;
  }
  std::vector<outline_point_rec_> ctl(size_t(count) + 1);
  ctl[0] = before;
  ctl[1] = p1;
  for (uint16_t i = 2; i <= count; ++i)
    if (!read_fixed_point(in, ctl[i])) return false;
  st.outline_points[size_t(st.outline_point_total - 1)] = {before.x, before.y, outline_spline_start_};
  const size_t n = count;
  outline_point_rec_ start = before;
  for (size_t m = 1; m + 1 <= n; ++m) {
    outline_point_rec_ end = ctl[n];
    if (m < n - 1) end = {(ctl[m].x + ctl[m + 1].x) / 2, (ctl[m].y + ctl[m + 1].y) / 2, 0};
    flatten_qspline_(st, start, ctl[m], end);
    start = end;
  }
  return true;
}

bool walk_outline(outline_state_& st, const std::vector<uint8_t>& bytes) {
  byte_reader_ in(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  while (!in.at_end()) {
    const size_t start = in.pos();
    uint32_t cb = 0, type = 0;
    outline_point_rec_ p0;
    if (!in.read(cb) || !in.read(type) || !read_fixed_point(in, p0)) return false;
    if (cb < 16 || cb - 16 > in.remaining()) return false;
    append(st, p0.x, p0.y, outline_start_);
    // Curves stay inside their polygon's byte count.
    byte_reader_ curves(std::string_view(reinterpret_cast<const char*>(bytes.data()) + in.pos(),
                                         cb - 16));
    while (!curves.at_end())
      if (!walk_curve(st, curves)) return false;
    in.skip(cb - 16);
    if (in.pos() != start + cb) return false;
  }
  return true;
}

void split_contours(outline_state_& st) {
  st.outline_contours.clear();
  for (int32_t i = 0; i < st.outline_point_total; ++i) {
    const outline_point_rec_& p = st.outline_points[size_t(i)];
    if (p.kind == outline_start_ || st.outline_contours.empty()) st.outline_contours.emplace_back();
    if (i > 0) {
      const outline_point_rec_& q = st.outline_points[size_t(i - 1)];
      if (p.x == q.x && p.y == q.y) continue;
    }
    st.outline_contours.back().push_back(p);
  }
}

}  // namespace

void flatten_qspline_(outline_state_& st, const outline_point_rec_& p0, const outline_point_rec_& p1,
                      const outline_point_rec_& p2) {
  for (double t : {0.0, 0.5, 1.0}) {
    double x = p0.x + t * t * (p0.x - 2 * p1.x + p2.x) + t * (2 * p1.x - 2 * p0.x);
    double y = p0.y + t * t * (p0.y - 2 * p1.y + p2.y) + t * (2 * p1.y - 2 * p0.y);
    append(st, double(static_cast<float>(x)), double(static_cast<float>(y)), outline_sample_);
  }
}

bool read_glyph_outline_(outline_state_& st, glyph_outline_source_& source, uint8_t code,
                         font_rec_& buffer) {
  st.outline_point_total = 0;
  st.outline_contours.clear();
  outline_metrics_rec_ metrics;
  int64_t size = source.glyph_outline(code, metrics, nullptr, 0);
  // Real glyph outlines are a few kilobytes; a larger size is taken as a failure.
  if (size <= 0 || size > (int64_t(1) << 24)) return false;
  st.native.assign(size_t(size), 0);
  if (source.glyph_outline(code, metrics, st.native.data(), uint32_t(size)) != size) return false;
  st.outline_metrics = metrics;
  if (!walk_outline(st, st.native)) return false;
  split_contours(st);
  store_glyph_outline_(st, code, buffer);
  return true;
}

void store_glyph_outline_(const outline_state_& st, uint8_t code, font_rec_& buffer) {
  glyph_rec_& g = buffer.glyphs[code];
  g.fill_flag = 1;
  g.contours.clear();
  if (st.outline_contours.empty()) return;
  const outline_metrics_rec_& m = st.outline_metrics;
  if (code == 88) {
    buffer.height = float(m.black_box_y);
    buffer.cap_top = float(m.origin_y);
  }
  g.box_width = float(m.black_box_x);
  g.box_height = float(m.black_box_y);
  g.advance_x = float(m.cell_inc_x);
  g.advance_y = float(m.cell_inc_y);
  g.contours.resize(st.outline_contours.size());
  for (size_t i = 0; i < st.outline_contours.size(); ++i) {
    const auto& src = st.outline_contours[i];
    auto& dst = g.contours[i].points;
    dst.reserve(src.size());
    for (const outline_point_rec_& p : src) dst.push_back({float(p.x), float(p.y)});
  }
}

void convert_outline_font_(outline_state_& st, glyph_outline_source_& source, font_rec_& buffer) {
  buffer = font_rec_{};  // nothing of an earlier fill survives in codes the source cannot give
  for (int code = 0; code < 256; ++code) read_glyph_outline_(st, source, uint8_t(code), buffer);
}
