// Painting a tool window from the skin: the floating frame with its close box, the menu bar's
// fill, the band with its end button, the grip, separators and every button by type and state.
// Each paint draws the whole window on its surface and presents it once.
#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "shell/focus_state.h"
#include "shell/shell_text.h"
#include "shell/ui_metrics.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_dock.h"
#include "ui/skin/paint_text.h"
#include "ui/skin/skin_palette.h"

namespace {

std::string trimmed_upper(std::string_view s) { return upper_ascii_(trim_blanks_(s)); }

}  // namespace

bool xdocktb_::on_close_box_(int32_t t, int32_t cx, int32_t cy) const {
  const window_* w = tool_window_(t);
  if (!w || dock_is_docked_(toolbars[size_t(t)].dock) || !is_set_(toolbars[size_t(t)].close)) return false;
  const int32_t cw = w->client_width_();
  return cx >= cw - 18 && cx <= cw - 4 && cy >= 4 && cy <= 18;
}

void xdocktb_::paint_toolbar_(int32_t t, int32_t mx, int32_t my) {
  window_* win = tool_window_(t);
  if (!win) return;
  dock_toolbar_rec_& tb = toolbars[size_t(t)];
  const dock_area_code_ a = tb.dock;
  const bool vert = dock_is_vertical_(a);
  const int32_t w = win->client_width_(), h = win->client_height_();
  dc_ dc(win->client_surface_());
  dc.fill_rectangle_({0, 0, w, h}, 0xFFFFFF);
  dc.set_bk_mode_(bk_mode_::transparent_);  // texts lie on the skin, not in boxes of their own
  const skin_palette_rec_& p = skin_palette_;

  if (!dock_is_docked_(a)) {
    uint8_t close_state = 0;
    if (endbtn_menu_tb == 0) {
      if (close_hot_tb == t)
        close_state = is_set_(button_down) ? 2 : 1;
      else if (close_press_tb == t && is_set_(button_down))
        close_state = 1;
    }
    draw_float_toolbar_frame_(dc, 0, 0, w, h, tb.title, tb.menu, main_active, tb.close, close_state, 14, 2, 1, 16);
  } else {
    if (is_set_(tb.menu)) {
      fill_rect_(dc, 0, 0, w, h, p.color_bgmenu >= 1 ? p.color_bgmenu : p.color_dockbg_act, -1);
    } else {
      int32_t state = 1;
      const bool on_end = vert ? (mx >= 0 && mx <= w && my >= h - 12 && my <= h)
                               : (mx >= w - 12 && mx <= w && my >= 0 && my <= h);
      if (is_set_(main_active) && on_end) state = is_set_(button_down) ? 4 : 2;
      if (endbtn_menu_tb != 0) state = endbtn_menu_tb == t ? 4 : 1;
      if (last_hit.slot > 0) state = 1;
      draw_dock_toolbar_body_(dc, 0, 0, w, h, 12, to_flag_(vert), 0, 0, state);
    }
    // The menu bar has a grip of its own look.
    const flag16_ menu = tb.menu;
    if (vert)
      draw_dock_gripper_(dc, cint32_(w / 2.0), 5, true_, menu, false_);
    else
      draw_dock_gripper_(dc, 5, cint32_(h / 2.0), false_, menu, false_);
  }

  layout_slots_(t, a);
  for (int32_t i = 1; i <= tb.slot_count; ++i) {
    const dock_button_slot_rec_ s = tb.slots[size_t(i)];
    if (!is_set_(s.visible) || !valid_button_(s.button_id)) continue;
    bool hot = false, pressed = false;
    int32_t part = 0;
    if (close_press_tb == 0 && endbtn_menu_tb == 0) {
      if (press_hit.toolbar == t && press_hit.slot == i) {
        part = press_hit.part;
        (hover_hit.slot == i ? pressed : hot) = true;
      } else if (hover_hit.toolbar == t && hover_hit.slot == i && press_hit.slot < 1) {
        part = hover_hit.part;
        hot = true;
      }
    }
    if (is_set_(s.separator)) {
      if (vert)
        draw_dock_separator_h_(dc, s.x + 2, s.y - 3, s.width - 3, 2);
      else
        draw_dock_separator_v_(dc, s.x - 3, s.y + 2, 2, s.height - 3);
    }
    const dock_button_rec_& b = button_(s.button_id);
    if (is_set_(b.cdraw)) {
      paint_button_(dc, t, i, s.x, s.y, s.width, s.height, hot, pressed, part);
      // The host draws inside the button's face, clear of its frame and arrow.
      const int32_t depth = dc.save_();
      if (vert)
        dc.intersect_clip_rect_({s.x + 2, s.y + 2, s.x + s.width - 4, s.y + s.height - 16});
      else
        dc.intersect_clip_rect_({s.x + 2, s.y + 2, s.x + s.width - 16, s.y + s.height - 4});
      if (UserDraw)
        UserDraw(t, s.button_id, trimmed_upper(b.key), trimmed_upper(b.key2), 0, &dc, s.x, s.y, s.width, s.height,
                 ui_metrics_.menu_row_h_, vert ? true_ : false_);
      dc.restore_(depth);
      dc.clear_clip_();
    } else if (b.type == dock_btn_embedded_ && b.xc_hwnd != 0) {
      if (window_* e = find_window_(b.xc_hwnd)) e->move_to_(s.x, s.y);
    } else {
      paint_button_(dc, t, i, s.x, s.y, s.width, s.height, hot, pressed, part);
    }
  }
  win->update_();
}

