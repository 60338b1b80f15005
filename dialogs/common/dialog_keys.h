// The keyboard of a dialog built of the program's own controls, which the platform leaves to
// the dialog: Tab and Shift+Tab walk a fixed order, Enter and Esc press the default and the
// cancel button.
#pragma once
#include <functional>
#include <vector>

#include "platform/window/window.h"
#include "ui/controls/control_base.h"

struct dialog_keys_rec_ {
  // The tab order; a control whose window or page is hidden, or that is disabled, is skipped.
  std::vector<xc_control_*> order;
  // Enter (unless a button has the focus: Enter presses that button) and Esc. An open drop
  // list keeps both keys for itself.
  std::function<void()> enter, escape;
};

// Hooks the keys on the dialog window and every control of the order, before their own handling.
void install_dialog_keys_(window_& dialog, dialog_keys_rec_ keys);
