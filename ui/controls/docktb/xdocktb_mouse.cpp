// The mouse on tool windows: a press activates the main window, raises MouseDown, starts a
// drag on the grip (or a floating window's title strip), presses the close box, gives text
// boxes the focus and opens drop-downs and end-button menus; moves drag, or light buttons,
// set tooltips and pointer shapes, select text and track the menu bar; a release raises
// ButtonClick or closes a floating window by its close box. Positions come from the screen
// cursor less the window's corner.
#include "platform/gdi/dc.h"
#include "platform/input/cursor.h"
#include "shell/focus_state.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"

namespace {

std::string norm(std::string_view s) { return upper_ascii_(trim_blanks_(s)); }

bool opens_menu(int32_t type, int32_t part) {
  return type == dock_btn_title_ || type == dock_btn_fixed_ || type == dock_btn_dropdown_ ||
         (type == dock_btn_split_ && part == 2);
}

}  // namespace

void xdocktb_::wire_tool_window_(int32_t i) {
  if (i < 1 || size_t(i) >= tool_.size() || !tool_[size_t(i)]) return;
  window_& w = *tool_[size_t(i)];
  w.on_mouse = [this, i](const mouse_event_& m) { tool_mouse_(i, m); };
  w.on_key = [this, i](const ::key_event_& k) { tool_key_(i, k); };
  if (tool_tips.size() <= size_t(i)) tool_tips.resize(size_t(i) + 1);
  tool_tips[size_t(i)].clear();
}

void xdocktb_::tool_mouse_(int32_t i, const mouse_event_& m) {
  switch (m.type) {
    case mouse_type_::down: tool_mouse_down_(i, m); break;
    case mouse_type_::move: tool_mouse_move_(i, m); break;
    case mouse_type_::up: tool_mouse_up_(i, m); break;
    case mouse_type_::double_click: tool_double_click_(i); break;
    default: break;
  }
}

bool xdocktb_::another_window_active_() const {
  if (main_hwnd == 0) return false;
  const window_* a = active_window_();
  return a && a->handle_() != main_hwnd;
}

