// The key dispatcher. It acts only while the main window is the active window, so a dialog's
// keys reach the dialog untouched; within the main window the first matching row of the
// interface's table, read from the top, decides where a key goes.
#include "shell/key_dispatch.h"

#include "platform/core/codepage.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"
#include "platform/window/window.h"
#include "shell/focus_state.h"
#include "shell/shell_host.h"

namespace {

bool is_view_key(int32_t k) {
  return k == key_up_ || k == key_down_ || k == key_left_ || k == key_right_ || k == key_oem_plus_ ||
         k == key_oem_minus_;
}

void forward_to_dock(shell_host_& h, int16_t keycode, int16_t shift, int16_t keyascii) {
  h.dock_key_event_(keycode, shift, keyascii);
}

void forward_to_panel(shell_host_& h, int16_t keycode, int16_t shift, int16_t keyascii) {
  h.panel_key_event_(keycode, shift, keyascii);
}

// The command box of the classic interface: the docking-toolbar item with key "CMD".
struct cmd_box_ {
  int32_t type = 0, tbid = 0, btn = 0;
  bool exists() const { return type >= 1; }
};

cmd_box_ find_cmd(shell_host_& h) {
  cmd_box_ c;
  c.type = h.dock_getfocus_("CMD", c.tbid, c.btn);
  return c;
}

void focus_cmd(shell_host_& h, const cmd_box_& c) {
  focus_state_code_ = focus_toolbar_box_;
  focus_toolbar_ = c.tbid;
  focus_item_ = c.btn;
  h.dock_refresh_(c.tbid);
}

void cancel_action(shell_host_& h) {
  h.ribbon_hide_winex_();
  h.dock_hide_menu_();
  h.auto_pointer_();
  if (h.ds_tn_() >= 1) {
    h.set_ds_tn_(0);
    h.ref_(0, 0);
  } else {
    h.gocmd_("selectnone");
  }
}

// Arrows pan by a tenth of what is visible (y up); the main keyboard's + and - zoom about the
// centre. The factors are doubles, the results stored as floats.
void view_action(shell_host_& h, int32_t keycode) {
  switch (keycode) {
    case key_up_: h.set_view_posy_(static_cast<float>(h.view_posy_() + 0.1 * h.view_height_())); break;
    case key_down_: h.set_view_posy_(static_cast<float>(h.view_posy_() - 0.1 * h.view_height_())); break;
    case key_left_: h.set_view_posx_(static_cast<float>(h.view_posx_() - 0.1 * h.view_width_())); break;
    case key_right_: h.set_view_posx_(static_cast<float>(h.view_posx_() + 0.1 * h.view_width_())); break;
    case key_oem_plus_: h.set_view_zoom_(static_cast<float>(h.view_zoom_() * 1.25)); break;
    case key_oem_minus_: h.set_view_zoom_(static_cast<float>(h.view_zoom_() / 1.25)); break;
    default: return;
  }
  h.ref_(0, 0);
}

void panel_key(shell_host_& h, int16_t keycode, int16_t shift, int16_t keyascii) {
  if (keycode == key_tab_) {
    h.panel_next_(0, to_flag_(shift == 1));  // Shift alone goes back; Ctrl+Shift goes forward
    h.panel_refresh_();
  } else if (keycode == key_escape_) {
    focus_state_code_ = focus_view_;
    focus_toolbar_ = 0;
    focus_item_ = 0;
    h.panel_refresh_();
  } else {
    forward_to_panel(h, keycode, shift, keyascii);
  }
}

void classic_key(shell_host_& h, int16_t keycode, int16_t shift, int16_t keyascii) {
  const int32_t state = focus_state_code_;
  if (state == focus_toolbar_box_) {
    if (keycode == key_tab_) {
      const cmd_box_ c = find_cmd(h);
      if (!c.exists()) {
        forward_to_dock(h, keycode, shift, keyascii);
      } else if (focus_toolbar_ == c.tbid && focus_item_ == c.btn) {
        focus_state_code_ = focus_view_;
        focus_toolbar_ = 0;
        focus_item_ = 0;
        h.dock_refresh_(c.tbid);
      } else {
        focus_cmd(h, c);
      }
    } else if (keycode == key_escape_) {
      const cmd_box_ c = find_cmd(h);
      if (c.exists() && focus_toolbar_ == c.tbid && focus_item_ == c.btn) return;
      cancel_action(h);
    } else {
      forward_to_dock(h, keycode, shift, keyascii);
    }
    return;
  }
  if (state == focus_panel_item_) return panel_key(h, keycode, shift, keyascii);
  if (state == focus_property_box_) return;
  if (keycode == key_tab_) {
    const cmd_box_ c = find_cmd(h);
    if (c.exists()) focus_cmd(h, c);
  } else if (keycode == key_escape_) {
    cancel_action(h);
  } else if (is_view_key(keycode)) {
    view_action(h, keycode);
  } else {
    forward_to_dock(h, keycode, shift, keyascii);
  }
}

void ribbon_key(shell_host_& h, int16_t keycode, int16_t shift, int16_t keyascii) {
  const int32_t state = focus_state_code_;
  if (state == focus_panel_item_) return panel_key(h, keycode, shift, keyascii);
  if (state == focus_command_line_) return h.common_keydown_(keycode, shift);
  if (state == focus_property_box_) return;
  if (h.ribbon_altstate_() != 0) return h.common_keydown_(keycode, shift);
  if (keycode == 0) return;
  if (is_view_key(keycode)) return view_action(h, keycode);
  h.common_keydown_(keycode, shift);
}

}  // namespace

int16_t shift_code_(int32_t bits) {
  const bool shift = (bits & mod_shift_) != 0;
  const bool ctrl = (bits & mod_ctrl_) != 0 && (bits & mod_altgr_) == 0;
  return static_cast<int16_t>(shift && ctrl ? 3 : shift ? 1 : ctrl ? 2 : 0);
}

int16_t typed_char_code_(uint32_t ch) {
  if (ch == 0 || ch > 0x10FFFF) return 0;
  const int code = unicode_to_cp1250_(static_cast<char32_t>(ch));
  return static_cast<int16_t>(code < 0 ? 0 : code);
}

// The control characters the classic keyboard translation gives keys that type no text.
static uint32_t control_char_of(int32_t key_code) {
  switch (key_code) {
    case key_back_: return 8;
    case key_tab_: return 9;
    case key_return_: return 13;
    case key_escape_: return 27;
    default: return 0;
  }
}

bool keyboard_hook_proc_(const key_event_& key) {
  if (key.type != key_type_::down) return false;
  const uint32_t ch = key.ch != 0 ? key.ch : control_char_of(key.key_code);
  route_shortcut_key_(static_cast<int16_t>(key.key_code), shift_code_(key.shift), typed_char_code_(ch));
  return false;
}

void install_keyboard_hook_() { set_key_hook_(keyboard_hook_proc_); }
void remove_keyboard_hook_() { remove_key_hook_(); }

void route_shortcut_key_(int16_t keycode, int16_t shift, int16_t keyascii) {
  shell_host_* h = shell_host_in_use_();
  if (!h) return;
  const window_* active = active_window_();
  if (!active || active->handle_() != h->main_window_handle_() || h->main_window_handle_() == 0) return;
  if (h->gui_type_val_() >= 1)
    classic_key(*h, keycode, shift, keyascii);
  else
    ribbon_key(*h, keycode, shift, keyascii);
}
