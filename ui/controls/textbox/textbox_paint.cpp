// The text box's picture: every repaint clamps the view, scrolls the caret into sight in
// quarter-width steps, draws every line with the selection highlight (building the selection
// text that copy uses) and the frame, and places the caret. The box draws the same with or
// without a skin; only its frame colours come from the skin palette.
#include <algorithm>
#include <cmath>

#include "platform/input/caret.h"
#include "platform/services/screen.h"
#include "ui/controls/textbox/textbox.h"
#include "ui/skin/skin_palette.h"

namespace {

// An outline through the corners (l, t) and (r, b), both included.
void outline(dc_& dc, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t colour) {
  dc.fill_rectangle_({l, t, r + 1, t + 1}, colour);
  dc.fill_rectangle_({l, b, r + 1, b + 1}, colour);
  dc.fill_rectangle_({l, t, l + 1, b + 1}, colour);
  dc.fill_rectangle_({r, t, r + 1, b + 1}, colour);
}

}  // namespace

int32_t xctextbox_::line_height_() const { return std::max(text_measurer_in_use_().metrics_(st_.font).height, 1); }

int32_t xctextbox_::width_of_(std::string_view s) const { return text_measurer_in_use_().width_(st_.font, s); }

void xctextbox_::text_last_visible_() {
  textbox_clamp_lines_(st_);
  const int32_t h = line_height_();
  for (int32_t i = 1; i <= st_.line_count; ++i)
    if (h * (i - st_.top_line) + 3 + h <= scale_height_) st_.last_visible = i;
}

