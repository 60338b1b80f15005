// Keys that the shell's key dispatcher hands to the control: they edit the focused toolbar text
// box in place, or, with no text box focused, are matched as shortcut texts ("CTRL+SHIFT+F5")
// against the menu items and sub-items. Typed characters arrive in Windows-1250; texts stay
// UTF-8 and caret positions count characters.
#include <algorithm>

#include "platform/core/codepage.h"
#include "platform/input/key_codes.h"
#include "shell/focus_state.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"

namespace {

std::u32string to_chars(std::string_view text) {
  std::u32string out;
  for (size_t pos = 0; pos < text.size();) out.push_back(utf8_next_(text, pos));
  return out;
}

std::string to_utf8(const std::u32string& chars) {
  std::string out;
  for (char32_t c : chars) utf8_append_(out, c);
  return out;
}

// The shortcut text of a key, empty when the key has no name or the shift code no modifier.
std::string shortcut_text(int32_t keycode, int32_t shift) {
  std::string name;
  if (keycode >= key_f1_ && keycode <= key_f1_ + 11)
    name = "F" + std::to_string(keycode - key_f1_ + 1);
  else if ((keycode >= 'A' && keycode <= 'Z') || (keycode >= '0' && keycode <= '9'))
    name = std::string(1, char(keycode));
  else if (keycode == key_escape_)
    name = "ESC";
  else if (keycode == key_delete_)
    name = "DEL";
  if (name.empty()) return {};
  static const char* const modifiers[] = {"", "SHIFT", "CTRL", "CTRL+SHIFT"};
  if (shift < 0 || shift > 3) return {};
  return shift == 0 ? name : std::string(modifiers[shift]) + "+" + name;
}

std::string norm(std::string_view s) { return upper_ascii_(trim_blanks_(s)); }

}  // namespace

void xdocktb_::key_event_(int16_t keycode, int16_t shift, int16_t keyascii) {
  const int32_t bid = slot_button_id_(focus_toolbar_, focus_item_);
  if (!valid_button_(bid) || button_(bid).type != dock_btn_textbox_) {
    match_shortcut_(keycode, shift);
    return;
  }
  std::string& text = toolbars[size_t(focus_toolbar_)].slots[size_t(focus_item_)].text;
  const std::u32string chars = to_chars(text);
  const int32_t len = int32_t(chars.size());
  // Positions beyond the text count as its end.
  const int32_t anchor = std::clamp(focus_sel_anchor_, 0, len);
  const int32_t caret = std::clamp(focus_caret_, 0, len);
  const int32_t lo = std::min(anchor, caret), hi = std::max(anchor, caret);
  std::u32string before = chars.substr(0, size_t(lo));
  std::u32string selected = chars.substr(size_t(lo), size_t(hi - lo));
  std::u32string after = chars.substr(size_t(hi));
  auto store = [&] {
    text = to_utf8(before + selected + after);
    focus_sel_anchor_ = focus_caret_ = int32_t(before.size() + selected.size());
  };

  if (keyascii >= 1) {
    if (keyascii == 8) {
      if (anchor != caret)
        selected.clear();
      else if (!before.empty())
        before.pop_back();
      store();
    } else if (keyascii == 9) {
      focus_state_code_ = 0;
    } else if (keyascii == 13) {
      if (PressEnter) PressEnter(focus_toolbar_, focus_item_, bid, button_(bid).key);
    } else if (keyascii == 27) {
      focus_sel_anchor_ = focus_caret_;
    } else if (keyascii >= 32 && keyascii <= 255) {
      const char32_t c = cp1250_to_unicode_(uint8_t(keyascii));
      if (c != 0) {  // the five unassigned bytes type nothing
        selected = std::u32string(1, c);
        store();
      }
    }
  } else if (keyascii == 0) {
    if (keycode == key_delete_) {
      if (anchor != caret)
        selected.clear();
      else if (!after.empty())
        after.erase(0, 1);
      store();
    } else if (keycode >= 33 && keycode <= 40 && shift == 1) {
      if (keycode == 34 || keycode == 35) focus_caret_ = len;
      if (keycode == 37 || keycode == 38) focus_caret_ = std::max(caret - 1, 0);
      if (keycode == 39 || keycode == 40) focus_caret_ = std::min(caret + 1, len);
      if (keycode == 33 || keycode == 36) focus_caret_ = 0;
    } else if (keycode >= 33 && keycode <= 40 && (shift == 0 || shift == 3)) {
      int32_t both = 0;
      if (keycode == 34 || keycode == 35) both = len;
      if (keycode == 37 || keycode == 38) both = anchor == caret ? std::max(anchor - 1, 0) : lo;
      if (keycode == 39 || keycode == 40) both = anchor == caret ? std::min(anchor + 1, len) : hi;
      focus_sel_anchor_ = focus_caret_ = both;
    }
  }
  refresh(focus_toolbar_);
}

void xdocktb_::match_shortcut_(int16_t keycode, int16_t shift) {
  if (keycode < 1) return;
  const std::string wanted = shortcut_text(keycode, shift);
  if (wanted.empty()) return;
  for (int32_t b = 1; b <= button_count; ++b) {
    for (const dock_menu_item_rec_& it : button_(b).items) {
      std::string key;
      if (norm(it.shortcut) == wanted) {
        key = it.key;
      } else {
        for (const dock_menu_item_rec_& sub : it.subs)
          if (norm(sub.shortcut) == wanted) {
            key = sub.key;
            break;
          }
        if (key.empty()) continue;
      }
      hide_menu_();
      if (MenuItemClick) MenuItemClick(0, 0, b, trim_blanks_(key), 0, 0);
      return;
    }
  }
}

int32_t xdocktb_::getfocus_(const std::string& key, int32_t& tbid, int32_t& btn) const {
  const std::string k = norm(key);
  for (int32_t t = 1; t <= toolbar_count; ++t)
    for (int32_t i = 1; i <= toolbars[size_t(t)].slot_count; ++i) {
      const int32_t b = toolbars[size_t(t)].slots[size_t(i)].button_id;
      if (valid_button_(b) && norm(button_(b).key) == k) {
        tbid = t;
        btn = i;
        return button_(b).type;
      }
    }
  tbid = 0;
  btn = 0;
  return 0;
}

void xdocktb_::focus_text_item_(int32_t tbid, int32_t btn, flag16_ select_all) {
  focus_state_code_ = focus_toolbar_box_;
  if (valid_toolbar_(tbid) && btn >= 1 && btn <= toolbars[size_t(tbid)].slot_count) {
    focus_toolbar_ = tbid;
    focus_item_ = btn;
    if (select_all == true_) {
      focus_sel_anchor_ = 0;
      focus_caret_ = int32_t(to_chars(toolbars[size_t(tbid)].slots[size_t(btn)].text).size());
    }
  } else {
    focus_toolbar_ = focus_item_ = focus_sel_anchor_ = focus_caret_ = 0;
  }
  refresh(0);
}
