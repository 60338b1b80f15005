#include "dialogs/common/button_band.h"

#include "shell/ui_metrics.h"

void layout_button_band_(window_& form, xcbutton_& close, std::initializer_list<xcbutton_*> left) {
  layout_dialog_buttons_(form.handle_(), close.hwnd(), 0, 0, 0, 1, true_);
  if (left.size() == 0) return;
  window_handle_ h[4] = {0, 0, 0, 0};
  size_t i = 0;
  for (xcbutton_* b : left)
    if (i < 4) h[i++] = b ? b->hwnd() : 0;
  layout_dialog_buttons_(form.handle_(), h[0], h[1], h[2], h[3], 0, true_);
}
