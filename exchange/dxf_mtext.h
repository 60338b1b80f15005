// MTEXT inline formatting removed from imported texts.
#pragma once
#include <string>
#include <string_view>

namespace exchange_ {

// The text without MTEXT formatting codes: "\P" becomes CR; a code with parameters
// ("\f", "\c", "\H", "\p" and the like) is dropped up to and including the ";" that ends
// it; unescaped braces only group and vanish; "\{", "\}" and "\\" give the character;
// "\S" keeps its stacked numbers as a fraction; everything else, a plain ";" included,
// is kept. Then the special-character codes are replaced and the result trimmed.
std::string strip_mtext_codes_(std::string_view text);

// Replaces "%%d", "%%c", "\U+00D8" and the Polish-letter "\U+" codes, in that order.
std::string dxf_special_chars_(std::string text);

}  // namespace exchange_
