// The one rule that turns the stored points of a curve object into cubic Bezier segments.
// Every consumer (painters, flattening, export) derives the same chain from it.
#pragma once
#include <cstdint>
#include <cstdlib>

// Calls seg(b0, b1, b2, b3) once per segment, in order. `at(i)` gives point i (1..n);
// `mid(p, q)` forms the midpoint in the caller's number kind (pixels round it, floats don't).
// A negative count is a closed curve of |count| points.
template <class At, class Mid, class Seg>
void curve_segments_(int32_t count, At at, Mid mid, Seg seg) {
  if (count < 0) {
    const int32_t n = -count;
    for (int32_t i = 1; i <= n; ++i) {
      const int32_t prev = i == 1 ? n : i - 1;
      const int32_t next = i == n ? 1 : i + 1;
      auto p = at(i);
      seg(mid(at(prev), p), p, p, mid(p, at(next)));
    }
    return;
  }
  const int32_t n = count;
  auto clamp = [n](int32_t k) { return k < 1 ? 1 : (k > n ? n : k); };
  for (int32_t i = 1; i <= n; i += 2) {
    const int32_t k0 = clamp(i - 1), k1 = clamp(i), k2 = clamp(i + 1), k3 = clamp(i + 2);
    auto b0 = i == 1 ? at(k0) : mid(at(k0), at(k1));
    auto b3 = i > n - 2 ? at(k3) : mid(at(k2), at(k3));
    seg(b0, at(k1), at(k2), b3);
  }
}
