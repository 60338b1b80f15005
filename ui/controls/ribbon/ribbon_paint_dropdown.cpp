// The drop-down painters: the application menu and a collapsed toolbar in win_ex1_, a popup
// menu or a combo's drop list in win_ex2_. Each paints its whole window over the captured
// background (whose right and bottom 5 pixels show the shadow) and records what lies under
// the window's mouse record.
#include <algorithm>
#include <string>

#include "platform/core/types.h"
#include "shell/colors.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/skin/blitters.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/paint_scroll.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/popup_background.h"
#include "ui/skin/skin_palette.h"
#include "shell/icons.h"

namespace {

int32_t border_colour() {
  return blend_colors_(skin_palette_.color_popup_border, skin_palette_.color_text_border, 0.5f);
}
int32_t swatch_border() {
  return blend_colors_(skin_palette_.color_popup_margin, skin_palette_.color_popup_border, 0.25f);
}

// The one-pixel outline through (0, 0), (w - 1, 0), (w - 1, h - 1), (0, h - 1).
void outline(dc_& dc, int32_t w, int32_t h, int32_t colour) {
  const uint32_t c = uint32_t(colour);
  dc.fill_rectangle_({0, 0, w, 1}, c);
  dc.fill_rectangle_({0, h - 1, w, h}, c);
  dc.fill_rectangle_({0, 0, 1, h}, c);
  dc.fill_rectangle_({w - 1, 0, w, h}, c);
}

std::string row_text(const std::string& text) {
  std::string t = trim_blanks_(text);
  std::replace(t.begin(), t.end(), '_', ' ');
  return t;
}

bool inside(int32_t x, int32_t y, const ribbon_rect_& r) {
  return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

}  // namespace

void xribbon_control_::paint_main_menu_() {
  ribbon_dropdown_state_& d = r_.dropdown;
  d.main_hot = 0;
  surface_& s = ex1_->client_surface_();
  const int32_t W = s.width_(), H = s.height_(), R = W - 5, B = H - 5;
  dc_ dc(s);
  dc.set_bk_mode_(bk_mode_::transparent_);  // captions lie on the painted band
  dc.select_font_(r_.font());
  reset_text_dc_(dc);
  blit_popup_background_(1, dc, 0, 0, W, H);
  app_menu_insets_rec_ in;
  draw_main_menu_frame_(0, nullptr, 0, 0, 0, 0, in, "", "", 0, 0);
  dc.set_text_colour_(
      uint32_t(blend_colors_(skin_palette_.color_menu_text_std, skin_palette_.color_btn_text_act, 0.75f)));
  const int32_t mx = d.ex1_mouse.x, my = d.ex1_mouse.y;
  const int32_t exit_w = dc.text_extent_(r_.main_text2).cx + 16, opt_w = dc.text_extent_(r_.main_text1).cx + 16;
  const int32_t exit_r = R - in.right + 1, exit_l = exit_r - exit_w;
  const int32_t opt_r = exit_l - 4, opt_l = opt_r - opt_w;
  const int32_t top = B - in.bottom - 4;
  const bool on_band = top <= my && my <= top + in.bottom;
  int32_t hover = 0;
  if (on_band && opt_l <= mx && mx <= opt_r)
    hover = 1, d.main_hot = -1;
  else if (on_band && exit_l <= mx && mx <= exit_r)
    hover = 2, d.main_hot = -2;
  draw_main_menu_frame_(0, &dc, 0, 0, R, B, in, r_.main_text1, r_.main_text2, hover, r_.frame_top_offset_());
  int32_t y = in.top;
  for (int32_t i = 1; i <= r_.mainmenu_count; ++i) {
    const ribbon_mainmenu_item_rec_& it = r_.mainmenu[i];
    if (!is_set_(it.visible)) continue;
    const bool sep = is_separator_text_(it.text);
    const bool over = !sep && d.main_hot == 0 && in.left <= mx && mx <= R - in.right && y <= my && my <= y + it.height;
    if (over) d.main_hot = i;
    if (sep)
      draw_separator_line_(ex1_.get(), dc, in.left + 40, y + cint32_(it.height / 2.0), R - in.right - 5);
    else
      draw_menu_item_(dc, in.left, y, R - (in.left + in.right), it.height, it.text, 40, it.icon, to_flag_(over),
                      false_, true_, it.shortcut, true_, false_, false_, false_);
    y += it.height;
  }
  present_(*ex1_);
}

void xribbon_control_::paint_collapsed_toolbar_() {
  const ribbon_dropdown_state_& d = r_.dropdown;
  if (d.mode != dropdown_none_) return;
  const ui_metrics_rec_& m = r_.metrics();
  const ribbon_press_state_& p = r_.press;
  surface_& s = ex1_->client_surface_();
  const int32_t W = s.width_(), H = s.height_();
  dc_ dc(s);
  dc.set_bk_mode_(bk_mode_::transparent_);  // captions lie on the painted band
  dc.select_font_(r_.font());
  blit_popup_background_(1, dc, 0, 0, W, H);
  const int32_t t = d.collapsed_toolbar;
  if (r_.tab_count >= 1 && t >= 1 && t <= r_.toolbar_count) {
    const ribbon_toolbar_rec_& tb = r_.toolbars[t];
    const ribbon_mouse_rec_& mm = d.ex1_mouse;
    ribbon_group_args_ g;
    g.group_id = t;
    g.x = 1, g.y = 1, g.w = W - 5, g.h = H - 5;
    g.caption = tb.text;
    g.caption_h = m.group_caption_h_, g.launcher_margin = m.launcher_inset_;
    g.state = is_set_(d.inside_ex1) || p.pressed_control != 0 ? 1 : 0;
    g.show_launcher = tb.corner_button;
    g.mouse_x = mm.x, g.mouse_y = mm.y, g.mouse_down = mm.down;
    g.hot_control = p.pressed_control, g.hot_group = p.pressed_toolbar, g.pressed_group = p.pressed_corner;
    g.top_offset = 0;
    g.narrow_right = true_;
    draw_ribbon_group_(ex1_.get(), dc, g);
    const bool down = is_set_(mm.down);
    for (int32_t c = 1; c <= r_.control_count; ++c) {
      const ribbon_control_rec_& ctl = r_.controls[c];
      ribbon_rect_ rc;
      if (ctl.type < 1 || !r_.control_rect_in_window_(c, rc)) continue;
      const bool hover = inside(mm.x, mm.y, rc);
      item_button_args_ a;
      a.x = rc.x, a.y = rc.y, a.w = rc.w, a.h = rc.h;
      a.item_type = ctl.type;
      a.caption = ctl.text;
      a.split_low_h = m.split_drop_h_, a.seg_w_b = m.group_button_w_, a.seg_w_c = m.group_combo_w_;
      a.icon = ctl.icon, a.enabled = ctl.enabled, a.checked = ctl.checked;
      a.mouse_x = mm.x, a.mouse_y = mm.y, a.seg_pressed = mm.down;
      if (p.pressed_control == c)
        a.state = int16_t(hover && down ? 2 : -1);
      else if (hover && down)
        a.state = 0, a.mouse_x = -1, a.mouse_y = -1, a.seg_pressed = false_;
      else
        a.state = int16_t(hover ? 1 : 0);
      draw_item_button_(0, dc, a);
    }
  }
  present_(*ex1_);
}

void xribbon_control_::paint_popup_menu_() {
  const ui_metrics_rec_& m = r_.metrics();
  ribbon_dropdown_state_& d = r_.dropdown;
  const int32_t owner = r_.press.pressed_drop, group = r_.press.pressed_cell;
  bool big = false;
  for (int32_t i = 1; i <= r_.popup_count; ++i)
    if (popup_row_(i, owner, group) && !is_separator_text_(r_.popup[i].text) && r_.popup[i].height >= m.big_item_h_)
      big = true;
  const int32_t c = big ? m.big_menu_row_h_ : m.menu_row_h_;
  surface_& s = ex2_->client_surface_();
  const int32_t W = s.width_() - 5, H = s.height_() - 5;
  dc_ dc(s);
  dc.set_bk_mode_(bk_mode_::transparent_);  // captions lie on the painted band
  font_ regular = r_.font();
  dc.select_font_(regular);
  reset_text_dc_(dc);
  blit_popup_background_(2, dc, 0, 0, s.width_(), s.height_());
  fill_rect_(dc, 0, 0, W, H, skin_palette_.color_popup_menu, -1);
  d.hot_popup_key.clear();
  d.hot_cell = "0";
  const int32_t mx = d.ex2_mouse.x, my = d.ex2_mouse.y;
  bool taken = false;  // a row or cell holds the mouse already
  int32_t y = 2;
  for (int32_t i = 1; i <= r_.popup_count; ++i) {
    if (!popup_row_(i, owner, group)) continue;
    const menu_item_rec_& it = r_.popup[i];
    if (is_separator_text_(it.text)) {
      draw_separator_line_(ex2_.get(), dc, 2 + c + 2, y + 2, W - 3);
    } else if (it.value_list >= 1) {
      const int32_t cell = std::max(it.height, 4);
      int32_t x = 2 + c;
      for (size_t v = 0; v < it.values.size(); ++v) {
        const int32_t value = it.values[v];
        int32_t w = 0;
        if (value >= 1) {
          w = cell;
        } else if (value <= -1) {
          int32_t iw = 0, ih = 0;
          get_icon_size_(-value, iw, ih);
          w = iw + 8;
        } else {
          continue;  // a value of 0 takes no room
        }
        if (!taken && x <= mx && mx <= x + w && y <= my && my <= y + cell) {
          taken = true;
          int32_t hh = cell;
          draw_menu_item_(dc, x, y, w, hh, "", 0, 0, true_, false_, true_, "", false_, false_, false_, false_);
          d.hot_popup_key = trim_blanks_(it.key);
          d.hot_cell = std::to_string(v + 1);
        }
        if (value >= 1)
          fill_rect_(dc, x + 4, y + 4, cell - 8, cell - 8, value, swatch_border());
        else
          draw_table_icon_(dc, float(x + 4), float(y + 4), 16, -value, false_, false_, true_, 0, true_);
        x += w;
      }
    } else {
      font_ f = regular;
      f.weight = is_set_(it.bold) ? 700 : regular.weight;
      dc.select_font_(f);
      const bool row_big = it.height >= m.big_item_h_;
      const bool on_row = y <= my && my <= y + it.height && 0 <= mx && mx <= W;
      bool hover = false;
      if (is_set_(it.multi_select))
        hover = my > y && 0 <= mx && mx <= W;
      else
        hover = on_row && !taken;
      if (on_row) taken = true;
      if (hover) d.hot_popup_key = trim_blanks_(it.key);
      draw_menu_item_(dc, 2, y, W - 4, it.height, row_text(it.text), c, -it.icon > 1 ? -it.icon : 0, to_flag_(hover),
                      it.checked, it.enabled, it.shortcut, false_, to_flag_(row_big), false_, false_);
      dc.select_font_(regular);
      if (it.icon >= 0) fill_rect_(dc, 6, y + 4, it.height - 8, it.height - 8, it.icon, swatch_border());
    }
    y += it.height;
  }
  outline(dc, W, H, border_colour());
  present_(*ex2_);
}

int32_t xribbon_control_::paint_drop_list_(int32_t& new_top) {
  ribbon_dropdown_state_& d = r_.dropdown;
  surface_& s = ex2_->client_surface_();
  const int32_t W = s.width_(), H = s.height_();
  dc_ dc(s);
  dc.set_bk_mode_(bk_mode_::transparent_);  // captions lie on the painted band
  dc.select_font_(r_.font());
  dc.set_bk_colour_(uint32_t(skin_palette_.color_popup_menu));
  reset_text_dc_(dc);
  blit_popup_background_(2, dc, 0, 0, W, H);
  fill_rect_(dc, 0, 0, W - 5, H - 5, skin_palette_.color_popup_menu, -1);
  const int32_t sx = W - 23, sy = 1, sw = 17, sh = H - 7;
  const bool shown = is_set_(d.list_scroll_shown);
  const int32_t row_w = (shown ? W - 22 : W - 4) - 5;
  const int32_t owner = r_.press.pressed_drop;
  const bool user = owner >= 1 && owner <= r_.control_count && is_set_(r_.controls[owner].user_draw);
  const std::string owner_key = owner >= 1 && owner <= r_.control_count ? r_.controls[owner].key : std::string();
  const int32_t mx = d.ex2_mouse.x, my = d.ex2_mouse.y;
  d.list_hot = -1;
  int32_t n = 0, y = 2;
  for (int32_t i = 1; i <= r_.popup_count && y <= H; ++i) {
    if (!popup_row_(i, owner, 0)) continue;
    if (++n < d.list_top) continue;
    const menu_item_rec_& it = r_.popup[i];
    const bool over = d.list_hot == -1 && 2 <= mx && mx < 2 + row_w && y <= my && my < y + it.height &&
                      d.list_pressed_part == 0;
    if (over) d.list_hot = i;
    if (y + it.height <= H) {
      draw_menu_item_(dc, 2, y, row_w, it.height, user ? std::string() : it.text, 5, 0, to_flag_(over), false_, true_,
                      "", false_, false_, false_, false_);
      if (user && r_.UserDraw) r_.UserDraw(&dc, owner_key, it.text, 2, y, row_w, it.height, it.value);
    }
    y += it.height;
  }
  int32_t result = -1;
  if (d.list_max > d.list_min && shown) {
    const bool in_bar = sx <= mx && mx < sx + sw && sy <= my && my < sy + sh;
    int32_t value = 0, centre = 0;
    if (in_bar || d.list_pressed_part >= 1)
      result = draw_skin_box_(true_, ex2_.get(), dc, sx, sy, sw, sh, d.list_min, d.list_max, d.list_top, d.list_thumb,
                              mx, my, d.ex2_mouse.down, true_, d.list_pressed_part, value, centre);
    else
      result = draw_skin_box_(true_, ex2_.get(), dc, sx, sy, sw, sh, d.list_min, d.list_max, d.list_top, d.list_thumb,
                              -1, -1, false_, false_, 0, value, centre);
    if (d.list_pressed_part == 2) new_top = value;
  }
  outline(dc, W - 5, H - 5, border_colour());
  present_(*ex2_);
  return result;
}
