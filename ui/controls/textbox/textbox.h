// The text box xctextbox_: the program's own edit box. It keeps its text as up to 256 lines,
// draws text, selection and a one-pixel frame itself, places the system caret, and types by a
// fixed table of key positions (US punctuation, nine Polish letters on AltGr) instead of the
// keyboard layout. It has no undo. It is single-line unless the host sets MultiLine.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/font.h"
#include "ui/controls/control_base.h"

inline constexpr int32_t textbox_max_lines_ = 256;

// The box's fields. Lines are numbered 1..256 (entry 0 unused); columns count characters.
struct textbox_state_ {
  std::array<std::string, textbox_max_lines_ + 1> lines{};
  int32_t line_count = 1, top_line = 1, last_visible = 1;
  int32_t caret_line = 1, caret_col = 0;
  int32_t anchor_line = 1, anchor_col = 0, extent_line = 1, extent_col = 0;
  std::string sel_text;  // as the last paint built it, lines joined by CR LF
  int32_t sel_length = 0;
  float scroll = 50;  // the first paint scrolls back to show the caret
  std::string password_char;
  font_ font;
  int32_t back_color = 0xFFFFFF, fore_color = 0;
  flag16_ enabled = true_, focused = false_, multi_line = false_, captured = false_;
  std::string joined, previous_text, current_text;
  int32_t press_x = 0, press_y = 0;
  window_handle_ saved_default = 0;  // the push button whose Default the box took over
};

// ---- text helpers (UTF-8; one character is one code point) ----
int32_t u8_length_(std::string_view s);
// The first n characters, and the characters from index `from` (0-based) on, n of them (all when n < 0).
std::string u8_left_(std::string_view s, int32_t n);
std::string u8_mid_(std::string_view s, int32_t from, int32_t n = -1);
// Case of the characters the box can type (Latin-1 and Latin Extended-A letters).
char32_t char_lower_(char32_t c);
char32_t char_upper_(char32_t c);
// CR LF, then LF CR, then lone CR all become LF.
std::string normalise_breaks_(std::string_view s);

// ---- the model, headless: every function keeps the clamps of the fields above ----
// The shown form of line i: the line, or one mask character per character.
std::string textbox_display_line_(const textbox_state_& st, int32_t i);
// Lines 1..line count joined by sep.
std::string textbox_join_(const textbox_state_& st, std::string_view sep);
// Stores the line when 1 <= i <= 256; false (nothing stored) otherwise.
bool textbox_store_line_(textbox_state_& st, int32_t i, std::string text);
// Replaces the lines by the text split at its line breaks (character 29 becomes 0); at most
// 256 lines are kept. The caret and selection stay.
void textbox_split_text_(textbox_state_& st, std::string_view value);
// The clamps of line count, top line and last visible line.
void textbox_clamp_lines_(textbox_state_& st);
// The selection's ends in text order.
struct textbox_range_ {
  int32_t sl, sc, el, ec;
};
textbox_range_ textbox_ordered_(const textbox_state_& st);
// With 0 or 2 the selection collapses at the caret; with 1 or 3 its extent follows the caret.
void textbox_select_to_caret_(textbox_state_& st, int32_t shift);
// Caret moves of the arrow, Home and End keys (shift codes 2 and 3 mean Ctrl).
void textbox_move_caret_(textbox_state_& st, int32_t key_code, int32_t shift);
// Inserts one character at the caret (the caller deleted the selection); codes outside the
// code page's 32..255 insert nothing. Caps Lock flips the character's case.
bool textbox_insert_(textbox_state_& st, char32_t c, bool caps_lock);
// Delete and Backspace without a selection.
void textbox_delete_forward_(textbox_state_& st);
void textbox_delete_backward_(textbox_state_& st);
// Enter in a multi-line box. A box that holds 256 lines refuses (false) and keeps every line.
bool textbox_split_line_(textbox_state_& st);
// The text left when the selection is removed; moves the caret to the selection's start.
std::string textbox_text_without_selection_(textbox_state_& st);
// The text with p inserted at the caret, and where the caret ends after it. A single-line box
// first drops one CR LF at each end of p.
struct textbox_paste_ {
  std::string text;
  int32_t caret_line = 1, caret_col = 0;
  int32_t lines = 1;  // lines the new text has
};
textbox_paste_ textbox_paste_text_(const textbox_state_& st, std::string_view p);
// The word around column c of a line, for a double click: anchor s and extent e columns.
// False when the line holds only blanks.
bool textbox_word_at_(std::string_view line, int32_t c, int32_t& s, int32_t& e);

