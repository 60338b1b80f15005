// Mouse and keys. The panel has no keyboard of its own: the shell's key dispatcher forwards
// keys while the focus state says the panel's text item is being edited, and the edit focus
// lives in the shell's shared focus variables (edited item, anchor and caret in characters).
#include <algorithm>

#include "platform/core/codepage.h"
#include "platform/input/key_codes.h"
#include "shell/focus_state.h"
#include "shell/shell_text.h"
#include "ui/controls/sidepanel/panel_layout.h"
#include "ui/controls/sidepanel/panel_text.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {

panel_box_rec_ painted_box_(const panel_item_rec_& it) { return {it.painted_x, it.painted_y, it.painted_w, it.painted_h}; }
panel_box_rec_ field_of_(const panel_item_rec_& it) { return {it.field_l, it.field_t, it.field_w, it.field_h}; }
bool has_field_(const panel_item_rec_& it) { return it.kind == panel_checked_field_ || it.kind == panel_text_field_; }

}  // namespace

void xcpanelbox_::wire_windows_() {
  win->on_mouse = [this](const mouse_event_& e) {
    switch (e.type) {
      case mouse_type_::down: mouse_down_(e.button, e.shift, e.x, e.y); break;
      case mouse_type_::move: mouse_move_(e.buttons, e.shift, e.x, e.y); break;
      case mouse_type_::up: mouse_up_(e.button, e.shift, e.x, e.y); break;
      case mouse_type_::double_click: dbl_click_(); break;
      default: break;
    }
  };
  win->on_focus = [this](bool got) {
    // Some platforms activate a list as it shows; that is no loss of the panel's focus.
    if (!got && !(list_open_() && active_window_() == win_ex.get())) lost_focus_();
  };
  win->on_resize = [this](int32_t, int32_t) { paint_panel_(0, 0); };
  win_ex->on_mouse = [this](const mouse_event_& e) {
    switch (e.type) {
      case mouse_type_::down: list_mouse_down_(); break;
      case mouse_type_::move: list_mouse_move_(e.x, e.y); break;
      case mouse_type_::up: list_mouse_up_(); break;
      default: break;
    }
  };
  win_ex->on_focus = [this](bool got) {
    if (!got && list_open_()) list_lost_focus_();
  };
}

bool xcpanelbox_::main_window_active_() const {
  if (mdi_window_hwnd_ == 0) return false;
  const window_* active = active_window_();
  if (active && active == win_ex.get() && list_open_()) active = find_window_(active_before_list);
  return active && active->handle_() == mdi_window_hwnd_;
}

int32_t xcpanelbox_::caret_from_x_(int32_t x, int32_t left, const std::string& text) const {
  const int32_t d = x - left, len = panel_char_count_(text);
  for (int32_t i = 1; i <= len; ++i)
    if (panel_text_width_(std::string_view(text).substr(0, panel_char_offset_(text, i))) >= d) return i - 1;
  return len;
}

void xcpanelbox_::set_edit_item_(int32_t id, flag16_ select_all) {
  if (id < 0 || id > item_count) {
    focus_toolbar_ = 0;
    focus_sel_anchor_ = 0;
    focus_caret_ = 0;
  } else {
    if (id == 0) id = focus_toolbar_;
    focus_state_code_ = focus_panel_item_;
    focus_toolbar_ = id;
    if (select_all == true_) {
      focus_sel_anchor_ = 0;
      focus_caret_ = valid_item_(id) ? panel_char_count_(items[size_t(id)].text) : 0;
    }
  }
  paint_panel_(0, 0);
}

void xcpanelbox_::track_capture_(int32_t x, int32_t y) {
  if (x >= 0 && x <= win->client_width_() && y >= 0 && y <= win->client_height_()) {
    if (!win->has_capture_()) {
      release_capture_();
      win->set_capture_();
    }
    captured = true_;
  } else if (captured == true_) {
    captured = 0;
    if (win->has_capture_()) release_capture_();
    mouse_x = mouse_y = -1;
    button_down = 0;
  }
}

