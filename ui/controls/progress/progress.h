// The stand-alone progress bar xcprogress_: a skin track with a fill over value_ percent of it.
// Setting the value does not repaint; the host calls refresh_ (exposures, resizes and mouse
// moves repaint too). It takes no part in focus or hover handling.
#pragma once
#include <cstdint>

#include "ui/controls/control_base.h"

// A value as the bar stores it: clamped to 0..100, then rounded half to even; NaN counts as 0.
int32_t progress_value_of_(double value);

class xcprogress_ : public xc_control_ {
 public:
  xcprogress_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height);
  ~xcprogress_() override;

  int32_t value_() const { return value_now_; }
  void value_(double value) { value_now_ = progress_value_of_(value); }
  void refresh_();

 private:
  int32_t value_now_ = 0;
};
