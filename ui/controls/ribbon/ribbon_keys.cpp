// Keys that reach the ribbon from its host: key tips (Alt, then the letters of an element),
// shortcut texts, the caption's quick-access buttons and wheel turns; and the focus and
// mouse-state helpers of the ribbon's own windows. Every event raised for a key tip on a tab,
// quick button or control runs with the ribbon disabled, so no input reaches it meanwhile.
#include "ui/controls/ribbon/ribbon.h"

namespace {

constexpr int16_t key_enter = 13, key_esc = 27, key_left = 37, key_up = 38, key_right = 39, key_down = 40;

std::string folded(std::string_view s) { return upper_ascii_(trim_blanks_(s)); }

template <class F, class... A>
void raise(const F& event, A&&... args) {
  if (event) event(std::forward<A>(args)...);
}

}  // namespace

void xribbon_::set_enabled_(bool enabled) {
  if (hooks.set_enabled) hooks.set_enabled(enabled);
}

void xribbon_::key_tips_off_() {
  key_tips.shown = false_;
  key_tips.level = 0;
  key_tips.typed.clear();
  key_tips.waiting_group = 0;
}

void xribbon_::altstate_(bool new_status_) {
  key_tips.shown = to_flag_(new_status_);
  key_tips.level = new_status_ ? 1 : 0;
  key_tips.typed.clear();
  key_tips.waiting_group = 0;
  paint_bar_(false);
}

// A tab chosen by key: it becomes active (refitted unless asked not to), then its event runs
// with the ribbon disabled.
void xribbon_::raise_tab_choice_(int32_t tab, bool fit) {
  if (tab < 1 || tab > tab_count) {
    paint_bar_(false);
    return;
  }
  active_tab_ = tab;
  if (fit) fit_toolbars_();
  paint_bar_(false);
  std::string key = tabs[tab].key;  // the handler may change the tables
  set_enabled_(false);
  raise(TabButtonClick, key);
  set_enabled_(true);
  paint_bar_(false);
}

void xribbon_::press_control_key_tip_(int32_t id, int16_t member) {
  controls[id].key_tip_pressed = true_;
  paint_bar_(false);
  set_enabled_(false);
  key_tips_off_();
  std::string key = controls[id].key;
  raise(ButtonClick, key, member);
  set_enabled_(true);
  controls[id].key_tip_pressed = false_;
  paint_bar_(false);
}

void xribbon_::press_quick_key_tip_(int32_t id) {
  quick[id].key_tip_pressed = true_;
  paint_bar_(false);
  set_enabled_(false);
  key_tips_off_();
  std::string key = quick[id].key;
  raise(QuickButtonClick, key);
  set_enabled_(true);
  quick[id].key_tip_pressed = false_;
  paint_bar_(false);
}

void xribbon_::choose_tab_key_tip_(int32_t tab) {
  key_tips.level = 2;
  key_tips.typed.clear();
  raise_tab_choice_(tab, true);
}

void xribbon_::set_altkey_(int16_t keycode_) {
  ribbon_key_tip_state_& k = key_tips;
  if (!is_set_(k.shown)) {
    paint_bar_(false);
    return;
  }
  if (keycode_ == key_esc || (keycode_ == key_up && k.level >= 2)) {  // one step back
    if (k.waiting_group != 0) {
      k.waiting_group = 0;
      k.typed.clear();
    } else if (k.level >= 2) {
      --k.level;
      k.typed.clear();
    } else {
      key_tips_off_();
    }
    paint_bar_(false);
    return;
  }
  if (keycode_ == key_enter || keycode_ == key_down) {
    k.shown = true_;
    k.level = 2;
    k.typed.clear();
    paint_bar_(false);
    raise_tab_choice_(active_tab_, false);
    return;
  }
  if (keycode_ == key_left || keycode_ == key_right) {
    if (tab_count < 1) {
      paint_bar_(false);
      return;
    }
    int32_t tab = active_tab_ + (keycode_ == key_left ? -1 : 1);
    if (tab < 1) tab = tab_count;
    if (tab > tab_count) tab = 1;
    raise_tab_choice_(tab, true);
    return;
  }
  if (k.waiting_group != 0) {
    int32_t group = k.waiting_group;
    if (keycode_ >= '1' && keycode_ <= '9' && group <= control_count)
      press_control_key_tip_(group, static_cast<int16_t>(keycode_ - '0'));
    else
      paint_bar_(false);
    return;
  }
  if ((keycode_ >= '0' && keycode_ <= '9') || (keycode_ >= 'A' && keycode_ <= 'Z'))
    k.typed.push_back(static_cast<char>(keycode_));
  k.typed = folded(k.typed);
  if (k.typed.empty()) {
    paint_bar_(false);
    return;
  }
  if (k.level == 1) {
    if (folded(main_alt_key_) == k.typed) {
      raise(MainButtonClick, int16_t{0});
      k.typed.clear();
      paint_bar_(false);
      return;
    }
    for (int32_t i = 1; i <= tab_count; ++i)
      if (folded(tabs[i].alt_key) == k.typed) return choose_tab_key_tip_(i);
    for (int32_t i = 1; i <= quick_count; ++i)
      if (folded(quick[i].alt_key) == k.typed) return press_quick_key_tip_(i);
  } else if (k.level >= 2) {
    for (int32_t i = 1; i <= control_count; ++i) {
      const ribbon_control_rec_& c = controls[i];
      if (!on_active_tab_(c.toolbar_id) || folded(c.alt_key) != k.typed) continue;
      if (c.type == ribbon_group_ && trim_blanks_(c.text).size() >= 2) {
        k.waiting_group = static_cast<int16_t>(i);
        k.typed.clear();
        paint_bar_(false);
        return;
      }
      return press_control_key_tip_(i, 0);
    }
  }
  paint_bar_(false);  // nothing matched: the typed keys stay
}