void xcpanelbox_::mouse_down_(int32_t button, int32_t shift, int32_t x, int32_t y) {
  if (!main_window_active_()) return;
  focus_state_code_ = focus_panel_item_;
  if (MouseDown) MouseDown(int16_t(button), int16_t(shift), float(x), float(y));
  if (exit_flag == true_) return;
  if (list_open_()) {
    hide_winex_();
    return;
  }
  prev_edit_item = focus_toolbar_;
  edit_started = 0;
  mouse_x = x;
  mouse_y = y;
  pressed_item = 0;
  button_down = true_;

  int32_t field_hit = 0;
  for (int32_t id = 1; id <= item_count; ++id) {
    const panel_item_rec_& it = items[size_t(id)];
    if (it.kind == panel_header_band_ || it.enabled == 0 || !painted_box_(it).contains_(x, y)) continue;
    focus_toolbar_ = id;
    pressed_item = id;
    focus_item_ = 0;
    if (has_field_(it) && field_of_(it).contains_(x, y)) {
      focus_item_ = 1;
      field_hit = id;
    }
    break;
  }
  for (int32_t id = 1; id <= item_count; ++id) {
    const panel_item_rec_& it = items[size_t(id)];
    if (it.kind != panel_combo_ || it.enabled == 0 || !painted_box_(it).contains_(x, y)) continue;
    window_* parent = win->parent_();
    show_combolist_(parent ? parent->handle_() : 0, it.key, -1, -1);
    break;
  }
  paint_panel_(0, 0);

  if (field_hit && valid_item_(field_hit)) {
    const panel_item_rec_& it = items[size_t(field_hit)];
    focus_caret_ = caret_from_x_(x, it.field_l + 2, it.text);
    focus_sel_anchor_ = focus_caret_;
    if (it.kind == panel_text_field_) focus_item_ = 0;
    edit_started = true_;
    const std::string key = it.key;
    if (TextEditOn) TextEditOn(key, field_hit, it.field_l, it.field_t, it.field_w, it.field_h);
  } else {
    edit_started = 0;
    if (TextEditOff) TextEditOff();
  }
}

void xcpanelbox_::mouse_move_(int32_t buttons, int32_t, int32_t x, int32_t y) {
  if (exit_flag == true_ || !main_window_active_()) return;
  mouse_x = x;
  mouse_y = y;
  if (button_down != true_) track_capture_(x, y);
  std::string tip;
  int32_t field_id = 0;
  for (int32_t id = 1; id <= item_count; ++id) {
    const panel_item_rec_& it = items[size_t(id)];
    if (it.enabled == 0 || !painted_box_(it).contains_(x, y)) continue;
    tip = it.tooltip;
    if (has_field_(it) && field_of_(it).contains_(x, y)) field_id = id;
  }
  if (field_id) {
    win->set_cursor_(cursor_shape_::ibeam);
    const panel_item_rec_& it = items[size_t(field_id)];
    if (buttons & 1) focus_caret_ = caret_from_x_(x, it.field_l + 2, it.text);
  } else {
    win->set_cursor_(cursor_shape_::arrow);
  }
  if (tip != last_tip) {
    last_tip = tip;
    if (HotBtnChange) HotBtnChange(tip);
  }
  paint_panel_(0, 0);
}

// A click completes only when the release lies inside the item that was pressed: the hot item
// painting leaves behind is not cleared when the pointer leaves every item, so it cannot tell.
void xcpanelbox_::mouse_up_(int32_t, int32_t, int32_t x, int32_t y) {
  if (exit_flag == true_ || !main_window_active_()) return;
  mouse_x = x;
  mouse_y = y;
  const int32_t id = pressed_item;
  if (valid_item_(id) && edit_started != true_ && items[size_t(id)].enabled != 0 &&
      painted_box_(items[size_t(id)]).contains_(x, y)) {
    panel_item_rec_& it = items[size_t(id)];
    const std::string key = it.key;
    if (it.kind == panel_button_) {
      if (ButtonClick) ButtonClick(key, id);
      mouse_x = mouse_y = -1;
      button_down = 0;
    } else if (it.kind == panel_check_box_) {
      it.checked = flag16_(~it.checked);
      if (CheckboxClick) CheckboxClick(key, id);
    } else if (it.kind == panel_checked_field_ && focus_item_ == 0) {
      it.checked = flag16_(~it.checked);
      if (CheckboxClick) CheckboxClick(key, id);
      if (valid_item_(id) && items[size_t(id)].checked == true_) {
        const panel_item_rec_& now = items[size_t(id)];
        if (TextEditOn) TextEditOn(key, id, now.field_l, now.field_t, now.field_w, now.field_h);
        focus_sel_anchor_ = 0;
        focus_caret_ = valid_item_(id) ? panel_char_count_(items[size_t(id)].text) : 0;
        focus_item_ = 1;
      }
    }
  }
  if (edit_started == true_ && focus_toolbar_ != prev_edit_item) set_edit_item_(focus_toolbar_, true_);
  pressed_item = 0;
  button_down = 0;
  paint_panel_(0, 0);
}

