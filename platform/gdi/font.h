// Font descriptions, text layout flags and the replaceable text measurer.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/pixel_types.h"

// Height above 0 is the cell height (ascent + descent) in pixels, below 0 the character
// height (em size), 0 a default of 16 pixels of cell. Weight 0 means normal (400), 700 bold.
// Escapement is the text direction in tenths of a degree counter-clockwise: 0 across,
// -900 downwards (turned a quarter clockwise), 900 upwards.
struct font_ {
  std::string face = "Tahoma";
  int32_t height = 0;
  int32_t weight = 0;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  int32_t escapement = 0;
  friend bool operator==(const font_&, const font_&) = default;
};

// Layout flags of draw_text_ (the classic values).
inline constexpr uint32_t text_top_ = 0x0;
inline constexpr uint32_t text_left_ = 0x0;
inline constexpr uint32_t text_center_ = 0x1;
inline constexpr uint32_t text_right_ = 0x2;
inline constexpr uint32_t text_vcenter_ = 0x4;
inline constexpr uint32_t text_bottom_ = 0x8;
inline constexpr uint32_t text_word_break_ = 0x10;
inline constexpr uint32_t text_single_line_ = 0x20;
inline constexpr uint32_t text_no_clip_ = 0x100;
inline constexpr uint32_t text_calc_rect_ = 0x400;
inline constexpr uint32_t text_no_prefix_ = 0x800;

struct font_metrics_ {
  int32_t height = 0;  // ascent + descent: the line height
  int32_t ascent = 0;
  int32_t descent = 0;
};

// Every measurement of text goes through one measurer, so tests can install fixed metrics.
class text_measurer_ {
 public:
  virtual ~text_measurer_() = default;
  virtual font_metrics_ metrics_(const font_& font) = 0;
  // Advance width in pixels of a UTF-8 text on one line.
  virtual int32_t width_(const font_& font, std::string_view text) = 0;
};

// Every character advances char_width pixels; the line height is the font's |height| (or 16),
// ascent four fifths of it.
class fixed_text_measurer_ : public text_measurer_ {
 public:
  explicit fixed_text_measurer_(int32_t char_width = 7) : char_width_px_(char_width) {}
  font_metrics_ metrics_(const font_& font) override;
  int32_t width_(const font_& font, std::string_view text) override;

 private:
  int32_t char_width_px_;
};

// The measurer in use: the installed one, else the one measuring with the real fonts.
text_measurer_& text_measurer_in_use_();
// Installs a measurer (nullptr restores the real one). Returns the one installed before.
std::shared_ptr<text_measurer_> set_text_measurer_(std::shared_ptr<text_measurer_> measurer);

// The family the interface font resolves to: "Tahoma" when installed (also from the font
// folder of the Windows-compatibility fonts, which fontconfig does not index), else "DejaVu Sans".
std::string interface_font_family_();

// One line of laid-out text: its text without prefix marks, where it starts (the top-left of
// its cell, before any escapement turn) and the character underlined by a "&" prefix.
struct text_line_ {
  std::string text;
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t underline_from = -1;  // x of the underlined character's left edge, -1 for none
  int32_t underline_to = -1;    // x of its right edge
};

struct text_layout_ {
  std::vector<text_line_> lines;
  pixel_rect_ bounds;     // the rectangle the text occupies (what text_calc_rect_ reports)
  int32_t height = 0;     // total height of the text
};

// The layout draw_text_ uses, with the measurer in use.
text_layout_ layout_text_(const font_& font, std::string_view text, const pixel_rect_& rect, uint32_t format);
