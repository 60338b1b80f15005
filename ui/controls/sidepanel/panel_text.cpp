#include "ui/controls/sidepanel/panel_text.h"

#include <algorithm>

#include "platform/gdi/font.h"
#include "ui/skin/blitters.h"

int32_t panel_text_width_(std::string_view text, bool bold) {
  if (text.empty()) return 0;
  font_ f = ui_font_();
  if (bold) f.weight = 700;
  return text_measurer_in_use_().width_(f, text);
}

int32_t panel_text_height_(std::string_view text) {
  if (text.empty()) return 0;
  return text_measurer_in_use_().metrics_(ui_font_()).height;
}

int32_t panel_char_count_(std::string_view text) {
  int32_t n = 0;
  for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

size_t panel_char_offset_(std::string_view text, int32_t k) {
  size_t i = 0;
  for (int32_t n = 0; n < k && i < text.size(); ++n) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return i;
}

panel_split_rec_ split_selection_(const std::string& text, int32_t anchor, int32_t caret) {
  const int32_t lo = std::max(0, std::min(anchor, caret)), hi = std::max(0, std::max(anchor, caret));
  const size_t a = panel_char_offset_(text, lo), b = panel_char_offset_(text, hi);
  return {text.substr(0, a), text.substr(a, b - a), text.substr(b)};
}