void xdocktb_::tool_mouse_down_(int32_t i, const mouse_event_& m) {
  endbtn_menu_tb = 0;
  window_* main = main_window_();
  if (another_window_active_()) {
    if (main) main->activate_();
    return;
  }
  window_* w = size_t(i) < tool_.size() ? tool_[size_t(i)].get() : nullptr;
  if (!w) return;
  const bool box_focus = focus_state_code_ == focus_toolbar_box_;
  const int32_t noted_tb = box_focus ? focus_toolbar_ : 0, noted_item = box_focus ? focus_item_ : 0;
  focus_text_item_(0, 0, false_);
  if (MouseDown) MouseDown(int16_t(m.button), int16_t(m.shift), float(m.x), float(m.y));
  w->raise_();
  if (main) {
    main->activate_();
    // Owned windows stay above their owner; without a window manager nobody else sees to that.
    for (int32_t u = 1; u <= toolbar_count; ++u)
      if (window_* f = tool_window_(u); f && f != w && f->kind_() != window_kind_::child && f->visible_()) f->raise_();
    if (w->kind_() != window_kind_::child) w->raise_();
  }
  const pixel_point_ c = cursor_pos_();
  const pixel_rect_ r = w->window_rect_();
  press_win_x = r.left;
  press_win_y = r.top;
  press_cursor_x = c.x;
  press_cursor_y = c.y;
  const int32_t cx = c.x - r.left, cy = c.y - r.top;
  w->set_capture_();  // moves keep coming here while the button is held, wherever the pointer goes
  const int32_t t = toolbar_of_window_(i);
  if (!valid_toolbar_(t)) {
    clear_menu_state_();
    return;
  }
  const dock_toolbar_rec_& tb = toolbars[size_t(t)];
  const int32_t ww = int32_t(r.width_()), wh = int32_t(r.height_());
  grip_down = false_;
  bool grip = false;
  if (dock_is_horizontal_(tb.dock)) {
    grip = cx >= 0 && cx <= 11 && cy >= 0 && cy <= wh;
  } else if (dock_is_vertical_(tb.dock)) {
    grip = cy >= 0 && cy <= 11 && cx >= 0 && cx <= ww;
  } else {
    grip = cy >= 0 && cy <= 18 && cx >= 0 && cx <= ww;
    if (close_hot_tb == t) {
      close_press_tb = t;
      grip_down = false_;
      button_down = true_;
      paint_toolbar_(t, cx, cy);
      return;
    }
  }
  if (grip) {
    grip_down = true_;
    drag_area = tb.dock;
    drag_row = tb.row;
  } else {
    button_down = true_;
  }
  const dock_area_code_ a = dock_area_at_cursor_(t);
  if (dock_is_docked_(a)) place_in_dock_(0, a, t, 0, 0);
  if (m.button != button_left_) return;

  const dock_hit_rec_ hit = hit_test_toolbar_(t, cx, cy, true_);
  last_hit = press_hit = hover_hit = hit;
  if (hit.caret >= 1) {
    focus_sel_anchor_ = focus_caret_ = hit.caret;
  } else if (hit.toolbar == -t && hit.slot == -t) {
    endbtn_menu_tb = t;
    open_endbtn_menu_(t);
  }
  if (is_set_(menu_open) && valid_toolbar_(menu_tb)) {
    const int32_t u = menu_tb;
    menu_open = 0;
    menu_slot = 0;
    paint_toolbar_(u, -1, -1);
    paint_toolbar_(t, cx, cy);
  } else if (endbtn_menu_tb == 0) {
    paint_toolbar_(t, cx, cy);
  }
  const int32_t b = hit.slot >= 1 ? slot_button_id_(t, hit.slot) : 0;
  if (b == 0 && endbtn_menu_tb == 0) clear_menu_state_();
  if (!valid_button_(b)) return;
  const dock_button_rec_& btn = button_(b);
  if (opens_menu(btn.type, hit.part)) {
    if (menu_shown_(1) && menu_tb == t)
      hide_menu_();
    else
      open_dropdown_(t, hit.slot);
  } else if (btn.type == dock_btn_textbox_) {
    menu_open = 0;
    menu_tb = menu_slot = 0;
    hide_menu_windows_();
    if (noted_tb == t && noted_item == hit.slot) {
      focus_text_item_(t, hit.slot, false_);
      if (hit.caret >= 1) focus_sel_anchor_ = focus_caret_ = hit.caret;
    } else {
      focus_text_item_(t, hit.slot, true_);
    }
    if (TextboxFocus) TextboxFocus(t, b, btn.key, w->handle_(), hit.x, hit.y, hit.width, hit.height);
  } else {
    clear_menu_state_();
  }
}

void xdocktb_::tool_mouse_move_(int32_t i, const mouse_event_& m) {
  if (another_window_active_()) return;
  window_* w = size_t(i) < tool_.size() ? tool_[size_t(i)].get() : nullptr;
  if (!w) return;
  const int32_t t = toolbar_of_window_(i);
  if (!valid_toolbar_(t)) return;
  toolbars[size_t(t)].cursor_inside = true_;
  const bool left_held = (m.buttons & button_left_) != 0;
  if (left_held && is_set_(grip_down)) {
    drag_step_(t);
    return;
  }
  const pixel_point_ c = cursor_in_(*w);
  hover_step_(t, c.x, c.y, left_held);
}

