// The keyboard hook and the shortcut dispatcher. The docking toolbars' text boxes, the tool
// panel's text items and the drawing view hold no window focus of their own, so every key the
// program's thread receives is looked at here first, with its shift code and typed character,
// and routed by interface type and focus state. Keys are never swallowed: the key goes on to
// its window afterwards as usual.
#pragma once
#include <cstdint>

#include "platform/input/input_events.h"

// 0 none, 1 Shift, 2 Ctrl, 3 both; Alt is not part of it, and AltGr is not Ctrl.
int16_t shift_code_(int32_t shift_bits);
// The typed character as a Windows-1250 code (1..255), 0 when the key types none or the code
// page lacks it.
int16_t typed_char_code_(uint32_t unicode_char);

void install_keyboard_hook_();
void remove_keyboard_hook_();
// What the hook does with each key event; returns false (the key goes on).
bool keyboard_hook_proc_(const key_event_& key);

void route_shortcut_key_(int16_t keycode, int16_t shift, int16_t keyascii);
