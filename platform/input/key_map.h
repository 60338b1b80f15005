// Between Qt's keys and our key codes. Private to platform/.
#pragma once
#include <Qt>

#include <cstdint>

class QKeyEvent;

// Our key code for a Qt key (0 when none); the keypad modifier picks the number pad codes.
int32_t key_code_of_qt_(int qt_key, Qt::KeyboardModifiers mods);
// Our key code for an X11 key code in the alphanumeric block (US positions), else 0.
int32_t key_code_of_x11_(uint32_t x11_keycode);
// The Qt key for our key code, for synthetic events (Qt::Key_unknown when none).
int qt_key_of_code_(int32_t key_code);
// Marks a synthetic event as carrying this key code, for as long as it is being delivered.
void set_injected_key_(const QKeyEvent* e, int32_t key_code);
// The key code an injected event carries, or -1 for any other event.
int32_t injected_key_code_of_(const QKeyEvent* e);
