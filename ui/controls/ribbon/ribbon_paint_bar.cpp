// The bar painter: body, application button, help button, tabs, the active tab's toolbars and
// their controls, then the key-tip badges. It records the hot element as it goes and raises
// UserDraw for user-drawn controls. The whole bar is painted every time.
#include <cmath>

#include "platform/core/types.h"
#include "shell/frame_state.h"
#include "shell/frame_table.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_items.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/skin_palette.h"

namespace {

bool inside(int32_t x, int32_t y, const ribbon_rect_& r) {
  return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

}  // namespace

void xribbon_control_::paint_bar_(bool force) {
  if ((ex1_->visible_() && !force) || ex2_->visible_() || !is_set_(r_.tben_())) return;
  const ui_metrics_rec_& m = r_.metrics();
  window_* top = bar_->parent_() ? bar_->parent_() : bar_.get();
  while (top->parent_()) top = top->parent_();
  if (is_set_(frames_hooked_))
    active_ = get_frame_record_(r_.pWindowID()).active;
  else
    active_ = to_flag_(active_window_() == top);
  const bool active = is_set_(active_);
  const int32_t offset = r_.frame_top_offset_();

  surface_& surf = bar_->client_surface_();
  const int32_t W = surf.width_(), H = surf.height_();
  dc_ dc(surf);
  dc.set_bk_mode_(bk_mode_::transparent_);  // captions lie on the painted band
  dc.fill_rectangle_({0, 0, W, H}, 0);
  reset_text_dc_(dc);
  // Captions are drawn in the font the layout measured them with, or they overrun their places.
  dc.select_font_(r_.font());
  draw_ribbon_body_(bar_.get(), dc, 0, m.ribbon_top_row_h_, offset, active_);
  if (!is_set_(composition_active_) && offset >= 1) {
    const int32_t band = frame_caption_height_(top->handle_()) + frame_border_height_(top->handle_());
    draw_ribbon_band_(dc, -1, offset - band, top->client_width_() + 2, band, active_);
  }

  ribbon_hit_state_& hit = r_.hit;
  const ribbon_press_state_& p = r_.press;
  hit.hot_kind = hot_none_, hit.hot_index = 0;
  const int32_t app_state = is_set_(p.app_pressed) ? 4 : is_set_(p.app_hover) ? 2 : 1;
  draw_ribbon_menu_button_(dc, 0, offset, m.app_button_w_, m.ribbon_top_row_h_, "Menu", app_state);

  if (r_.tab_count >= 1) {
    r_.layout_bar_();
    const bool down = is_set_(p.button_down);
    if (is_set_(r_.helpicon_())) {
      const bool over = p.mouse_x >= hit.help_left && p.mouse_x <= hit.help_right && p.mouse_y >= hit.help_top &&
                        p.mouse_y <= hit.help_bottom;
      const bool pressed = is_set_(p.help_pressed);
      item_button_args_ a;
      a.x = hit.help_left, a.y = hit.help_top + offset, a.w = 24, a.h = 21;
      a.item_type = ribbon_plain_button_;
      a.state = int16_t(over && down && pressed ? 2 : over || pressed ? 1 : 0);
      a.mouse_x = 0, a.mouse_y = 0;
      draw_item_button_(0, dc, a);
      draw_ribbon_glyph_(dc, (hit.help_left + hit.help_right) / 2, (hit.help_top + hit.help_bottom) / 2 + offset,
                         true_);
    }
    const double k = r_.tab_scale_();
    const bool nothing_pressed = p.pressed_control == 0 && p.pressed_toolbar == 0;
    for (int32_t i = 1; i <= r_.tab_count; ++i) {
      const ribbon_tab_rec_& t = r_.tabs[i];
      const bool is_active = i == r_.tab_id_();
      const bool hovered = p.hot_tab == i && nothing_pressed;
      uint8_t state = 0;
      if (active && is_active)
        state = is_set_(r_.key_tips.shown) ? 4 : hovered ? 3 : 2;
      else if (active)
        state = hovered ? 1 : 0;
      else
        state = is_active ? 2 : 0;
      if (active && hovered && state != 4) hit.hot_kind = hot_tab_, hit.hot_index = i;
      dc.set_text_colour_(uint32_t(is_active ? skin_palette_.color_tab_text_act : skin_palette_.color_tab_text_std));
      draw_ribbon_tab_(bar_.get(), dc, t.left, cint32_(t.layout_width * k), m.ribbon_top_row_h_ + 2, state, t.text,
                       offset, active_);
    }

    hit.body_height = H - (m.ribbon_top_row_h_ + 8);
    for (int32_t i = 1; i <= r_.toolbar_count; ++i) {
      const ribbon_toolbar_rec_& tb = r_.toolbars[i];
      if (!is_set_(tb.visible) || tb.tab_id != r_.tab_id_()) continue;
      const bool collapsed = tb.fit_state == toolbar_collapsed_;
      const int32_t w = tb.right - tb.left;
      const bool under = p.mouse_x >= tb.left && p.mouse_x <= tb.right && p.mouse_y >= m.ribbon_top_row_h_ + 4 &&
                         p.mouse_y < H - 4;
      uint8_t state = 0;
      if (!active)
        state = collapsed ? 2 : 0;
      else if (p.pressed_toolbar != 0)
        state = p.pressed_toolbar == i ? (collapsed ? 4 : 1) : (collapsed ? 2 : 0);
      else if (under)
        state = collapsed ? (down ? 4 : 3) : 1;
      else
        state = collapsed ? 2 : 0;
      ribbon_group_args_ g;
      g.group_id = i;
      g.x = tb.left, g.y = m.ribbon_top_row_h_ + 4 + offset, g.w = w, g.h = hit.body_height;
      g.caption = tb.text;
      g.caption_h = m.group_caption_h_, g.launcher_margin = m.launcher_inset_;
      g.state = state;
      g.show_launcher = tb.corner_button;
      g.mouse_x = p.mouse_x, g.mouse_y = p.mouse_y, g.mouse_down = p.button_down;
      g.hot_control = p.pressed_control, g.hot_group = p.pressed_toolbar, g.pressed_group = p.pressed_corner;
      g.top_offset = offset;
      g.narrow_right = false_;
      draw_ribbon_group_(bar_.get(), dc, g);
      if (collapsed) continue;

      for (int32_t c = 1; c <= r_.control_count; ++c) {
        const ribbon_control_rec_& ctl = r_.controls[c];
        if (ctl.toolbar_id != i || ctl.type < 1) continue;
        ribbon_rect_ rc;
        if (!r_.control_rect_on_bar_(c, rc)) continue;
        const bool hover = inside(p.mouse_x, p.mouse_y, rc);
        int16_t computed = int16_t(hover && down ? 2 : hover ? 1 : 0);
        if (hover) hit.hot_kind = hot_control_, hit.hot_index = c;
        item_button_args_ a;
        a.x = rc.x, a.y = rc.y + offset, a.w = rc.w, a.h = rc.h;
        a.item_type = ctl.type;
        const bool user = is_set_(ctl.user_draw);
        a.caption = user ? std::string_view{} : std::string_view(ctl.text);
        a.split_low_h = m.split_drop_h_, a.seg_w_b = m.group_button_w_, a.seg_w_c = m.group_combo_w_;
        a.icon = user ? 0 : ctl.icon;
        a.enabled = ctl.enabled, a.checked = ctl.checked;
        a.mouse_x = p.mouse_x, a.mouse_y = p.mouse_y + offset, a.seg_pressed = p.button_down;
        const bool pressed = p.pressed_control == c;
        if (active) {
          if (pressed)
            a.state = int16_t(hover && down ? 2 : -1);
          else if (hover && down)
            a.state = 0, a.mouse_x = -1, a.mouse_y = -1, a.seg_pressed = false_;
          else
            a.state = computed;
        } else if (pressed && hover && down) {
          a.state = 2;
        } else {
          a.state = 0, a.mouse_x = -1, a.mouse_y = -1;
        }
        draw_item_button_(0, dc, a);
        if (user && r_.UserDraw) r_.UserDraw(&dc, ctl.key, ctl.text, rc.x, rc.y + offset, rc.w, rc.h, 0);
      }
    }
  }
  if (is_set_(r_.key_tips.shown)) paint_key_tips_(dc);
  present_(*bar_);
}

void xribbon_control_::paint_key_tips_(dc_& dc) {
  if (r_.dropdown.mode == dropdown_main_menu_) return;
  const ui_metrics_rec_& m = r_.metrics();
  const ribbon_key_tip_state_& kt = r_.key_tips;
  if (kt.level == 1) {
    draw_key_tip_if_match_(dc, 35, 20, r_.main_alt_key());
    for (int32_t i = 1; i <= r_.tab_count; ++i) {
      const ribbon_tab_rec_& t = r_.tabs[i];
      draw_key_tip_if_match_(dc, t.left + cint32_(t.layout_width / 2.0), m.ribbon_top_row_h_, t.alt_key);
    }
    return;
  }
  if (kt.level != 2 || kt.waiting_group != 0) return;
  // The walk adds 2 pixels per toolbar that the bar's layout does not: the badges drift.
  int32_t X = 4;
  for (int32_t i = 1; i <= r_.toolbar_count; ++i) {
    const ribbon_toolbar_rec_& tb = r_.toolbars[i];
    if (!is_set_(tb.visible) || tb.tab_id != r_.tab_id_()) continue;
    if (tb.fit_state != toolbar_collapsed_) {
      for (int32_t c = 1; c <= r_.control_count; ++c) {
        const ribbon_control_rec_& ctl = r_.controls[c];
        if (ctl.toolbar_id != i || ctl.type == ribbon_group_ || ctl.type == ribbon_separator_) continue;
        const ribbon_rect_& q = tb.fit_state == toolbar_minimal_ ? ctl.min_rect : ctl.std_rect;
        const double cy = q.y + q.h / 2.0;
        int32_t bx = 0, by = 0;
        if (q.h >= m.large_button_h_ / 2.0)
          bx = cint32_(q.x + q.w / 2.0 + X), by = m.ribbon_top_row_h_ + 6 + q.y + q.h;
        else if (cy >= 0 && cy < 22)
          bx = q.x + 16 + X, by = m.ribbon_top_row_h_ + 6 + q.y;
        else if (cy >= 22 && cy < 44)
          bx = q.x + 16 + X, by = cint32_(m.ribbon_top_row_h_ + 6 + q.y + q.h / 2.0);
        else if (cy >= 44 && cy < 66)
          bx = q.x + 16 + X, by = m.ribbon_top_row_h_ + 6 + q.y + q.h;
        else
          bx = cint32_(q.x + q.w / 2.0 + X), by = cint32_(m.ribbon_top_row_h_ + 14 + q.y + q.h / 2.0);
        draw_key_tip_if_match_(dc, bx, by, ctl.alt_key);
      }
    }
    X += r_.toolbar_width_(i) + 2;
  }
}

void xribbon_control_::draw_key_tip_if_match_(dc_& dc, int32_t x, int32_t y, const std::string& text) {
  const std::string& typed = r_.key_tips.typed;
  if (!typed.empty() && upper_ascii_(text.substr(0, typed.size())) != upper_ascii_(typed)) return;
  draw_key_tip_(dc, x, y, text);
}
