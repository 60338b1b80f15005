// The combo box's pictures: the closed field from the edit-box painter (with its swatch or icon
// and the focus frame), and the drop list's rows, scroll bar and border.
#include <algorithm>

#include "platform/services/screen.h"
#include "shell/colors.h"
#include "shell/ui_metrics.h"
#include "ui/controls/combo/combo.h"
#include "ui/skin/blitters.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/paint_scroll.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/skin_file.h"
#include "ui/skin/skin_palette.h"

namespace {

font_ combo_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = 13;
  return f;
}

void outline(dc_& dc, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t colour) {
  dc.fill_rectangle_({l, t, r + 1, t + 1}, colour);
  dc.fill_rectangle_({l, b, r + 1, b + 1}, colour);
  dc.fill_rectangle_({l, t, l + 1, b + 1}, colour);
  dc.fill_rectangle_({r, t, r + 1, b + 1}, colour);
}

std::string one_line(std::string s) {
  for (size_t at = s.find("\r\n"); at != std::string::npos; at = s.find("\r\n", at)) s.replace(at, 2, " ");
  return s;
}

}  // namespace

void xccombobox_::paint_field_(int32_t state) {
  if (state != -1) st_.field_state = state;
  window_* w = win_();
  if (!w) return;
  xc_paint_scope_ p(*w);
  dc_& dc = p.dc();
  const int32_t W = p.width(), H = p.height();
  if (skin_loaded_ != true_) {
    const uint32_t face = uint32_t(placeholder_face_()), line = uint32_t(placeholder_outline_());
    dc.fill_rectangle_({0, 0, W, H}, face);
    outline(dc, 0, 0, W - 1, H - 1, line);
    outline(dc, 0, 0, W - 17, H - 1, line);
    const bk_mode_ old_mode = dc.set_bk_mode_(bk_mode_::transparent_);
    const uint32_t old_colour = dc.set_text_colour_(uint32_t(blend_colors_(int32_t(line), 0, 0.5f)));
    pixel_rect_ r{0, 0, W, H};
    dc.draw_text_("xccombobox_", r, text_left_ | text_vcenter_ | text_single_line_ | text_no_prefix_);
    dc.set_text_colour_(old_colour);
    dc.set_bk_mode_(old_mode);
    return;
  }
  const int32_t skin_state = list_visible_() ? 4 : st_.field_state;
  const font_ old_font = dc.select_font_(combo_font());
  const std::string shown = one_line(st_.text);
  const int32_t sel = combo_item_at_(st_, st_.list_index);
  int32_t indent = 0, swatch = -1, icon = 0;
  if (st_.has_colours == true_ && st_.icon_mode == false_) {
    indent = H;
    const int32_t c = sel >= 0 ? st_.items[size_t(sel)].colour : -1;
    if (c >= 0) swatch = c;
    else if (sel >= 0 && c < -1) icon = -c;  // an item without colour shows the bare indent
  } else {
    const int32_t i = sel >= 0 ? st_.items[size_t(sel)].colour : 0;
    if (i >= 1) {
      indent = 20;
      icon = i;
    }
  }
  draw_edit_box_window_(w, dc, shown, st_.enabled, indent, swatch, icon, skin_state);
  if (st_.focused == true_ && st_.enabled == true_ && skin_state != 4 && st_.border == true_) {
    outline(dc, 0, 0, W - 1, H - 1, uint32_t(skin_palette_.color_foc1_border));
    dc.fill_rectangle_({0, 0, W, 1}, uint32_t(skin_palette_.color_foc2_border));
    dc.fill_rectangle_({0, 0, 1, H}, uint32_t(skin_palette_.color_foc2_border));
  }
  dc.select_font_(old_font);
}

int32_t xccombobox_::paint_list_(int32_t* drag_value) {
  window_* lw = list_window_();
  if (!lw) return 0;
  xc_paint_scope_ p(*lw);
  dc_& dc = p.dc();
  const int32_t W = p.width(), H = p.height();
  dc.fill_rectangle_({0, 0, W, H}, 0xFFFFFF);
  const font_ old_font = dc.select_font_(combo_font());
  const int32_t row_w = st_.needs_bar == true_ ? W - 21 : W - 4;
  if (!st_.items.empty()) st_.hot_row = -1;
  const bool colour_mode = st_.has_colours == true_ && st_.icon_mode == false_;
  int32_t y = 2;
  for (int32_t i = std::max(st_.top_row, 0); i <= st_.last_index && i < int32_t(st_.items.size()); ++i) {
    const combo_item_rec_& it = st_.items[size_t(i)];
    if (it.hidden != false_) continue;
    if (y > H) break;
    const int32_t rh = ui_metrics_.list_row_h_;
    const bool hot = st_.over_list == true_ && st_.pressed_part == 0 && 2 <= st_.list_x && st_.list_x < 2 + row_w &&
                     y <= st_.list_y && st_.list_y < y + rh;
    if (hot) st_.hot_row = i;
    const int32_t indent = colour_mode || st_.icon_mode == true_ ? rh : 0;
    draw_menu_item_(dc, 2, y, row_w, rh, it.text.text, indent, 0, to_flag_(hot), false_, true_, it.extra, false_,
                    false_, false_, true_);
    if (colour_mode) {
      const int32_t c = it.colour;
      if (c >= 0) {
        const int32_t border = blend_colors_(
            c, blend_colors_(skin_palette_.color_popup_border, skin_palette_.color_text_border, 0.5f), 0.5f);
        fill_rect_(dc, 7, y + 5, rh - 10, rh - 10, c, border);
      } else if (c < -1) {
        draw_table_icon_(dc, 4.0f, float(y + 2), 16, -c, false_, false_, true_, 0, false_);
      }
    } else if (st_.icon_mode == true_) {
      draw_table_icon_(dc, 4.0f, float(y + 2), 16, it.colour, false_, false_, true_, 0, false_);
    }
    y += rh;
  }
  int32_t part = 0;
  if (st_.needs_bar == true_) {
    const int32_t bx = W - 18, by = 1, bw = 17, bh = H - 2;
    const bool outside = st_.list_x < bx || st_.list_x > bx + bw || st_.list_y < by || st_.list_y > by + bh;
    const bool quiet = outside && st_.pressed_part == 0;
    int32_t value = 0, centre = 0;
    part = draw_skin_box_(true_, lw, dc, bx, by, bw, bh, st_.scroll_min, st_.scroll_max, st_.top_row, 10, st_.list_x,
                          st_.list_y, st_.list_pressed, to_flag_(!quiet), quiet ? 0 : st_.pressed_part, value, centre);
    if (drag_value) *drag_value = value;
  }
  outline(dc, 0, 0, W - 1, H - 1, uint32_t(skin_color_(3)));
  dc.select_font_(old_font);
  return part;
}
