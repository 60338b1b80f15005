// Input events as plain records, in the pixel coordinates of the receiving window's client area.
#pragma once
#include <cstdint>
#include <string>

// Shift state bits, as every mouse and key event carries them. AltGr is reported on its own
// bit (not as Ctrl+Alt) so that text entry can tell it from a Ctrl+Alt shortcut.
inline constexpr int32_t mod_shift_ = 1;
inline constexpr int32_t mod_ctrl_ = 2;
inline constexpr int32_t mod_alt_ = 4;
inline constexpr int32_t mod_altgr_ = 8;

// Mouse buttons, single bits so that a held set fits one value.
inline constexpr int32_t button_left_ = 1;
inline constexpr int32_t button_right_ = 2;
inline constexpr int32_t button_middle_ = 4;

enum class mouse_type_ : uint8_t { down, up, move, double_click, wheel, leave };

struct mouse_event_ {
  mouse_type_ type = mouse_type_::move;
  int32_t button = 0;   // the button that went down or up; 0 for moves and wheel steps
  int32_t buttons = 0;  // buttons held after the event
  int32_t x = 0, y = 0;  // client pixels; may lie outside the window while it has the capture
  int32_t screen_x = 0, screen_y = 0;
  int32_t shift = 0;  // mod_* bits
  int32_t wheel = 0;  // wheel steps of 120, positive away from the user
};

enum class key_type_ : uint8_t { down, up, character };

struct key_event_ {
  key_type_ type = key_type_::down;
  int32_t key_code = 0;  // key_* code; 0 for character events without a key
  int32_t shift = 0;     // mod_* bits
  uint32_t ch = 0;       // typed Unicode character (down and character events), 0 when none
  std::string text;      // the same character as UTF-8
  bool repeat = false;   // auto-repeat of a held key
};
