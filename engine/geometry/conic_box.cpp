// Boxes of unturned conics from the few samples that hold their extremes (see the header).
#include "engine/geometry/conic_box.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "engine/geometry/rotation.h"

namespace {

constexpr double quarter_ = 1.5707963267948966;  // pi / 2
// A sample closer than this to a multiple of pi/2 may lie on either side of it: the double
// multiple is good to about 1e-11 here.
constexpr double near_ = 1e-9;
// Within these every sum t + step is exact in double, so the counter's rounding to float is
// the one rounding of the exact sum, which the runs below rely on.
constexpr float max_angle_ = 1e5f, min_angle_ = 0x1p-10f;
constexpr float min_step_ = 0.01f, max_step_ = 1.0f;
constexpr float max_coord_ = 1e7f;

bool small(float v, float limit) { return std::fabs(v) <= limit; }

// The counter's next value, as the sampling loop computes it.
float step_from(float t, float step) { return f32_(static_cast<double>(t) + step); }

// Steps from t on that each add the same d: while the sums stay among floats spaced as t's
// neighbours are, each rounds to t's grid, and the step rounded to that grid is d (unless it
// lies half way, where the rounding would depend on t). The number of such steps after which
// the counter is still <= end; 0 when the next step must be taken alone.
double run_length(float t, float step, double end, double& d) {
  if (t == 0) return 0;
  int e = 0;
  std::frexp(t, &e);  // |t| in [2^(e-1), 2^e)
  const double u = std::ldexp(1.0, e - 24);  // the spacing of floats there
  const double r = step / u, whole = std::floor(r);
  if (r - whole == 0.5) return 0;
  d = (r - whole < 0.5 ? whole : whole + 1) * u;
  if (d <= 0) return 0;
  double n = 0;  // steps whose sums stay on t's grid: sum i*d + t + step within it, i < n
  if (t > 0) {
    const double room = std::ldexp(1.0, e) - step - t;  // sums must stay below 2^e
    if (room <= 0) return 0;
    n = std::ceil(room / d);
    while (n > 0 && (n - 1) * d >= room) --n;
    while (n * d < room) ++n;
  } else {
    const double room = -std::ldexp(1.0, e - 1) - step - t;  // sums must stay at or below -2^(e-1)
    if (room < 0) return 0;
    n = std::floor(room / d) + 1;
    while (n > 0 && (n - 1) * d > room) --n;
    while (n * d <= room) ++n;
  }
  double last = std::floor((end - t) / d);  // the counter stays <= end
  while (last > 0 && t + last * d > end) --last;
  while (t + (last + 1) * d <= end) ++last;
  return std::max(0.0, std::min(n, last));
}

// The samples of one start and step up to two turns on, kept for the next conic with the
// same start: their angles, which of them come just past a multiple of pi/2, and the cosines
// and sines worked out so far.
struct sweep_ {
  bool used = false;
  uint64_t key = 0;
  bool start_near = false;  // the start lies too close to a multiple of pi/2 to tell
  struct crossing {
    uint32_t after;  // the first sample past the multiple
    bool near;       // a sample beside it too close to tell the side
  };
  std::vector<float> t;
  std::vector<crossing> crossings;
  std::vector<double> c, s;  // NaN until needed
};

void walk(sweep_& w, float a1, float step) {
  const double top = static_cast<double>(a1) + 2.0 * static_cast<double>(edit_::two_pi_f);
  w.t.assign(1, a1);
  w.crossings.clear();
  w.start_near = false;
  double m = std::ceil(static_cast<double>(a1) / quarter_);
  double theta = m * quarter_;
  // Only 0 is a multiple of pi/2 that a float can be; any other may be a hair off.
  auto near = [&](double before, double after) {
    return m != 0 && (after - theta < near_ || theta - before < near_);
  };
  float t = a1;
  if (t >= theta) {  // the first sample is on or past its multiple: no sample before it
    w.start_near = m != 0 && t - theta < near_;
    theta = ++m * quarter_;
  }
  for (;;) {
    double d = 0;
    const double n = run_length(t, step, top, d);
    if (n == 0) {
      const float next = step_from(t, step);
      if (!(next <= top) || !(next > t)) break;
      w.t.push_back(next);
      if (next >= theta) {  // a step shorter than pi/2 passes one multiple at most
        w.crossings.push_back({static_cast<uint32_t>(w.t.size() - 1), near(t, next)});
        theta = ++m * quarter_;
      }
      t = next;
      continue;
    }
    const size_t base = w.t.size() - 1;  // t's place
    for (double i = 1; i <= n; ++i) w.t.push_back(static_cast<float>(t + i * d));
    const double last = t + n * d;
    while (theta <= last) {
      double i = std::ceil((theta - t) / d);  // the first sample at or past theta
      while (i > 1 && t + (i - 1) * d >= theta) --i;
      while (t + i * d < theta) ++i;
      w.crossings.push_back({static_cast<uint32_t>(base + static_cast<size_t>(i)), near(t + (i - 1) * d, t + i * d)});
      theta = ++m * quarter_;
    }
    t = static_cast<float>(last);
  }
  w.c.assign(w.t.size(), std::numeric_limits<double>::quiet_NaN());
  w.s.assign(w.t.size(), std::numeric_limits<double>::quiet_NaN());
}

// Drawings repeat their arcs: the last sixteen sweeps are kept (per thread).
sweep_& sweep_for(float a1, float step) {
  thread_local sweep_ sweeps[16];
  uint32_t a = 0, s = 0;
  std::memcpy(&a, &a1, 4);
  std::memcpy(&s, &step, 4);
  const uint64_t key = (uint64_t(a) << 32) | s;
  sweep_& w = sweeps[(a * 0x9E3779B1u ^ s * 0x85EBCA77u) >> 28];
  if (!w.used || w.key != key) {
    w.used = true, w.key = key;
    walk(w, a1, step);
  }
  return w;
}

}  // namespace

