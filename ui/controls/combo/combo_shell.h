// What the combo's drop list needs of the shell, reached through hooks the shell sets at start
// so that the control does not depend on the frame code: remembering the opened list as the
// one open drop-down (a press on a framed window's frame hides it), and the router that offers
// wheel turns to the combos of the active window while a list is open.
#pragma once
#include <functional>

#include "platform/input/input_events.h"
#include "platform/window/window.h"

struct combo_shell_hooks_ {
  // The shell's set_open_dropdown_.
  std::function<void(window_handle_ list)> set_open_dropdown;
  // The shell's route_mouse_wheel_. Unset, a turn over an open list goes to its own combo.
  std::function<void(window_handle_ form, const mouse_event_& m)> route_mouse_wheel;
};
// Installs the hooks; returns the ones before.
combo_shell_hooks_ set_combo_shell_hooks_(combo_shell_hooks_ hooks);
const combo_shell_hooks_& combo_shell_hooks_in_use_();
