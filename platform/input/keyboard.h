// Keyboard state and the application-wide key hook.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/input/input_events.h"

// Whether a key is held now, as seen by the program's own key events (key_* code).
bool key_is_down_(int32_t key_code);
// The current mod_* bits.
int32_t shift_state_();
// Caps Lock's lamp state.
bool caps_lock_on_();

// The hook sees every key-down (auto-repeats included) and key-up of the application before
// the focused window does. Returning true swallows the key: the window never sees it.
// One hook at a time; setting another replaces it, an empty function removes it.
using key_hook_fn_ = std::function<bool(const key_event_&)>;
void set_key_hook_(key_hook_fn_ hook);
void remove_key_hook_();
bool key_hook_installed_();

// The typed character of a key code on a US keyboard (letters, digits, punctuation, space),
// as Caps Lock and Shift make it; 0 when the key types nothing. For callers that translate
// key positions themselves.
uint32_t us_character_of_(int32_t key_code, int32_t shift, bool caps_lock);
