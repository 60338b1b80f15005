// The one rotation formula every rotation of the engine uses, so that a caller that
// turns many points by one angle gets exactly what per-point calls would give.
#pragma once
#include <cmath>

#include "platform/core/types.h"

// Turns (px, py) by the sine s and cosine c of the negated angle. Leaves rx, ry alone
// when the result is not finite.
inline void rotate_by_sc_(float px, float py, float s, float c, float& rx, float& ry) {
  const float x = f32_(static_cast<double>(px) * c + static_cast<double>(py) * s);
  const float y = f32_(static_cast<double>(py) * c - static_cast<double>(px) * s);
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  rx = x;
  ry = y;
}
