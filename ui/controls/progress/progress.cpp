// The progress bar's value and life cycle.
#include "ui/controls/progress/progress.h"

#include <cmath>

int32_t progress_value_of_(double value) {
  if (std::isnan(value)) return 0;
  if (value < 0) value = 0;
  if (value > 100) value = 100;
  return cint32_(value);
}

xcprogress_::xcprogress_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xc_control_(xc_kind_::other, host, x, y, width, height, false) {
  window_* w = win_();
  if (!w) return;
  w->on_resize = [this](int32_t, int32_t) { refresh_(); };
  w->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::move) refresh_();
  };
  w->show_();
  refresh_();
}

xcprogress_::~xcprogress_() = default;
