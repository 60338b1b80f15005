// Number and angle texts of dimensions.
//
// Results are UTF-8, like every text the program keeps; the stroke-font painter converts them to
// Windows-1250 glyph codes. The marks with a fixed glyph code therefore appear here as the
// characters those codes stand for: the degree sign (code 176) as U+00B0 and the diameter
// mark (code 178) as U+02DB, which converts back to code 178 at the painter.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::string_view dim_degree_mark_ = "\xC2\xB0";    // glyph code 176
inline constexpr std::string_view dim_diameter_mark_ = "\xCB\x9B";  // glyph code 178

// Length unit types (dimension-style property 33 and 43).
enum dim_unit_code_ : uint8_t {
  dim_unit_scientific_ = 0,
  dim_unit_decimal_ = 1,
  dim_unit_feet_inch_ = 2,
  dim_unit_feet_fraction_ = 3,
  dim_unit_fraction_ = 4,
  dim_unit_decimal_alt_ = 5,
};

// Angle units (dimension-style property 38).
enum dim_angle_unit_code_ : uint8_t {
  dim_angle_degrees_ = 0,
  dim_angle_dms_ = 1,
  dim_angle_radians_ = 2,
  dim_angle_gradians_ = 3,
};

// The user's decimal separator; the host sets it from the locale. Dimension texts use it,
// not the style's own separator property.
inline constexpr std::string_view dim_default_separator_ = ".";

// A length in the unit to show (inches for unit types 2, 3 and 4). Accuracy is decimals for
// unit types 0, 1, 2 and 5 and the finest fraction 1/2^accuracy for 3 and 4. With `diameter_flag`
// set (-1) the diameter mark goes in front. Unknown unit types give "".
std::string dim_format_length_(float value, uint8_t unit, uint8_t accuracy, int16_t diameter_flag,
                               std::string_view sep = dim_default_separator_);

// An angle given in degrees, written in `unit` with `accuracy` decimals (0 to 4).
std::string dim_format_angle_(float value, uint8_t unit, uint8_t accuracy,
                              std::string_view sep = dim_default_separator_);

// The measured text put into a user text at every "<>"; an empty user text or a bare "<>"
// gives the value text alone, a text without "<>" replaces the value.
std::string dim_text_substitute_(const std::string& value_text, const std::string& user_text);

// Feet and decimal inches: F'-I" with I written by a decimal template such as "0.00".
std::string dim_format_feet_inch_(float value, std::string_view decimal_template,
                                  std::string_view sep = dim_default_separator_);
// Feet and fractional inches: F'-W N/D" with D from a fraction text such as "1/16".
std::string dim_format_feet_fraction_(float value, std::string_view fraction_text);
// Whole inches and a fraction: W N/D".
std::string dim_format_fraction_(float value, std::string_view fraction_text);

// The sample text that lists a unit type and accuracy in the dimension-style dialog.
std::string dim_accuracy_sample_(uint8_t type, uint8_t accuracy);

// The templates behind the formats, "" for an accuracy out of range.
std::string dim_decimal_template_(uint8_t accuracy);
std::string dim_scientific_template_(uint8_t accuracy);
std::string dim_fraction_text_(uint8_t accuracy);

// The text without the inline formatting codes of imported drawing texts: "\P" becomes CR; a code
// with parameters ("\f", "\c", "\H", "\p" and the like) is dropped up to and including the ";"
// that ends it; unescaped braces only group and vanish; "\{", "\}" and "\\" give the character;
// "\S" keeps its stacked numbers as a fraction; everything else, a plain ";" included, is kept.
// Then the special codes become their characters (degree sign, diameter mark, Polish letters)
// and the result is trimmed.
std::string strip_mtext_codes_(std::string_view text);

// Replaces "%%d", "%%c", "\U+00D8" and the Polish-letter "\U+" codes, in that order.
std::string dxf_special_chars_(std::string text);
