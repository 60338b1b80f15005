// Stroke-font files: a 4-byte height, then 256 glyph records (code, fill flag, contour count,
// four metrics, contours of 16-bit point counts and float pairs). Little-endian, no signature;
// the font's name comes from the file name.
#pragma once
#include <string>
#include <string_view>

#include "engine/fonts/font_rec.h"

// Size of a file whose 256 glyphs have no contours.
inline constexpr size_t empty_stroke_font_size_ = 4 + 256 * 23;

// The part of a path after its last folder separator ('/' or '\'), extension included.
std::string font_file_title_(std::string_view path);

// Parses a stroke-font file image into font's height and glyphs (name and cap_top untouched).
// Records are placed by their code field; codes that never occur stay empty. Every count is
// checked against the bytes that remain, so a truncated or crafted file fails cleanly and
// leaves font as it was; so does a file holding an infinite or not-a-number value.
bool read_stroke_font_(std::string_view bytes, font_rec_& font);

// Reads the file at path into font, named after the file; false leaves font unchanged.
bool load_stroke_font_(const std::string& path, font_rec_& font);

// The file image of a font: glyphs in code order. Empty when a glyph has more contours, or a
// contour more points, than the format's 16-bit counts can hold.
std::string write_stroke_font_(const font_rec_& font);

// Writes the font through a temporary file renamed over path; false leaves any old file as it was.
bool save_stroke_font_(const std::string& path, const font_rec_& font);
