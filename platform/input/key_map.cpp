#include "platform/input/key_map.h"

#include <QKeyEvent>

#include <array>
#include <utility>

#include "platform/input/key_codes.h"

namespace {

// Keys that are the same on every layout.
constexpr std::pair<int, int32_t> fixed_keys[] = {
    {Qt::Key_Backspace, key_back_}, {Qt::Key_Tab, key_tab_}, {Qt::Key_Backtab, key_tab_},
    {Qt::Key_Clear, key_clear_}, {Qt::Key_Return, key_return_}, {Qt::Key_Enter, key_return_},
    {Qt::Key_Shift, key_shift_}, {Qt::Key_Control, key_control_}, {Qt::Key_Alt, key_menu_},
    {Qt::Key_AltGr, key_menu_}, {Qt::Key_Pause, key_pause_}, {Qt::Key_CapsLock, key_capital_},
    {Qt::Key_Escape, key_escape_}, {Qt::Key_Space, key_space_}, {Qt::Key_PageUp, key_prior_},
    {Qt::Key_PageDown, key_next_}, {Qt::Key_End, key_end_}, {Qt::Key_Home, key_home_},
    {Qt::Key_Left, key_left_}, {Qt::Key_Up, key_up_}, {Qt::Key_Right, key_right_},
    {Qt::Key_Down, key_down_}, {Qt::Key_Select, key_select_}, {Qt::Key_Print, key_snapshot_},
    {Qt::Key_Insert, key_insert_}, {Qt::Key_Delete, key_delete_}, {Qt::Key_Help, key_help_},
    {Qt::Key_Meta, key_lwin_}, {Qt::Key_Super_L, key_lwin_}, {Qt::Key_Super_R, key_rwin_},
    {Qt::Key_Menu, key_apps_}, {Qt::Key_NumLock, key_numlock_}, {Qt::Key_ScrollLock, key_scroll_},
};

// Punctuation by the US key that carries it, shifted or not.
constexpr std::pair<int, int32_t> us_punctuation[] = {
    {Qt::Key_Semicolon, key_oem_1_}, {Qt::Key_Colon, key_oem_1_},
    {Qt::Key_Equal, key_oem_plus_}, {Qt::Key_Plus, key_oem_plus_},
    {Qt::Key_Comma, key_oem_comma_}, {Qt::Key_Less, key_oem_comma_},
    {Qt::Key_Minus, key_oem_minus_}, {Qt::Key_Underscore, key_oem_minus_},
    {Qt::Key_Period, key_oem_period_}, {Qt::Key_Greater, key_oem_period_},
    {Qt::Key_Slash, key_oem_2_}, {Qt::Key_Question, key_oem_2_},
    {Qt::Key_QuoteLeft, key_oem_3_}, {Qt::Key_AsciiTilde, key_oem_3_},
    {Qt::Key_BracketLeft, key_oem_4_}, {Qt::Key_BraceLeft, key_oem_4_},
    {Qt::Key_Backslash, key_oem_5_}, {Qt::Key_Bar, key_oem_5_},
    {Qt::Key_BracketRight, key_oem_6_}, {Qt::Key_BraceRight, key_oem_6_},
    {Qt::Key_Apostrophe, key_oem_7_}, {Qt::Key_QuoteDbl, key_oem_7_},
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'}, {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
};

constexpr std::pair<int, int32_t> keypad_keys[] = {
    {Qt::Key_Asterisk, key_multiply_}, {Qt::Key_Plus, key_add_}, {Qt::Key_Minus, key_subtract_},
    {Qt::Key_Period, key_decimal_}, {Qt::Key_Comma, key_decimal_}, {Qt::Key_Slash, key_divide_},
};

// X11 key codes (evdev + 8) of the alphanumeric block, row by row, with our codes.
constexpr std::pair<uint32_t, int32_t> x11_block[] = {
    {10, '1'}, {11, '2'}, {12, '3'}, {13, '4'}, {14, '5'}, {15, '6'}, {16, '7'}, {17, '8'},
    {18, '9'}, {19, '0'}, {20, key_oem_minus_}, {21, key_oem_plus_},
    {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'}, {30, 'U'}, {31, 'I'},
    {32, 'O'}, {33, 'P'}, {34, key_oem_4_}, {35, key_oem_6_},
    {38, 'A'}, {39, 'S'}, {40, 'D'}, {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'}, {45, 'K'},
    {46, 'L'}, {47, key_oem_1_}, {48, key_oem_7_}, {49, key_oem_3_}, {51, key_oem_5_},
    {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'}, {57, 'N'}, {58, 'M'},
    {59, key_oem_comma_}, {60, key_oem_period_}, {61, key_oem_2_}, {94, key_oem_102_},
};

const QKeyEvent* injected_event = nullptr;
int32_t injected_code = 0;

}  // namespace

void set_injected_key_(const QKeyEvent* e, int32_t key_code) {
  injected_event = e;
  injected_code = key_code;
}

int32_t key_code_of_x11_(uint32_t x11_keycode) {
  for (const auto& [x, code] : x11_block)
    if (x == x11_keycode) return code;
  return 0;
}

int32_t key_code_of_qt_(int k, Qt::KeyboardModifiers mods) {
  const bool keypad = mods & Qt::KeypadModifier;
  if (keypad) {
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return key_numpad0_ + (k - Qt::Key_0);
    for (const auto& [q, code] : keypad_keys)
      if (q == k) return code;
  }
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return key_a_ + (k - Qt::Key_A);
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return key_0_ + (k - Qt::Key_0);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return key_f1_ + (k - Qt::Key_F1);
  for (const auto& [q, code] : fixed_keys)
    if (q == k) return code;
  for (const auto& [q, code] : us_punctuation)
    if (q == k) return code;
  return 0;
}

int qt_key_of_code_(int32_t c) {
  if (c >= key_a_ && c <= key_z_) return Qt::Key_A + (c - key_a_);
  if (c >= key_0_ && c <= key_9_) return Qt::Key_0 + (c - key_0_);
  if (c >= key_numpad0_ && c <= key_numpad9_) return Qt::Key_0 + (c - key_numpad0_);
  if (c >= key_f1_ && c <= key_f24_) return Qt::Key_F1 + (c - key_f1_);
  for (const auto& [q, code] : fixed_keys)
    if (code == c) return q;
  for (const auto& [q, code] : keypad_keys)
    if (code == c) return q;
  for (const auto& [q, code] : us_punctuation)
    if (code == c) return q;
  switch (c) {
    case key_lshift_: case key_rshift_: return Qt::Key_Shift;
    case key_lcontrol_: case key_rcontrol_: return Qt::Key_Control;
    case key_lmenu_: return Qt::Key_Alt;
    case key_rmenu_: return Qt::Key_AltGr;
    case key_oem_102_: return Qt::Key_Less;
  }
  return Qt::Key_unknown;
}

int32_t injected_key_code_of_(const QKeyEvent* e) { return e == injected_event ? injected_code : -1; }
