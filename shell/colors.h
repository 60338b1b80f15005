// Colour helpers, the skin colour table and small formatting helpers.
// Colours are 0x00BBGGRR values (red in the low byte); negative values are special codes.
#pragma once
#include <cstdint>
#include <string>

#include "platform/core/types.h"

inline constexpr int32_t skin_color_count_ = 256;

// a * (1 - t) + b * t per channel, t clamped to 0..1 (a NaN counts as 0), rounded half to even.
int32_t blend_colors_(int32_t a, int32_t b, float t);
// Six upper-case hexadecimal digits: red, green, blue.
std::string color_to_hex_(int32_t color);

// The skin colour table. Indexes outside 0..255 read 0 and are not stored.
int32_t skin_color_(int16_t index);
void set_skin_color_(int16_t index, int32_t color);

// Caption text colour: skin colour 21 when enabled is true (-1), else halfway towards colour 20.
int32_t enabled_text_color_(flag16_ enabled);
// The calendar field's date pattern; the argument is ignored.
std::string date_format_(int32_t unused = 0);
// Kept for the start-up order; the drawing layer needs no start.
void start_gdiplus_();

// The display text of a colour: language texts for the automatic colour, the special codes and the
// named palette colours (with no_special true every special code reads as "none"); any other
// colour "&H" and its hexadecimal digits.
std::string color_name_(int32_t color, flag16_ no_special);
