// The icon list's picture: white background, rows drawn like menu rows (the selected one on the
// checked face), the skinned scroll bar while the rows overflow, and the frame. It paints from
// the skin whether or not one is loaded.
#include <algorithm>

#include "shell/colors.h"
#include "shell/shell_text.h"
#include "shell/ui_metrics.h"
#include "ui/controls/iconlist/iconlist.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_scroll.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/skin_palette.h"

namespace {

font_ list_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = -11;  // 8.25 points at 96 DPI
  return f;
}

void outline(dc_& dc, int32_t l, int32_t t, int32_t r, int32_t b, uint32_t colour) {
  dc.fill_rectangle_({l, t, r + 1, t + 1}, colour);
  dc.fill_rectangle_({l, b, r + 1, b + 1}, colour);
  dc.fill_rectangle_({l, t, l + 1, b + 1}, colour);
  dc.fill_rectangle_({r, t, r + 1, b + 1}, colour);
}

}  // namespace

int32_t xcmemoitems_::memo_paint_(int32_t* drag_pos) {
  window_* w = win_();
  if (!w) return 0;
  xc_paint_scope_ p(*w);
  dc_& dc = p.dc();
  const int32_t W = p.width(), H = p.height();
  constexpr uint32_t background = 0xFFFFFF;
  dc.fill_rectangle_({0, 0, W, H}, background);
  const bool bar_before = st_.bar_shown == true_;
  memo_layout_(st_, H, ui_metrics_.list_row_h_);
  const int32_t under = memo_row_under_(st_, W, bar_before);

  const font_ font = list_font();
  const font_ old_font = dc.select_font_(font);
  for (size_t i = 0; i < st_.rows.size(); ++i) {
    const memo_item_rec_& r = st_.rows[i];
    const std::string text = trim_blanks_(remove_nuls_(r.text));
    const int32_t width = text_measurer_in_use_().width_(font, text) + (st_.icon > 0 ? 32 : 0);
    const bool selected = r.id == st_.selected;
    if (selected) {
      item_button_args_ a;
      a.x = 2;
      a.y = r.top;
      a.w = width;
      a.h = r.height;
      a.item_type = 1;
      a.state = 1;
      a.checked = true_;
      draw_item_button_(0, dc, a);
    }
    draw_menu_item_(dc, 2, r.top, width, r.height, text, ui_metrics_.menu_row_h_, st_.icon,
                    to_flag_(!selected && int32_t(i) == under), false_, true_, "", false_, false_, false_, false_);
  }

  int32_t part = 0;
  if (st_.bar_shown == true_) {
    const int32_t bx = W - 19, by = 2, bh = H - 4;
    const bool on_bar = bx <= st_.mouse_x && st_.mouse_x <= bx + 17 && 2 <= st_.mouse_y && st_.mouse_y <= 2 + bh;
    const bool hot = on_bar || st_.pressed_part > 0;
    int32_t value = drag_pos ? *drag_pos : st_.scroll_pos, centre = 0;
    part = draw_skin_box_(true_, w, dc, bx, by, 17, bh, 0, st_.scroll_range, st_.scroll_pos, st_.thumb_length,
                          st_.mouse_x, st_.mouse_y, st_.pressed, to_flag_(hot), hot ? st_.pressed_part : 0, value,
                          centre);
    if (drag_pos) *drag_pos = value;
  }

  const int32_t base = skin_color_(20);
  if (st_.focused == true_) {
    const int32_t f1 = skin_palette_.color_foc1_border, f2 = skin_palette_.color_foc2_border;
    outline(dc, 0, 0, W - 1, H - 1, static_cast<uint32_t>(f1));
    outline(dc, 0, 0, W + 1, H + 1, static_cast<uint32_t>(f2));
    if (skin_palette_.round_corners == true_) {
      dc.set_pixel_(0, 0, static_cast<uint32_t>(blend_colors_(f2, base, 0.5f)));
      const uint32_t c1 = static_cast<uint32_t>(blend_colors_(f1, base, 0.5f));
      dc.set_pixel_(W - 1, 0, c1);
      dc.set_pixel_(W - 1, H - 1, c1);
      dc.set_pixel_(0, H - 1, c1);
    }
  } else {
    outline(dc, 1, 1, W - 2, H - 2, background);
    const int32_t t = skin_palette_.color_text_border;
    outline(dc, 0, 0, W - 1, H - 1, static_cast<uint32_t>(t));
    if (skin_palette_.round_corners == true_) {
      const uint32_t c = static_cast<uint32_t>(blend_colors_(t, base, 0.5f));
      for (auto [x, y] : {std::pair{0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}}) dc.set_pixel_(x, y, c);
    }
  }
  dc.select_font_(old_font);
  return part;
}
