// The many-point forms of the rotation about a centre and of the reflection. Each point goes
// through exactly the per-point arithmetic of rotation.h; the loops are written without
// branches so the compiler maps several points per instruction, and on x86-64 a second copy
// for processors with 256-bit vectors is chosen when the program starts. Both copies make the
// same IEEE operations in the same order (no fused multiply-add: the language mode keeps
// contractions off), so they give the same bits.
#include "engine/geometry/rotation.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define ARVEX_WIDE_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define ARVEX_WIDE_CLONES
#endif

namespace {

// Finite exactly when not above the largest float (a NaN compares false); vectorises where
// std::isfinite does not.
inline bool finite_f(float v) { return std::fabs(v) <= 3.40282347e38f; }

}  // namespace

ARVEX_WIDE_CLONES
void rotate_about_by_sc_n_(float* xs, float* ys, size_t n, float cx, float cy, float s, float c) {
  for (size_t i = 0; i < n; ++i) {
    const double dx = static_cast<double>(xs[i]) - cx, dy = static_cast<double>(ys[i]) - cy;
    const float x = f32_((dx * c + cx) + dy * s);
    const float y = f32_((dy * c + cy) - dx * s);
    const bool ok = finite_f(x) & finite_f(y);
    xs[i] = ok ? x : xs[i];
    ys[i] = ok ? y : ys[i];
  }
}

namespace {

ARVEX_WIDE_CLONES
void mirror_n(float* xs, float* ys, size_t n, float a, float b, float p, double inv) {
  using d = double;
  for (size_t i = 0; i < n; ++i) {
    const float px = xs[i], py = ys[i];
    const float q = f32_(d(py) - d(p) * px);
    const float e = f32_(d(b) - q);
    const float f = f32_(-d(a) * q + d(p) * b);
    const float fx = f32_(d(e) * inv);
    const float fy = f32_(d(f) * inv);
    const float x = f32_(d(px) - 2.0 * (d(px) - fx));
    const float y = f32_(d(py) - 2.0 * (d(py) - fy));
    const bool ok = finite_f(x) & finite_f(y);
    xs[i] = ok ? x : px;
    ys[i] = ok ? y : py;
  }
}

}  // namespace

void mirror_line_::apply_n(float* xs, float* ys, size_t n) const { mirror_n(xs, ys, n, a, b, p, inv); }
