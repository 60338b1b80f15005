// The text box's keyboard: characters come from the box's own table of key positions (US
// digits and punctuation, nine Polish letters on AltGr), not from the keyboard layout, so a
// drawing typed on any keyboard gets the same characters.
#include <algorithm>

#include "platform/core/codepage.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"
#include "platform/services/clipboard.h"
#include "platform/services/screen.h"
#include "shell/language.h"
#include "ui/controls/textbox/textbox.h"

namespace {

std::function<std::string()>& decimal_source() {
  static std::function<std::string()> f;
  return f;
}

char32_t decimal_char() {
  const std::string s = decimal_source() ? decimal_source()() : decimal_separator_();
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return U'.';
  size_t at = b;
  return utf8_next_(s, at);
}

bool is_punctuation(int32_t k) { return (k >= 186 && k <= 192) || (k >= 219 && k <= 222); }

// Keys whose row in the handler types (or tries to) and then collapses the selection.
bool is_typing_key(int32_t k) {
  return (k >= key_0_ && k <= key_9_) || (k >= key_a_ && k <= key_z_) || k == key_space_ || is_punctuation(k) ||
         k == key_decimal_ || k == key_divide_ || k == key_multiply_ || k == key_separator_ ||
         k == key_subtract_ || (k >= key_numpad0_ && k <= key_numpad9_);
}

}  // namespace

std::function<std::string()> set_textbox_decimal_source_(std::function<std::string()> source) {
  std::function<std::string()> before = decimal_source();
  decimal_source() = std::move(source);
  return before;
}

void load_textbox_menu_captions_() {
  static constexpr const char* keys[5] = {"common.ptextmenu.undo", "common.ptextmenu.cut", "common.ptextmenu.copy",
                                          "common.ptextmenu.paste", "common.ptextmenu.selectall"};
  for (size_t i = 0; i < 5; ++i) textbox_menu_captions_[i] = lang_text_(keys[i]);
}

int32_t textbox_shift_of_(int32_t bits) {
  if (bits & mod_altgr_) return 6 | (bits & mod_shift_);
  return bits & (mod_shift_ | mod_ctrl_ | mod_alt_);
}

char32_t textbox_key_char_(int32_t k, int32_t shift, char32_t decimal) {
  if (k >= key_0_ && k <= key_9_) {
    if (shift == 0) return char32_t(k);
    return shift == 1 ? char32_t(U")!@#$%^&*("[k - key_0_]) : 0;
  }
  if (k >= key_a_ && k <= key_z_) {
    if (shift == 0) return char32_t(k + 32);
    if (shift == 1) return char32_t(k);
    if (shift != 6 && shift != 7) return 0;
    struct altgr { int32_t key; char32_t lower, upper; };
    static constexpr altgr table[] = {{'A', U'ą', U'Ą'}, {'C', U'ć', U'Ć'}, {'E', U'ę', U'Ę'},
                                      {'L', U'ł', U'Ł'}, {'N', U'ń', U'Ń'}, {'O', U'ó', U'Ó'},
                                      {'S', U'ś', U'Ś'}, {'Z', U'ż', U'Ż'}, {'X', U'ź', U'Ź'}};
    for (const altgr& a : table)
      if (a.key == k) return shift == 6 ? a.lower : a.upper;
    return 0;
  }
  if (k == key_space_) return U' ';
  if (is_punctuation(k)) {
    struct punct { int32_t key; char32_t plain, shifted; };
    static constexpr punct table[] = {{186, U';', U':'}, {187, U'=', U'+'}, {188, U',', U'<'}, {189, U'-', U'_'},
                                      {190, U'.', U'>'}, {191, U'/', U'?'}, {192, U'\'', U'~'}, {219, U'[', U'{'},
                                      {220, U'\\', U'|'}, {221, U']', U'}'}, {222, U'\'', U'"'}};
    for (const punct& p : table)
      if (p.key == k) return shift == 1 ? p.shifted : p.plain;
    return 0;
  }
  if (k >= key_numpad0_ && k <= key_numpad9_) return char32_t(U'0' + (k - key_numpad0_));
  switch (k) {
    case key_decimal_: return decimal;
    case key_divide_: return U'/';
    case key_multiply_: return U'*';
    case key_separator_: return U',';
    case key_subtract_: return U'-';
    default: return 0;
  }
}

void xctextbox_::text_insert_char_(char32_t c) {
  if (st_.enabled != true_) return;
  if (st_.sel_length >= 1) text_delete_selection_();
  textbox_insert_(st_, c, caps_lock_on_());
  text_paint_();
}

void xctextbox_::text_delete_selection_() {
  if (st_.enabled != true_) return;
  const std::string rest = textbox_text_without_selection_(st_);
  text(rest);
  textbox_select_to_caret_(st_, 0);
}

void xctextbox_::key_down_(int32_t key, int32_t shift) {
  if (st_.enabled != true_) return;
  textbox_clamp_lines_(st_);
  textbox_move_caret_(st_, key, shift);
  textbox_clamp_lines_(st_);

  if (key == key_control_ || key == key_shift_ || key == key_escape_) {
    // nothing
  } else if (key == 'C' && shift == 2) {
    if (st_.sel_length >= 1) copy_selection_();
  } else if (key == 'X' && shift == 2) {
    if (st_.sel_length >= 1) {
      copy_selection_();
      text_delete_selection_();
    }
  } else if (key == 'V' && shift == 2) {
    text_paste_();
  } else if (key == key_delete_ || key == key_back_) {
    if (st_.sel_length >= 1) text_delete_selection_();
    else if (key == key_delete_) textbox_delete_forward_(st_);
    else textbox_delete_backward_(st_);
  } else if (key == 'A' && shift == 2) {
    st_.anchor_line = 1;
    st_.anchor_col = 0;
    st_.extent_line = st_.line_count;
    st_.extent_col = u8_length_(textbox_display_line_(st_, st_.line_count));
  } else if (key == key_return_) {
    if (st_.multi_line == true_) {
      if (st_.sel_length >= 1) text_delete_selection_();
      if (!textbox_split_line_(st_)) control_beep_();
      textbox_select_to_caret_(st_, 0);
    }
  } else if (is_typing_key(key)) {
    if (const char32_t c = textbox_key_char_(key, shift, decimal_char())) text_insert_char_(c);
    textbox_select_to_caret_(st_, 0);
  } else {
    textbox_select_to_caret_(st_, shift);
  }

  // Keep the caret line in the text and in view.
  text_last_visible_();
  st_.caret_line = std::max(st_.caret_line, 1);
  if (st_.caret_line < st_.top_line) st_.top_line = st_.caret_line;
  st_.caret_line = std::min(st_.caret_line, st_.line_count);
  if (st_.caret_line > st_.last_visible) st_.top_line += st_.caret_line - st_.last_visible;
  text_paint_();
  text_check_change_();
  raise_(KeyDown, int16_t(key), int16_t(shift));
}

void xctextbox_::on_key_(const key_event_& k) {
  switch (k.type) {
    case key_type_::down: key_down_(k.key_code, textbox_shift_of_(k.shift)); break;
    case key_type_::character: raise_(KeyPress, int16_t(k.ch)); break;
    case key_type_::up: raise_(KeyUp, int16_t(k.key_code), int16_t(textbox_shift_of_(k.shift))); break;
  }
}
