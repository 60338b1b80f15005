#include "ui/skin/paint_text.h"

#include <algorithm>
#include <string>

#include "shell/colors.h"
#include "shell/ui_metrics.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_util.h"
#include "ui/skin/skin_palette.h"

using paint::rnd;

namespace {

// Byte offset of character k of a UTF-8 text (the end when it has fewer).
size_t char_offset_(std::string_view s, int32_t k) {
  size_t i = 0;
  for (int32_t n = 0; n < k && i < s.size(); ++n) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  }
  return i;
}

void replace_all_(std::string& s, std::string_view from, std::string_view to) {
  for (size_t p = 0; (p = s.find(from, p)) != std::string::npos; p += to.size()) s.replace(p, from.size(), to);
}

void draw_in_(dc_& dc, std::string_view text, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t format) {
  pixel_rect_ box{l, t, r, b};
  dc.draw_text_(text, box, format);
}

}  // namespace

void draw_text_line_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view text, flag16_ vertical,
                     int32_t, int32_t sel_start, int32_t sel_end, flag16_ show_selection) {
  const bool vert = vertical == true_;
  paint::ui_font_scope font(hdc, vert);
  const int32_t lo = std::max(0, std::min(sel_start, sel_end)), hi = std::max(0, std::max(sel_start, sel_end));
  const size_t p0 = char_offset_(text, lo), p1 = char_offset_(text, hi);
  const std::string_view prefix = text.substr(0, p0), selected = text.substr(p0, p1 - p0);
  const int32_t wp = hdc.text_extent_(prefix).cx, ws = hdc.text_extent_(selected).cx;
  const int32_t L = hdc.text_extent_("X").cy;

  hdc.set_text_colour_(paint::sys_colour(paint::menu_text));
  const int32_t across = vert ? rnd(x + w / 2.0 - L / 2.0) : rnd(y + h / 2.0 - L / 2.0);
  if (vert)
    hdc.text_out_(rnd(x + w / 2.0 + L / 2.0), y, text);
  else
    hdc.text_out_(x, across, text);
  if (show_selection != true_) return;

  const int32_t hl = int32_t(paint::sys_colour(paint::highlight));
  if (vert) {
    fill_rect_(hdc, across, y + wp, L + 1, ws, hl, -1);
    hdc.set_text_colour_(paint::sys_colour(paint::highlight_text));
    hdc.text_out_(rnd(x + w / 2.0 + L / 2.0), y + wp, selected);
  } else {
    fill_rect_(hdc, x + wp, across, ws, L + 1, hl, -1);
    hdc.set_text_colour_(paint::sys_colour(paint::highlight_text));
    hdc.text_out_(x + wp, across, selected);
  }
  if (lo != hi) return;
  // The caret: two one-pixel lines, each leaving out its last pixel.
  pen_ old = hdc.select_pen_(pen_{pen_style_::solid_, 1, 0x323232});
  const int32_t from = vert ? rnd(x + w / 2.0 - L / 2.0) : rnd(y + h / 2.0 - L / 2.0);
  const int32_t to = vert ? rnd(x + w / 2.0 + L / 2.0) : rnd(y + h / 2.0 + L / 2.0);
  for (int32_t d = 0; d < 2; ++d) {
    const int32_t at = (vert ? y : x) + wp + d;
    if (vert) {
      hdc.move_to_(from, at);
      hdc.line_to_(to, at);
    } else {
      hdc.move_to_(at, from);
      hdc.line_to_(at, to);
    }
  }
  hdc.select_pen_(old);
}

int32_t ui_text_size_(dc_& hdc, std::string_view text, flag16_ want_height) {
  paint::ui_font_scope font(hdc);
  pixel_size_ s = hdc.text_extent_(text);
  return want_height == true_ ? s.cy : s.cx;
}

void draw_menu_item_(dc_& hdc, int32_t x, int32_t y, int32_t w, int32_t h, std::string_view text_in, int32_t icon_col,
                     int32_t icon, flag16_ hover, flag16_ checked, flag16_ enabled, std::string_view shortcut,
                     flag16_ list_style, flag16_ large_icon, flag16_ submenu, flag16_ shortcut_flush) {
  std::string text = paint::drop_tilde_before_l_stroke(text_in);
  replace_all_(text, "\r\n", " ");
  const bool on = enabled == true_;
  if (hover == true_ && on) blit_sprite9_(menu_row_sprites_[1], hdc, x, y, w, h, 0, true_);

  hdc.set_bk_mode_(bk_mode_::transparent_);
  const int32_t T = blend_colors_(skin_palette_.color_menu_text_std, skin_palette_.color_btn_text_act, 0.75f);
  const int32_t D = skin_palette_.color_menu_text_dis;
  const int32_t S = blend_colors_(T, D, 0.5f);
  const flag16_ look = on ? true_ : false_;

  if (list_style == true_) {
    const int32_t l = x + icon_col + 4, r = x + w - 10;
    if (!text.empty()) {
      hdc.set_text_colour_(uint32_t(on ? T : D));
      draw_in_(hdc, text, l, y, r, y + h, text_single_line_ | text_vcenter_);
    }
    if (!shortcut.empty()) {
      hdc.set_text_colour_(uint32_t(on ? S : D));
      draw_in_(hdc, shortcut, l, y, r, y + h, text_single_line_ | text_vcenter_ | text_right_);
    }
    draw_icon_state_(hdc, float(x + 20), float(y + h / 2.0), 32, icon, true_, true_, look, -1, 0);
    return;
  }

  const int32_t l = x + icon_col + 2, r = x + w - 4;
  const int32_t sw = shortcut.empty() ? 0 : hdc.text_extent_(shortcut).cx + 6;
  if (!text.empty()) {
    hdc.set_text_colour_(uint32_t(on ? T : D));
    draw_in_(hdc, text, l, y, std::max(l, r - sw), y + h, text_single_line_ | text_vcenter_ | text_no_prefix_);
  }
  if (!shortcut.empty()) {
    hdc.set_text_colour_(uint32_t(on ? S : D));
    const int32_t sr = shortcut_flush == true_ ? r : r - ui_metrics_.menu_row_h_;
    draw_in_(hdc, shortcut, l, y, sr, y + h, text_single_line_ | text_vcenter_ | text_no_prefix_ | text_right_);
  }
  const uint8_t size = large_icon == true_ ? 32 : 16;
  const float cx = float(x + icon_col / 2.0), cy = float(y + h / 2.0);
  if (checked == true_) {
    blit_sprite9_(menu_row_sprites_[2], hdc, x + 1, y + 1, h - 2, h - 2, 0, true_);
    if (icon >= 1)
      draw_icon_state_(hdc, cx, cy, size, icon, true_, true_, look, -1, 0);
    else
      blit_sprite9_(menu_row_sprites_[2], hdc, x + 1, y + 1, h - 2, h - 2, true_, 0);
  } else if (icon >= 1) {
    draw_icon_state_(hdc, cx, cy, size, icon, true_, true_, look, -1, 0);
  }
  if (submenu == true_) {
    // Pixel arrow in the row colour, also on a disabled row.
    const int32_t X = x + w - 10, c = rnd(y + h / 2.0);
    for (int32_t col = 0; col < 4; ++col)
      for (int32_t row = -(3 - col); row <= 3 - col; ++row) hdc.set_pixel_(X + col, c + row, uint32_t(T));
  }
}
