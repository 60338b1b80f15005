// Value handling shared by the DXF and GrafZAZ readers: numbers, trimming, keywords.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The longest leading decimal number of a text (leading blanks skipped, optional sign,
// digits with at most one point, optional exponent), whatever the locale; 0 when the text
// has none or the number does not fit a double.
double dxf_number_(std::string_view text);
// Whether the text starts with such a number.
bool dxf_has_number_(std::string_view text);
// The number rounded half to even into a 32-bit integer; false when it does not fit.
bool dxf_whole_(std::string_view text, int32_t& out);

std::string_view dxf_trim_(std::string_view s);  // blanks and tabs at both ends
std::string dxf_upper_(std::string_view s);      // ASCII letters only

// True when the trimmed value names a record keyword or begins with "$".
bool dxf_keyword_test_(std::string_view value_);
// True when the value is empty; with zero_is_empty_ also when it is a number equal to 0.
bool dxf_is_empty_value_(std::string_view value_, bool zero_is_empty_);

// File text to the program's UTF-8: kept when it already is valid UTF-8, else read as
// Windows-1250 bytes.
std::string dxf_text_to_utf8_(std::string_view bytes);
