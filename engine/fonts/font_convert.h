// Converting glyph outlines into stroke-font glyphs: quadratic outlines are flattened into
// closed contours and stored as filled glyphs of the conversion buffer.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/fonts/font_rec.h"

// Metrics of one glyph as the outline source reports them, in tenths of a device pixel.
struct outline_metrics_rec_ {
  uint32_t black_box_x = 0, black_box_y = 0;
  int32_t origin_x = 0, origin_y = 0;  // top left of the black box relative to the glyph origin
  int16_t cell_inc_x = 0, cell_inc_y = 0;
};

// The native outline record form: per polygon a 16-byte header (byte count including the
// header, type 24, start point), then curve records (16-bit type, 16-bit point count, points).
// Points are 16.16 fixed-point pairs, y up. Type 1 is a polyline, 2 a quadratic spline, 3 cubic.
inline constexpr uint32_t outline_polygon_type_ = 24;
inline constexpr uint16_t outline_prim_line_ = 1;
inline constexpr uint16_t outline_prim_qspline_ = 2;
inline constexpr uint16_t outline_prim_cspline_ = 3;

// Where outlines come from: for a character code, its native outline and metrics.
class glyph_outline_source_ {
 public:
  virtual ~glyph_outline_source_() = default;
  // Size in bytes of the code's outline (0: the character has none, -1: failure) and its
  // metrics. When buffer is given and size is large enough the outline is written into it.
  virtual int64_t glyph_outline(uint8_t code, outline_metrics_rec_& metrics, uint8_t* buffer,
                                uint32_t size) = 0;
};

// Outline point kinds.
inline constexpr int16_t outline_start_ = 0;
inline constexpr int16_t outline_vertex_ = 1;
inline constexpr int16_t outline_sample_ = 2;
inline constexpr int16_t outline_spline_start_ = -1;

struct outline_point_rec_ {
  double x = 0, y = 0;
  int16_t kind = outline_start_;
};

// Working state of one glyph's conversion, rebuilt for every glyph.
struct outline_state_ {
  std::vector<outline_point_rec_> outline_points;  // first outline_point_total entries in use
  int32_t outline_point_total = 0;
  std::vector<std::vector<outline_point_rec_>> outline_contours;
  outline_metrics_rec_ outline_metrics;
  std::vector<uint8_t> native;  // the fetched outline bytes
};

// A 16.16 fixed-point number: unsigned fraction then signed whole part.
double fixed_to_double_(uint16_t fraction, int16_t whole);
// Appends P(t) for t = 0, 0.5, 1 of the quadratic Bezier p0, p1, p2 as spline samples.
void flatten_qspline_(outline_state_& state, const outline_point_rec_& p0,
                      const outline_point_rec_& p1, const outline_point_rec_& p2);
// Converts one code of the source into glyph code of the buffer. False, with the glyph left
// as it was, when the source fails, has no outline for it, or gives a cubic or malformed one.
bool read_glyph_outline_(outline_state_& state, glyph_outline_source_& source, uint8_t code,
                         font_rec_& buffer);
// Stores the state's contours and metrics as glyph code (a filled glyph); glyph 88 also sets
// the font's height and cap top.
void store_glyph_outline_(const outline_state_& state, uint8_t code, font_rec_& buffer);
// Fills the buffer afresh from every code 0..255 of the source.
void convert_outline_font_(outline_state_& state, glyph_outline_source_& source, font_rec_& buffer);

// Reads a glyph description text (lines "#nnn", "!HH:", "!DX:", "!DY:", "~1 ...", "~2 ...")
// into a cleared buffer: open-stroke glyphs. False when the file cannot be read or a line
// lacks its numbers; the buffer then holds the glyphs read so far.
bool read_glyph_description_(const std::string& path, font_rec_& buffer);
