#include "ui/skin/paint_util.h"

#include "platform/services/screen.h"

namespace paint {

uint32_t sys_colour(int32_t index) { return system_colour_(index); }

std::string drop_tilde_before_l_stroke(std::string_view text) {
  std::string s(text);
  static constexpr std::string_view from = "~\xC5\x81";  // "~Ł"
  for (size_t p = 0; (p = s.find(from, p)) != std::string::npos;) s.erase(p, 1);
  return s;
}

std::string upper(std::string_view text) {
  std::string s(text);
  for (size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 'a' && c <= 'z') {
      s[i] = char(c - 32);
    } else if (i + 1 < s.size()) {
      // The Polish letters: ą ę (U+0105, U+0119), ć ń ś ź ż ł (odd code points in
      // U+0100..U+017F are lower case there) and ó (U+00F3).
      unsigned char d = static_cast<unsigned char>(s[i + 1]);
      if (c == 0xC3 && d == 0xB3) s[i + 1] = char(0x93);
      if ((c == 0xC4 || c == 0xC5) && d >= 0x80 && d <= 0xBF) {
        unsigned cp = ((c & 0x1F) << 6) | (d & 0x3F);
        bool lower = (cp >= 0x100 && cp <= 0x137 && (cp & 1)) || (cp >= 0x139 && cp <= 0x148 && !(cp & 1)) ||
                     (cp >= 0x14A && cp <= 0x177 && (cp & 1)) || cp == 0x17A || cp == 0x17C || cp == 0x17E;
        if (lower) {
          --cp;
          s[i] = char(0xC0 | (cp >> 6));
          s[i + 1] = char(0x80 | (cp & 0x3F));
        }
      }
    }
  }
  return s;
}

}  // namespace paint