void xctextbox_::text_paint_() {
  window_* w = win_();
  if (!w) return;
  xc_paint_scope_ p(*w);
  dc_& dc = p.dc();
  const int32_t W = p.width(), SH = p.height();
  scale_width_ = W;
  scale_height_ = SH;

  textbox_clamp_lines_(st_);
  if (st_.multi_line != true_) st_.top_line = st_.last_visible = st_.caret_line = 1;
  st_.caret_col = std::max(st_.caret_col, 0);

  // Scroll the caret into view, a quarter of the width per round.
  const std::string caret_text = textbox_display_line_(st_, st_.caret_line);
  st_.caret_col = std::min(st_.caret_col, u8_length_(caret_text));
  const float cx = float(width_of_(u8_left_(caret_text, st_.caret_col)));
  const float full = float(width_of_(caret_text));
  for (int round = 0; round < 101; ++round) {
    if (cx - st_.scroll < 0) {
      st_.scroll = std::max(st_.scroll - 0.25f * float(W), 0.0f);
      continue;
    }
    if (cx - st_.scroll <= float(W - 4)) break;
    st_.scroll = std::clamp(st_.scroll + 0.25f * float(W), 0.0f, std::max(full, 0.0f));
  }

  const textbox_range_ r = textbox_ordered_(st_);
  const int32_t h = line_height_();
  const uint32_t back = static_cast<uint32_t>(st_.back_color);
  dc.fill_rectangle_({0, 0, W, SH}, back);
  const font_ old_font = dc.select_font_(st_.font);
  const bk_mode_ old_mode = dc.set_bk_mode_(bk_mode_::transparent_);
  st_.sel_text.clear();

  const bool has_focus = focused_window_() == w;
  const bool enabled = st_.enabled == true_;
  const int32_t sx = static_cast<int32_t>(std::lround(st_.scroll));
  const float scroll = st_.scroll;
  const uint32_t text_colour = enabled ? static_cast<uint32_t>(st_.fore_color) : system_colour_(sys_colour_gray_text_);
  const int32_t space_w = width_of_(" ");
  for (int32_t i = 1; i <= st_.line_count; ++i) {
    const int32_t y = h * (i - st_.top_line) + 3;
    const std::string d = textbox_display_line_(st_, i);
    dc.set_text_colour_(text_colour);
    if (y + h > 0 && y < SH) dc.text_out_(3 - sx, y, d);
    if (!has_focus || !enabled || i < r.sl || i > r.el) continue;

    const int32_t wd = width_of_(d);
    int32_t x1 = 0, x2 = 0;
    std::string part, appended;
    bool hit = true;
    if (r.sl < i && i < r.el) {
      x1 = 3;
      x2 = wd != 0 ? wd + 3 : 3 + space_w;
      part = d;
      appended = d + "\r\n";
    } else if (i == r.sl && r.sl < r.el) {
      const int32_t ws = width_of_(u8_left_(d, r.sc));
      x1 = ws + 3;
      if (wd != ws) {
        x2 = wd + 3;
        part = u8_mid_(d, r.sc);
        appended = part + "\r\n";
      } else if (i != st_.caret_line) {
        x2 = x1 + space_w;
        appended = "\r\n";
      } else {
        hit = false;
      }
    } else if (i == r.el && r.sl < r.el) {
      const int32_t we = width_of_(u8_left_(d, r.ec));
      hit = we != 0;
      x1 = 3;
      x2 = we + 3;
      part = appended = u8_left_(d, r.ec);
    } else if (i == r.sl && i == r.el) {
      const int32_t ws = width_of_(u8_left_(d, r.sc)), we = width_of_(u8_left_(d, r.ec));
      hit = r.sc < r.ec && we != ws;
      x1 = ws + 3;
      x2 = we + 3;
      part = appended = u8_mid_(d, r.sc, r.ec - r.sc);
    } else {
      hit = false;
    }
    if (!hit) continue;
    dc.fill_rectangle_({x1 - sx, y, x2 - sx, y + h}, system_colour_(sys_colour_highlight_));
    if (!part.empty()) {
      dc.set_text_colour_(system_colour_(sys_colour_highlight_text_));
      dc.text_out_(x1 - sx, y, part);
    }
    st_.sel_text += appended;
  }
  st_.sel_length = u8_length_(st_.sel_text);
  dc.set_bk_mode_(old_mode);
  dc.select_font_(old_font);

  st_.caret_col = std::max(st_.caret_col, 0);
  if (st_.caret_line < st_.top_line) st_.caret_line = st_.top_line;
  if (has_focus)
    set_caret_pos_(static_cast<int32_t>(std::nearbyint(cx + 3 - scroll)), h * (st_.caret_line - st_.top_line) + 3);

  if (st_.focused == true_ && enabled) {
    outline(dc, 0, 0, W - 1, SH - 1, static_cast<uint32_t>(skin_palette_.color_foc2_border));
    outline(dc, -1, -1, W - 1, SH - 1, static_cast<uint32_t>(skin_palette_.color_foc1_border));
  } else {
    outline(dc, 1, 1, W - 2, SH - 2, back);
    outline(dc, 0, 0, W - 1, SH - 1, static_cast<uint32_t>(skin_palette_.color_text_border));
  }
  text_last_visible_();
}

void xctextbox_::text_caret_from_point_(int32_t text_x, int32_t y) {
  if (st_.enabled != true_) return;
  textbox_clamp_lines_(st_);
  const int32_t h = line_height_();
  const int32_t px = text_x - static_cast<int32_t>(std::lround(st_.scroll));
  if (y < 3) {
    st_.caret_line = st_.top_line;
    st_.caret_col = 0;
    return;
  }
  if (y > scale_height_ - 3) {
    st_.caret_line = st_.last_visible;
    st_.caret_col = u8_length_(textbox_display_line_(st_, st_.last_visible));
    return;
  }
  for (int32_t i = st_.top_line; i <= st_.line_count; ++i) {
    const int32_t top = h * (i - st_.top_line) + 3;
    if (y < top || y >= top + h) continue;
    const std::string d = textbox_display_line_(st_, i);
    const int32_t len = u8_length_(d);
    st_.caret_line = i;
    if (px <= 3) st_.caret_col = 0;
    else if (px >= scale_width_ - 3) st_.caret_col = len;
    else {
      int32_t best = 9999;
      for (int32_t k = 0; k <= len; ++k) {
        const int32_t dist = std::abs(width_of_(u8_left_(d, k)) + 3 - text_x);
        if (dist < best) best = dist, st_.caret_col = k;
      }
    }
    return;
  }
}
