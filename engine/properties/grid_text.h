// Texts of the property grid: trimming, reading a value text as a number, and the number
// patterns the rows show ("0" to "0.000000" for types 10 to 16, "0.######" otherwise).
#pragma once
#include <cstdint>
#include <string>

std::string edit_trim_(const std::string& s);
// The whole text, blanks around it ignored, as a number ("." the decimal point); false for
// anything else, an empty text included.
bool edit_read_number_(const std::string& text, double& out);
// The value text of a number row as painted; a text that is no number comes back unchanged.
std::string edit_value_text_(int32_t type, const std::string& value);
// A number with `decimals` fixed decimals, or with at most six and no trailing separator
// when decimals is below 0.
std::string edit_format_number_(double v, int32_t decimals);
