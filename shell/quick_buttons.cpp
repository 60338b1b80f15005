// Caption quick-access buttons: the list model and the hit test. Painting is beside the
// caption painters' skin parts.
#include "shell/quick_buttons.h"

#include "platform/input/cursor.h"
#include "shell/frame_table.h"
#include "shell/glass_caption.h"
#include "shell/frame_skin.h"

std::vector<caption_button_list_rec_> caption_button_lists_;

namespace {

std::string trimmed(const std::string& s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

bool is_separator(const std::string& text) { return text == "|" || text == "-"; }

caption_button_list_rec_& list_of(int32_t n) {
  if (static_cast<int32_t>(caption_button_lists_.size()) <= n) caption_button_lists_.resize(static_cast<size_t>(n) + 1);
  return caption_button_lists_[static_cast<size_t>(n)];
}

}  // namespace

int16_t clear_caption_buttons_(int32_t n) {
  if (n < 1 || n > frame_count_) return 0;
  caption_button_list_rec_& l = list_of(n);
  l.count = 0;
  l.buttons.clear();
  return 0;
}

int16_t add_caption_button_(int32_t n, const std::string& key, const std::string& text, const std::string& tip,
                            int16_t icon, const std::string& access_key) {
  if (n < 1 || n > frame_count_) return 0;
  caption_button_list_rec_& l = list_of(n);
  if (l.count < 0) l.count = 0;
  caption_button_rec_ b;
  b.key = key;
  b.text = trimmed(text);
  b.tip = tip;
  b.icon = icon;
  b.access_key = access_key;
  b.width = b.text == "|" ? 5 : icon >= 1 ? 22 : 6;
  l.buttons.resize(static_cast<size_t>(l.count));
  l.buttons.push_back(b);
  l.count = static_cast<int32_t>(l.buttons.size());
  int32_t x = 0;
  for (caption_button_rec_& e : l.buttons) {
    e.left = static_cast<int16_t>(x);
    e.right = static_cast<int16_t>(x + e.width);
    x += e.width;
  }
  return 0;
}

pixel_point_ quick_button_origin_(int32_t n) {
  if (n < 1 || n > frame_count_) return {};
  const window_handle_ h = frame_table_[n].hwnd;
  const int32_t bw = frame_border_width_(h), bh = frame_border_height_(h);
  return frame_maximized_(n) ? pixel_point_{bw, bh + 1} : pixel_point_{bw - 1, bh - 2};
}

void draw_caption_quick_buttons_(int32_t n, surface_* band, flag16_ /*active*/, flag16_ no_paint) {
  hovered_quick_button_ = 0;
  const window_* w = frame_window_(n);
  if (!w || static_cast<int32_t>(caption_button_lists_.size()) <= n) return;
  const caption_button_list_rec_& l = caption_button_lists_[static_cast<size_t>(n)];
  const pixel_rect_ wr = w->window_rect_();
  const pixel_point_ cur = cursor_pos_();
  const int32_t cx = cur.x - wr.left, cy = cur.y - wr.top;
  const pixel_point_ o = quick_button_origin_(n);
  const int32_t h = quick_button_height_();
  int32_t pressed_look = 0, total = 0;
  for (int32_t i = 1; i <= l.count && i <= static_cast<int32_t>(l.buttons.size()); ++i) {
    const caption_button_rec_& b = l.buttons[static_cast<size_t>(i - 1)];
    total += b.width;
    // Both ends count, so on a shared edge the later button wins.
    if (b.left <= cx - o.x && cx - o.x <= b.left + b.width && 0 <= cy - o.y && cy - o.y <= h) {
      hovered_quick_button_ = i;
      pressed_look = frame_table_[n].pressed == true_ ? 1 : 0;
    }
  }
  if (total <= 0 || no_paint == true_ || !band) return;
  paint_quick_button_list_(*band, o.x, o.y, n, l.count, hovered_quick_button_, pressed_look);
}

void paint_quick_button_list_(surface_& band, int32_t x0, int32_t y0, int32_t n, int32_t count, int32_t hovered,
                              int32_t pressed_look) {
  if (n < 0 || static_cast<int32_t>(caption_button_lists_.size()) <= n) return;
  const caption_button_list_rec_& l = caption_button_lists_[static_cast<size_t>(n)];
  const int32_t h = quick_button_height_();
  for (int32_t i = 1; i <= count && i <= static_cast<int32_t>(l.buttons.size()); ++i) {
    const caption_button_rec_& b = l.buttons[static_cast<size_t>(i - 1)];
    const int32_t x = x0 + b.left;
    if (is_separator(b.text)) {
      paint_quick_button_separator_(band, x, y0 + 2, b.width, h - 4);
      continue;
    }
    const int32_t look = i == hovered && i > 1 ? pressed_look + 1 : 0;
    draw_caption_quick_button_(band, x, y0, b.width, h, b.icon, look);
  }
}
