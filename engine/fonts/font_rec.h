// In-memory stroke fonts: a font is 256 glyphs, each a list of contours in font units.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct glyph_point_rec_ {
  float x = 0, y = 0;  // font units, y up, origin at the glyph's reference point on the baseline
};

struct glyph_contour_rec_ {
  std::vector<glyph_point_rec_> points;  // the file's 16-bit point count is points.size()
};

struct glyph_rec_ {
  float box_width = 0;   // ink box width; glyph 88 ("X") sets the width of a space
  float box_height = 0;  // ink box height; glyph 88 sets the line spacing
  float advance_x = 0;   // pen advance after the glyph
  float advance_y = 0;   // stored and copied, never used for painting
  uint8_t fill_flag = 0; // 1: closed outlines painted filled; otherwise open strokes
  std::vector<glyph_contour_rec_> contours;  // the file's 16-bit contour count is contours.size()
};

struct font_rec_ {
  std::string name;   // file name after its last folder separator
  float height = 0;   // reference height: a text of height h scales glyphs by h / height
  float cap_top = 0;  // top of "X" above the baseline as measured by conversion; not painted
  std::array<glyph_rec_, 256> glyphs;
};