void xcpanelbox_::dbl_click_() {
  if (mdi_window_hwnd_ == 0 || exit_flag == true_) return;
  for (int32_t id = 1; id <= item_count; ++id) {
    const panel_item_rec_& it = items[size_t(id)];
    if (it.kind == panel_header_band_ || it.enabled == 0 || !painted_box_(it).contains_(mouse_x, mouse_y)) continue;
    if (has_field_(it) && field_of_(it).contains_(mouse_x, mouse_y)) {
      focus_sel_anchor_ = 0;
      focus_caret_ = panel_char_count_(it.text);
    }
    return;
  }
}

void xcpanelbox_::lost_focus_() {
  mouse_x = mouse_y = list_mouse_x = list_mouse_y = -1;
  button_down = 0;
  list_button = 0;
  focus_toolbar_ = 0;
  focus_item_ = 0;
  hide_winex_();
  paint_panel_(0, 0);
}

bool xcpanelbox_::takes_keys_(int32_t id) const {
  if (!valid_item_(id) || focus_toolbar_ != id) return false;
  const panel_item_rec_& it = items[size_t(id)];
  return it.kind == panel_text_field_ || (it.kind == panel_checked_field_ && focus_item_ == 1);
}

void xcpanelbox_::key_event_(int16_t keycode_, int16_t shift_, int16_t keyascii_) {
  const int32_t id = focus_toolbar_;
  if (!takes_keys_(id)) return;
  panel_item_rec_& it = items[size_t(id)];
  const int32_t len = panel_char_count_(it.text);
  const panel_split_rec_ parts = split_selection_(it.text, focus_sel_anchor_, focus_caret_);
  const bool selection = !parts.selected.empty();
  const auto place = [](int32_t at) { focus_sel_anchor_ = focus_caret_ = at; };
  bool edited = false;

  if (keyascii_ >= 32) {
    // Typed characters come as Windows-1250 codes; texts stay UTF-8.
    const char32_t cp = keyascii_ <= 255 ? cp1250_to_unicode_(uint8_t(keyascii_)) : 0;
    if (cp == 0) return;  // no character of the code page: refused, nothing changes
    std::string typed;
    utf8_append_(typed, cp);
    it.text = parts.before + typed + parts.after;
    place(panel_char_count_(parts.before + typed));
    edited = true;
  } else if (keyascii_ == 27) {
    focus_caret_ = focus_sel_anchor_;
    edited = true;
  } else if (keyascii_ == 8) {
    std::string before = parts.before;
    if (!selection && !before.empty()) before.resize(panel_char_offset_(before, panel_char_count_(before) - 1));
    it.text = before + parts.after;
    place(panel_char_count_(before));
    edited = true;
  } else if (keyascii_ >= 1) {
    edited = true;  // other control characters change nothing but are reported
  } else if (keycode_ == key_delete_) {
    std::string after = parts.after;
    if (!selection && !after.empty()) after.erase(0, panel_char_offset_(after, 1));
    it.text = parts.before + after;
    place(panel_char_count_(parts.before));
    edited = true;
  } else if (keycode_ >= key_prior_ && keycode_ <= key_down_ && shift_ != 2) {
    const int32_t lo = std::min(focus_sel_anchor_, focus_caret_), hi = std::max(focus_sel_anchor_, focus_caret_);
    int32_t to = 0;
    const bool back = keycode_ == key_left_ || keycode_ == key_up_;
    const bool on = keycode_ == key_right_ || keycode_ == key_down_;
    if (keycode_ == key_prior_ || keycode_ == key_home_) to = 0;
    if (keycode_ == key_next_ || keycode_ == key_end_) to = len;
    if (shift_ == 1) {
      if (back) to = std::max(0, focus_caret_ - 1);
      if (on) to = std::min(len, focus_caret_ + 1);
      focus_caret_ = to;
    } else {
      if (back) to = lo != hi ? lo : std::max(0, focus_caret_ - 1);
      if (on) to = lo != hi ? hi : std::min(len, focus_caret_ + 1);
      place(to);
    }
  }
  if (edited && TextEdit) TextEdit(trim_blanks_(it.key), id);
  paint_panel_(0, 0);
}

int32_t xcpanelbox_::next_(flag16_, flag16_ back_) {
  int32_t t;
  if (back_ == true_) {
    t = focus_toolbar_ - 1;
    if (t < 1) t = item_count;
  } else {
    t = focus_toolbar_ + 1;
    if (t > item_count || t > panel_item_limit_) t = 1;
  }
  focus_toolbar_ = t;
  focus_sel_anchor_ = 0;
  focus_caret_ = valid_item_(t) ? panel_char_count_(items[size_t(t)].text) : 0;
  return 0;
}