void xdocktb_::paint_button_(dc_& dc, int32_t t, int32_t i, int32_t x, int32_t y, int32_t w, int32_t h, bool hot,
                             bool pressed, int32_t part) {
  const int32_t bid = slot_button_id_(t, i);
  if (!valid_button_(bid)) return;
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  const dock_button_slot_rec_& s = tb.slots[size_t(i)];
  const dock_button_rec_& b = button_(bid);
  const bool vert = dock_is_vertical_(tb.dock);
  const flag16_ vflag = to_flag_(vert);
  const std::string text =
      is_set_(b.show_text) || b.type == dock_btn_title_ || b.type == dock_btn_textbox_ ? s.text : std::string();
  const int32_t ax = vert ? x + 12 : x + 13;
  const int32_t ay = vert ? y + 13 : cint32_(y + h / 2.0 + 1);
  const bool eligible = !is_set_(grip_down) && is_set_(main_active) && !is_set_(menu_open);
  const int32_t state = !eligible ? 1 : pressed ? 4 : hot ? 2 : 1;
  const bool open_here = menu_tb == t && menu_slot == i;
  switch (b.type) {
    case dock_btn_dropdown_:
    case dock_btn_split_:
      draw_dock_arrow_button_(dc, x, y, w + 1, h + 1, b.icon, text, open_here ? 4 : state, b.check, tb.menu, ax, ay,
                              vflag, 12, b.type == dock_btn_split_ ? part : 0, to_flag_(b.type == dock_btn_split_));
      break;
    case dock_btn_fixed_:
      draw_dock_custom_button_(dc, x, y, w + 1, h + 1, text, open_here ? 4 : state, vflag);
      break;
    case dock_btn_textbox_: {
      const skin_palette_rec_& p = skin_palette_;
      const bool box_state = focus_state_code_ == focus_toolbar_box_;
      const bool focused = box_state && focus_toolbar_ == t && focus_item_ == i;
      fill_rect_(dc, x + 2, y + 2, w - 2, h - 2, p.color_main_menu, focused ? p.color_foc2_border : p.color_text_border);
      const int32_t s0 = focused ? focus_sel_anchor_ : 0, s1 = focused ? focus_caret_ : 0;
      const flag16_ show = to_flag_(box_state && focused);
      if (vert)
        draw_text_line_(dc, x, y + 5, w + 1, h - 5, text, true_, p.color_btn_text_act, s0, s1, show);
      else
        draw_text_line_(dc, x + 5, y, w - 5, h + 1, text, false_, p.color_btn_text_act, s0, s1, show);
      break;
    }
    default: {
      int32_t st = state;
      if (open_here) st = b.type == dock_btn_title_ ? 4 : 2;
      draw_dock_button_(dc, x, y, w + 1, h + 1, b.icon, text, st, b.check, tb.menu, ax, ay, vflag, false_);
      break;
    }
  }
}
