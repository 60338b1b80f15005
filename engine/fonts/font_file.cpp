#include "engine/fonts/font_file.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

#include "platform/core/binary_io.h"
#include "platform/core/file_io.h"

namespace {

constexpr size_t kContourMinBytes = 2;  // a contour is at least its point count
constexpr size_t kPointBytes = 8;
constexpr size_t kMaxCount = size_t(std::numeric_limits<int16_t>::max());

// Non-finite numbers would spread into bounding boxes and extents; no real font has them.
bool read_finite(byte_reader_& in, float& v) { return in.read(v) && std::isfinite(v); }

bool read_glyph(byte_reader_& in, glyph_rec_& g) {
  uint8_t fill = 0;
  int16_t contours = 0;
  float bw = 0, bh = 0, ax = 0, ay = 0;
  if (!in.read(fill) || !in.read(contours) || !read_finite(in, bw) || !read_finite(in, bh) ||
      !read_finite(in, ax) || !read_finite(in, ay))
    return false;
  g = glyph_rec_{};
  g.fill_flag = fill;
  g.box_width = bw;
  g.box_height = bh;
  g.advance_x = ax;
  g.advance_y = ay;
  if (contours < 1) return true;
  if (!in.can_hold(uint64_t(contours), kContourMinBytes)) return false;
  g.contours.resize(size_t(contours));
  for (glyph_contour_rec_& c : g.contours) {
    int16_t points = 0;
    if (!in.read(points)) return false;
    if (points < 1) continue;
    if (!in.can_hold(uint64_t(points), kPointBytes)) return false;
    c.points.resize(size_t(points));
    for (glyph_point_rec_& p : c.points)
      if (!read_finite(in, p.x) || !read_finite(in, p.y)) return false;
  }
  return true;
}

}  // namespace

std::string font_file_title_(std::string_view path) {
  size_t cut = path.find_last_of("/\\");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

bool read_stroke_font_(std::string_view bytes, font_rec_& font) {
  byte_reader_ in(bytes);
  // Parsed aside so that a failure leaves the caller's font untouched.
  auto parsed = std::make_unique<std::array<glyph_rec_, 256>>();
  float height = 0;
  if (!read_finite(in, height)) return false;
  for (int i = 0; i < 256; ++i) {
    int32_t code = -1;
    if (!in.read(code) || code < 0 || code > 255) return false;
    if (!read_glyph(in, (*parsed)[size_t(code)])) return false;
  }
  font.height = height;
  font.glyphs = std::move(*parsed);
  return true;
}

bool load_stroke_font_(const std::string& path, font_rec_& font) {
  // Real fonts are a few megabytes; anything this large is not a font worth reading whole.
  constexpr uint64_t kMaxFile = uint64_t(256) << 20;
  std::optional<std::string> bytes = read_file_bytes_(path, kMaxFile);
  if (!bytes || !read_stroke_font_(*bytes, font)) return false;
  font.name = font_file_title_(path);
  font.cap_top = 0;
  return true;
}

std::string write_stroke_font_(const font_rec_& font) {
  byte_writer_ out;
  out.put(font.height);
  for (int code = 0; code < 256; ++code) {
    const glyph_rec_& g = font.glyphs[size_t(code)];
    if (g.contours.size() > kMaxCount) return {};
    out.put(int32_t(code));
    out.put(g.fill_flag);
    out.put(int16_t(g.contours.size()));
    out.put(g.box_width);
    out.put(g.box_height);
    out.put(g.advance_x);
    out.put(g.advance_y);
    for (const glyph_contour_rec_& c : g.contours) {
      if (c.points.size() > kMaxCount) return {};
      out.put(int16_t(c.points.size()));
      for (const glyph_point_rec_& p : c.points) {
        out.put(p.x);
        out.put(p.y);
      }
    }
  }
  return out.take();
}

bool save_stroke_font_(const std::string& path, const font_rec_& font) {
  std::string image = write_stroke_font_(font);
  return !image.empty() && save_file_atomic_(path, image);
}
