// Copies of atlas parts in fixed layouts (nine-part frames, filled bars, header and caption
// boxes, five-column bars, centred parts), the two plain primitives, the text-colour reset,
// the interface font and the look codes controls ask painters for. While no sprite picture is
// loaded every blitter draws nothing. Parts are stretched by the nearest pixel and the red key is
// matched exactly, so keyed pixels never bleed; a part under one pixel in either direction is
// skipped.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "platform/gdiplus/graphics.h"
#include "ui/skin/sprites.h"

// The look a control asks for: 1 normal, 2 hover, 3 checked, selected or focused, 4 pressed or open.
using paint_state_code_ = int32_t;
inline constexpr paint_state_code_ paint_normal_ = 1;
inline constexpr paint_state_code_ paint_hover_ = 2;
inline constexpr paint_state_code_ paint_checked_ = 3;
inline constexpr paint_state_code_ paint_pressed_ = 4;
// Check and option glyphs: 0 unchecked, 1 unchecked under the mouse, 2 checked, 3 checked under
// the mouse, 4 pressed, 5 disabled.
using glyph_state_code_ = int32_t;
glyph_state_code_ glyph_state_(bool enabled, bool mouse_over, bool held, bool checked);

// Nine parts over the rectangle unless parts_off is -1, then part 0 centred at its own size
// unless glyph_off is -1; transparent.
void blit_sprite9_(const sprite9_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                   flag16_ parts_off, flag16_ glyph_off);
// The eight outer parts (no centre); the side parts keep their own widths. Transparent.
void blit_sprite9_border_(const sprite9_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height);
// The nine parts from the alpha atlas with its alpha.
void blit_sprite9_gdip_(const sprite9_set_rec_& set, graphics_& g, int32_t x, int32_t y, int32_t width,
                        int32_t height);
// The nine-part set revealed from the left up to fill (clamped to 0..width); the middle parts
// are cut, not stretched, along the fill. Transparent.
void blit_sprite9_fill_(const sprite9_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                        int32_t fill);
// Part 5 at its own size centred in the rectangle; transparent.
void blit_sprite_centered_(const sprite9_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height);
// Part 0 stretched as a header band of header_height, parts 3-11 as a nine-part body below; opaque.
void blit_header_box_(const sprite12_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                      int32_t header_height);
// Three columns by four rows with a caption band of caption_height (below 1: part 6's height)
// above the bottom row; narrow_right -1 drops the right column's last pixel column. Transparent.
void blit_caption_box_(const sprite12_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                       int32_t caption_height, flag16_ narrow_right);
// Five columns by three rows: end columns left_width and right_width wide, edge columns at their
// own widths on top; middle_only -1 stretches only the middle column over the width. Opaque.
void blit_bar5x3_(const sprite15_set_rec_& set, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                  int32_t left_width, int32_t right_width, flag16_ middle_only);
// One rectangle stretched over the destination, transparent or opaque.
void blit_sprite_rect_(const sprite_rect_rec_& part, dc_& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                       bool transparent);

// A filled rectangle with a one-pixel border (border below 0: the fill colour); the right and
// bottom edges are left + width - 1 and top + height - 1.
void fill_rect_(dc_& dc, int32_t left, int32_t top, int32_t width, int32_t height, int32_t fill_colour,
                int32_t border_colour);
// Text in the rectangle in the colour, with draw_text_ format flags; background mode and font
// are the caller's. The text colour stays set.
void draw_text_color_(dc_& dc, std::string_view text, int32_t left, int32_t top, int32_t width, int32_t height,
                      int32_t colour, uint32_t format);
// Sets the text colour to black; the font stays.
void reset_text_dc_(dc_& dc);

// A font description with the classic fields. The face field is 32 bytes and always ends
// with a zero byte.
struct log_font_rec_ {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t orientation = 0;
  int32_t weight = 0;
  uint8_t italic = 0, underline = 0, strike_out = 0, char_set = 0;
  uint8_t out_precision = 0, clip_precision = 0, quality = 0, pitch_and_family = 0;
  char face_name[32] = {};
};
// Writes the face (in the single-byte code page) into the field: at most 31 bytes, the rest zero.
void set_logfont_face_(std::string_view face, char (&field)[32]);
// The font a description names.
font_ font_of_logfont_(const log_font_rec_& lf);
// The interface font: face "Tahoma" (or its closest installed substitute), height
// round(15 / twips per pixel x 13), character set 1; escapement turns it (900 for toolbars
// docked at the sides).
log_font_rec_ ui_logfont_(float twips_per_pixel_y, int32_t escapement = 0);
font_ ui_font_(int32_t escapement = 0);