// ---- Shortcuts: the key's shortcut text, and the first element bearing it.

std::string xribbon_::check_shortcut_(int16_t shift_, int16_t keycode_) {
  std::string name;
  if ((keycode_ >= '0' && keycode_ <= '9') || (keycode_ >= 'A' && keycode_ <= 'Z'))
    name = std::string(1, static_cast<char>(keycode_));
  else if (keycode_ >= 112 && keycode_ <= 123)
    name = "F" + std::to_string(keycode_ - 111);
  else if (keycode_ == 46)
    name = "DEL";
  else if (keycode_ == key_esc)
    name = "ESC";
  else
    return "";
  const char* prefix = shift_ == 1 ? "shift+" : shift_ == 2 ? "ctrl+" : shift_ == 3 ? "ctrl+shift+" : "";
  std::string text = folded(prefix + name);

  for (int32_t i = 1; i <= mainmenu_count; ++i)
    if (folded(mainmenu[i].shortcut) == text) {
      raise(MainMenuClick, std::string(mainmenu[i].key));
      return text;
    }
  for (int32_t i = 1; i <= popup_count; ++i)
    if (folded(popup[i].shortcut) == text) {
      raise(PopupMenuClick, std::string(popup[i].key), int32_t{0});
      return text;
    }
  for (int32_t i = 1; i <= tab_count; ++i)
    if (folded(tabs[i].shortcut) == text) {
      active_tab_ = i;
      fit_toolbars_();
      paint_bar_(false);
      raise(TabButtonClick, std::string(tabs[i].key));
      return text;
    }
  for (int32_t i = 1; i <= control_count; ++i)
    if (folded(controls[i].shortcut) == text) {
      raise(ButtonClick, std::string(controls[i].key), int16_t{0});
      return text;
    }
  for (int32_t i = 1; i <= toolbar_count; ++i)
    if (folded(toolbars[i].shortcut) == text) {
      raise(ToolbarExBtnClick, std::string(toolbars[i].key));
      return text;
    }
  return text;
}

void xribbon_::call_event_(int32_t rce_, int32_t arg_) {
  if (rce_ == 1 && arg_ >= 1 && arg_ <= quick_count) raise(QuickButtonClick, folded(quick[arg_].key));
}

bool xribbon_::winex_visible_() const {
  return (hooks.win_ex1_visible && hooks.win_ex1_visible()) || (hooks.win_ex2_visible && hooks.win_ex2_visible());
}

bool xribbon_::call_mscroll_(int16_t scroll_val_) {
  if (winex_visible_()) return false;
  raise(MouseScroll, scroll_val_);
  return true;
}

// ---- Focus and mouse-state helpers.

flag16_ xribbon_::any_part_focused_() const {
  return static_cast<flag16_>(press.focused | dropdown.ex1_focused | dropdown.ex2_focused);
}

void xribbon_::save_hot_state_(bool restore) {
  ribbon_saved_hot_ now{
      hit.hot_kind,           hit.hot_index,     press.reported_kind,       press.reported_index, press.pressed_control,
      press.pressed_drop,     hit.drop_control,  press.pressed_toolbar,     press.pressed_corner, hit.corner_toolbar,
      dropdown.hot_popup_key, dropdown.hot_cell, dropdown.collapsed_toolbar};
  if (!restore) {
    saved_hot = now;
    return;
  }
  const ribbon_saved_hot_& s = saved_hot;
  hit.hot_kind = s.hot_kind, hit.hot_index = s.hot_index;
  press.reported_kind = s.reported_kind, press.reported_index = s.reported_index;
  press.pressed_control = s.pressed_control;
  press.pressed_drop = s.pressed_drop, hit.drop_control = s.drop_control;
  press.pressed_toolbar = s.pressed_toolbar;
  press.pressed_corner = s.pressed_corner, hit.corner_toolbar = s.corner_toolbar;
  dropdown.hot_popup_key = s.hot_popup_key, dropdown.hot_cell = s.hot_cell;
  dropdown.collapsed_toolbar = s.collapsed_toolbar;
}