// ---- keys ----
// The box's shift code for the platform's bits: 1 Shift, 2 Ctrl, 4 Alt; AltGr is 6, 7 with Shift.
int32_t textbox_shift_of_(int32_t mod_bits);
// What a digit, letter, punctuation or keypad key types with a box shift code, Caps Lock aside;
// 0 for none. decimal is the keypad decimal key's character.
char32_t textbox_key_char_(int32_t key_code, int32_t shift, char32_t decimal);

// Where the box finds the locale's decimal separator (the keypad decimal key types it);
// tests script it. Returns the one before.
std::function<std::string()> set_textbox_decimal_source_(std::function<std::string()> source);

// The five context-menu captions (undo, cut, copy, paste, select all), filled once at start
// from the language texts; the box copies them into its menu every time it opens.
inline std::array<std::string, 5> textbox_menu_captions_{};
// Fills textbox_menu_captions_ from the loaded language.
void load_textbox_menu_captions_();

// The dialog's default push button: a multi-line box takes Enter over while it has the focus.
// The box reaches the buttons' Default property through these (set where the dialog's Enter
// handling lives); unset, no button counts as default.
struct default_button_hooks_ {
  std::function<flag16_(window_handle_ button)> get;
  std::function<void(window_handle_ button, flag16_ value)> set;
};
default_button_hooks_ set_default_button_hooks_(default_button_hooks_ hooks);

class xctextbox_ : public xc_control_ {
 public:
  xctextbox_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  ~xctextbox_() override;

  // Events, raised after the box's own work.
  std::function<void()> Change;
  std::function<void(int16_t key_ascii)> KeyPress;
  std::function<void(int16_t key_code, int16_t shift)> KeyDown, KeyUp;
  std::function<void(int16_t button, int16_t shift, float x, float y)> MouseDown, MouseMove, MouseUp;

  void focus_() override;
  flag16_ focus_flag_() const { return st_.focused; }
  std::string text();
  void text(std::string_view value);
  flag16_ MultiLine() const { return st_.multi_line; }
  void MultiLine(flag16_ value);
  const font_& Font() const { return st_.font; }
  void Font(const font_& value) { st_.font = value; }
  void SelectAll();
  flag16_ Enabled() const { return st_.enabled; }
  void Enabled(flag16_ value);
  const std::string& PasswordChar() const { return st_.password_char; }
  void PasswordChar(std::string_view value);
  int32_t BackColor() const { return st_.back_color; }
  void BackColor(int32_t value);
  int32_t ForeColor() const { return st_.fore_color; }
  void ForeColor(int32_t value);
  void refresh_();
  window_handle_ hwnd() const { return window_ptr_ ? window_ptr_->handle_() : 0; }
  flag16_ ClipControls() const { return clip_controls_; }
  void ClipControls(flag16_ value) { clip_controls_ = value; }

  // The key handler (the context menu replays its shortcuts through it).
  void key_down_(int32_t key_code, int32_t shift);
  const textbox_state_& state_() const { return st_; }

 private:
  void text_paint_();
  void text_last_visible_();
  void text_check_change_();
  void text_caret_from_point_(int32_t text_x, int32_t y);
  void text_insert_char_(char32_t c);
  void text_delete_selection_();
  void text_paste_();
  void copy_selection_();
  void open_context_menu_(int32_t screen_x, int32_t screen_y);
  void word_select_();
  void on_mouse_(const mouse_event_& m);
  void on_key_(const key_event_& k);
  void on_focus_(bool got);
  int32_t line_height_() const;
  int32_t width_of_(std::string_view s) const;

  textbox_state_ st_;
  flag16_ clip_controls_ = true_;
  // Expires with the box: the context menu lets pending events (and so host code) run.
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
  int32_t scale_width_ = 0, scale_height_ = 0;
};
