// The progress bar's picture: the window background, then the skin's track and fill (drawn
// whether or not a skin is loaded; without one the sprites draw nothing).
#include "shell/colors.h"
#include "ui/controls/progress/progress.h"
#include "ui/skin/paint_controls.h"

void xcprogress_::refresh_() {
  window_* w = win_();
  if (!w) return;
  xc_paint_scope_ p(*w);
  p.dc().fill_rectangle_({0, 0, p.width(), p.height()}, static_cast<uint32_t>(skin_color_(20)));
  draw_progress_bar_(w, p.dc(), value_now_);
}
