// The status bar's stored values and where its toggle buttons lie.
#include "shell/shell_text.h"
#include "ui/controls/statusbar/statusbar.h"

int32_t status_zoom_clamp_(int32_t value, int32_t zoom_min, int32_t zoom_max) {
  if (value >= zoom_max) value = zoom_max;
  if (value <= zoom_min) value = zoom_min;
  return value;
}

int32_t status_progress_of_(int32_t value) {
  if (value < -1) return -1;
  if (value > 100) return 100;
  return value;
}

int32_t status_zoom_left_(int32_t width_px, bool maximised) { return width_px - (maximised ? 180 : 200); }

void status_place_buttons_(std::vector<status_button_rec_>& buttons, int32_t zoom_left, int32_t height,
                           const std::function<int32_t(std::string_view)>& title_width) {
  int32_t x = zoom_left;
  int32_t w = 0;  // a button with neither title nor icon keeps the width before it
  for (status_button_rec_& b : buttons) {
    const std::string title = trim_blanks_(b.title);
    const bool icon = b.icon >= 1;
    if (!title.empty()) w = title_width(title) + (icon ? 26 : 8);
    else if (icon) w = 22;
    b.left = x - w;
    b.top = 1;
    b.right = x;
    b.bottom = height;
    x = x - w - 3;
  }
}

int32_t status_button_at_(const std::vector<status_button_rec_>& buttons, int32_t x, int32_t y) {
  for (size_t i = 0; i < buttons.size(); ++i) {
    const status_button_rec_& b = buttons[i];
    if (b.left <= x && x < b.right && b.top <= y && y < b.bottom) return static_cast<int32_t>(i + 1);
  }
  return 0;
}