void xdocktb_::hover_step_(int32_t t, int32_t cx, int32_t cy, bool left_held) {
  window_* w = tool_window_(t);
  if (!w) return;
  // The close box lights only while no button press is in progress.
  if (on_close_box_(t, cx, cy) && (press_hit.toolbar < 1 || press_hit.slot < 1)) {
    hover_hit.toolbar = hover_hit.slot = hover_hit.part = 0;
    close_hot_tb = t;
    grip_down = false_;
    paint_toolbar_(t, cx, cy);
    return;
  }
  close_hot_tb = 0;
  hover_hit = hit_test_toolbar_(t, cx, cy, true_);
  const int32_t b = hover_hit.slot >= 1 ? slot_button_id_(t, hover_hit.slot) : 0;
  const int32_t index = toolbars[size_t(t)].window;
  if (tool_tips.size() <= size_t(index)) tool_tips.resize(size_t(index) + 1);
  const std::string tip = valid_button_(b) ? button_(b).tip : std::string();
  if (tool_tips[size_t(index)] != tip) {
    tool_tips[size_t(index)] = tip;
    if (size_t(index) < tool_.size() && tool_[size_t(index)]) tool_[size_t(index)]->set_tooltip_(tip);
  }

  cursor_shape_ shape = cursor_shape_::arrow;
  if (valid_button_(b) && button_(b).type == dock_btn_textbox_) {
    const dock_hit_rec_& h = hover_hit;
    if (cx >= h.x && cx <= h.x + h.width && cy >= h.y && cy <= h.y + h.height) shape = cursor_shape_::ibeam;
    const pixel_point_ c = cursor_pos_();
    if (left_held && h.caret >= 0 && (c.x != press_cursor_x || c.y != press_cursor_y)) focus_caret_ = h.caret;
  }

  if (is_set_(menu_open)) {
    if (hover_hit.toolbar == last_hit.toolbar &&
        (hover_hit.toolbar != prev_hover_hit.toolbar || hover_hit.slot != prev_hover_hit.slot)) {
      if (valid_button_(b)) {
        const int32_t type = button_(b).type;
        if (type == dock_btn_title_ || type == dock_btn_fixed_ || type == dock_btn_dropdown_ ||
            type == dock_btn_split_) {
          open_dropdown_(t, hover_hit.slot);
        } else {
          // Passing a plain button closes the drop-down but keeps the tracking on.
          hide_menu_windows_();
          menu_open = true_;
          menu_tb = t;
          menu_slot = hover_hit.slot;
        }
      }
      last_hit = hover_hit;
    }
    prev_hover_hit = hover_hit;
  }
  paint_toolbar_(t, cx, cy);
  w->set_cursor_(shape);
}

void xdocktb_::tool_mouse_up_(int32_t i, const mouse_event_&) {
  if (another_window_active_()) return;
  window_* w = size_t(i) < tool_.size() ? tool_[size_t(i)].get() : nullptr;
  if (w && w->has_capture_()) release_capture_();
  const int32_t t = toolbar_of_window_(i);
  const pixel_point_ c = w ? cursor_in_(*w) : pixel_point_{};
  if (valid_toolbar_(t) && press_hit.slot >= 1 && press_hit.toolbar == hover_hit.toolbar &&
      press_hit.slot == hover_hit.slot) {
    const int32_t b = slot_button_id_(t, press_hit.slot);
    if (valid_button_(b)) {
      const dock_button_rec_& btn = button_(b);
      const bool silent = btn.type == dock_btn_fixed_ || btn.type == dock_btn_dropdown_ ||
                          btn.type == dock_btn_textbox_ || (btn.type == dock_btn_split_ && press_hit.part == 2);
      if (!silent && ButtonClick) ButtonClick(t, b, norm(btn.key), norm(btn.key2));
    }
  }
  press_hit.toolbar = press_hit.slot = press_hit.part = 0;
  hover_hit = valid_toolbar_(t) ? hit_test_toolbar_(t, c.x, c.y, false_) : dock_hit_rec_{};
  if (close_press_tb == 0) {
    close_hot_tb = 0;
    paint_toolbar_(t, c.x, c.y);
  } else if (valid_toolbar_(t)) {
    if (window_* tw = tool_window_(t)) tw->hide_();
    close_press_tb = close_hot_tb = 0;
    refresh(0);
    if (ToolbarHide) ToolbarHide(t);
  }
  grip_down = false_;
  button_down = false_;
}