int conic_extreme_samples_(float a1, double end, float step, conic_sample_* out) {
  if (!(step >= min_step_ && step <= max_step_) || !small(a1, max_angle_) ||
      (a1 != 0 && std::fabs(a1) < min_angle_) || !(std::fabs(end) <= max_angle_))
    return -1;
  if (!(a1 <= end)) return 0;
  sweep_& w = sweep_for(a1, step);
  if (w.start_near || !(end <= static_cast<double>(a1) + 2.0 * static_cast<double>(edit_::two_pi_f)))
    return -1;
  // The samples up to end: the last one, and those beside every multiple passed before it.
  const size_t n = static_cast<size_t>(
      std::upper_bound(w.t.begin(), w.t.end(), end, [](double e, float v) { return e < v; }) - w.t.begin());
  int count = 0;
  auto take = [&](size_t k) {
    if (std::isnan(w.c[k])) {
      const double a = w.t[k];
      w.c[k] = std::cos(a);
      w.s[k] = std::sin(a);
    }
    out[count++] = {w.c[k], w.s[k]};
  };
  take(0);
  for (const sweep_::crossing& c : w.crossings) {
    if (c.after > n) break;  // beside a multiple beyond the last sample
    if (c.near || count + 3 > conic_extreme_samples_max_) return -1;
    take(c.after - 1);
    if (c.after < n) take(c.after);
  }
  take(n - 1);
  return count;
}

conic_box_result_ unturned_conic_box_(float cx, float cy, float rx, float ry, float s, float a1,
                                      double end, float step, edit_::box_& out) {
  if (!small(cx, max_coord_) || !small(cy, max_coord_) || !small(rx, max_coord_) ||
      !small(ry, max_coord_) || s != 0)
    return conic_box_result_::undecided;
  conic_sample_ samples[conic_extreme_samples_max_];
  const int n = conic_extreme_samples_(a1, end, step, samples);
  if (n < 0) return conic_box_result_::undecided;
  if (n == 0) return conic_box_result_::empty;
  edit_::box_ b;
  for (int i = 0; i < n; ++i) {
    const float px = f32_(samples[i].c * rx), py = f32_(samples[i].s * ry);
    float qx = px, qy = py;
    rotate_by_sc_(px, py, s, 1.0f, qx, qy);
    b.add(f32_(static_cast<double>(qx) + cx), f32_(static_cast<double>(qy) + cy));
  }
  // Which of two equal samples came first decides the sign of a zero: leave that to the walk.
  if (b.x1 == 0 || b.y1 == 0 || b.x2 == 0 || b.y2 == 0) return conic_box_result_::undecided;
  out = b;
  return conic_box_result_::box;
}
