// Printed line widths (an engine setting, not stored in drawings) and point display.
#pragma once
#include <array>

#include "platform/core/types.h"

struct width_state_ {
  std::array<float, 33> widths{};  // millimetres by width id 0..32
  flag16_ points_on = false_;
};
