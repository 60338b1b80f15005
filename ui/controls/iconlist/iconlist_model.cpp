// The icon list's rows: their stored text, the sort, and the layout with its scroll range.
#include <utility>

#include "ui/controls/iconlist/iconlist.h"

std::string memo_text_of_(std::string_view text) {
  size_t i = 0;
  for (int32_t chars = 0; i < text.size() && chars < memo_text_limit_; ++chars) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    i += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  }
  return std::string(text.substr(0, std::min(i, text.size())));
}

void memo_sort_(std::vector<memo_item_rec_>& rows) {
  const size_t n = rows.size();
  for (size_t i = 0; i < n; ++i)
    for (size_t j = 0; j < n; ++j)
      if (rows[i].id > rows[j].id) std::swap(rows[i], rows[j]);
}

void memo_layout_(memo_state_& s, int32_t height_px, int32_t row_h) {
  s.page_size = height_px - 2;
  int32_t y = 2 - s.scroll_pos;
  int64_t total = 0;
  for (memo_item_rec_& r : s.rows) {
    r.top = y;
    r.bottom = y + row_h;
    r.height = row_h;
    y += row_h;
    total += row_h;
  }
  int64_t visible = int64_t(height_px) - 4;
  if (visible < 0) visible = 0;
  int64_t range = total - visible;
  if (range < 0) range = 0;
  s.scroll_range = range > INT32_MAX ? INT32_MAX : static_cast<int32_t>(range);
  s.bar_shown = to_flag_(s.scroll_range > 0);
  if (s.scroll_range == 0) s.scroll_pos = 0;
  if (s.scroll_pos > s.scroll_range) s.scroll_pos = s.scroll_range;
  if (s.scroll_pos < 0) s.scroll_pos = 0;
}

int32_t memo_row_under_(const memo_state_& s, int32_t width_px, bool bar_shown) {
  const int32_t right = width_px - (bar_shown ? 18 : 2);
  if (s.mouse_x < 2 || s.mouse_x >= right) return -1;
  for (size_t i = 0; i < s.rows.size(); ++i)
    if (s.rows[i].top <= s.mouse_y && s.mouse_y < s.rows[i].bottom) return static_cast<int32_t>(i);
  return -1;
}
