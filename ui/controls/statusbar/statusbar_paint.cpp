// The status bar's picture: the bar, message, zoom text and slider from the skin painter (which
// also tests the slider under the pointer), then the toggle buttons laid out right to left.
#include "platform/gdi/font.h"
#include "shell/shell_text.h"
#include "ui/controls/statusbar/statusbar.h"
#include "ui/skin/blitters.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/skin_palette.h"

namespace {

font_ status_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = -11;  // 8.25 points at 96 DPI
  return f;
}

bool colour_style() {
  const skin_palette_rec_& p = skin_palette_;
  return p.color_stbar_bgover >= 1 && p.color_stbar_bgpress >= 1 && p.color_stbar_txpover >= 1 &&
         p.color_stbar_txppress >= 1;
}

}  // namespace

int32_t xcstatusbar_::repaint_() {
  window_* w = win_();
  if (!w) return 0;
  xc_paint_scope_ p(*w);
  dc_& dc = p.dc();
  const int32_t width = p.width(), height = p.height();
  st_.pressed_index = 0;
  reset_text_dc_(dc);
  const font_ font = status_font();
  const font_ old_font = dc.select_font_(font);

  status_bar_args_ a;
  a.text = st_.text;
  a.progress = st_.progress;
  a.zoom_text = st_.zoom_text;
  a.zoom_min = st_.zoom_min;
  a.zoom_max = st_.zoom_max;
  a.zoom_value = st_.zoom_curr;
  a.captured = st_.pressed_part;
  a.mouse_x = st_.mouse_x;
  a.mouse_y = st_.mouse_y;
  a.mouse_down = st_.mouse_down;
  a.no_grip = to_flag_(maximised_());
  int32_t drag = st_.zoom_curr, zoom_left = status_zoom_left_(width, maximised_());
  const int32_t hit = draw_status_bar_(w, dc, a, drag, zoom_left);
  st_.drag_value = drag;

  status_place_buttons_(st_.buttons, zoom_left, height,
                        [&](std::string_view t) { return text_measurer_in_use_().width_(font, t); });
  const bool colours = colour_style();
  const int32_t over = status_button_at_(st_.buttons, st_.mouse_x, st_.mouse_y);
  dc.set_bk_mode_(bk_mode_::transparent_);
  for (size_t i = 0; i < st_.buttons.size(); ++i) {
    const status_button_rec_& b = st_.buttons[i];
    const int32_t index = static_cast<int32_t>(i + 1);
    const bool is_over = over == index;
    const bool down = is_over && st_.mouse_down == true_;
    if (down) st_.pressed_index = index;
    draw_status_background_(dc, b.left - 3, 0, b.right - b.left + 3, height);
    const int32_t bw = b.right - b.left, bh = b.bottom - b.top;
    int32_t text_colour = skin_palette_.color_stbar_text_std;
    if (colours) {
      const bool checked = b.checked != false_;
      int32_t fill = -1;
      if (down) fill = skin_palette_.color_stbar_bgpress;
      else if (is_over) fill = checked ? skin_palette_.color_stbar_bgpress : skin_palette_.color_stbar_bgover;
      else if (checked) fill = skin_palette_.color_stbar_bgpress;
      if (fill >= 0) fill_rect_(dc, b.left, b.top, bw, bh, fill, -1);
      text_colour = skin_palette_.color_stbar_txppress;
    } else {
      draw_status_separator_(dc, b.left - 4, 0, 5, bh);
      item_button_args_ ia;
      ia.x = b.left;
      ia.y = b.top;
      ia.w = bw;
      ia.h = bh;
      ia.item_type = 1;
      ia.state = static_cast<int16_t>(down ? 2 : is_over ? 1 : 0);
      ia.checked = b.checked;
      draw_item_button_(0, dc, ia);
      if (ia.state >= 1 || b.checked != false_) text_colour = skin_palette_.color_stbar_text_chk;
    }
    dc.set_text_colour_(static_cast<uint32_t>(text_colour));
    const std::string title = trim_blanks_(b.title);
    if (b.icon >= 1) {
      pixel_rect_ r{b.left + 22, b.top + 2, b.right - 2, b.bottom - 2};
      dc.draw_text_(title, r, text_single_line_ | text_vcenter_ | text_left_);
      draw_table_icon_(dc, b.left + bh / 2.0f, b.top + bh / 2.0f, 16, b.icon, true_, true_, true_, -1, 0);
    } else {
      pixel_rect_ r{b.left + 2, b.top + 2, b.right - 2, b.bottom - 2};
      dc.draw_text_(title, r, text_single_line_ | text_vcenter_ | text_center_);
    }
  }
  dc.select_font_(old_font);
  return hit;
}
