// The points of an ellipse's outline before its turn: f32_(cos t * rx) and f32_(sin t * ry),
// bit for bit what the two library calls give, for the many closely spaced t a box sampling
// walks through.
//
// Near the last t whose sine and cosine came from the library (the seed, at most 0.4 away) the
// pair comes from the angle-sum formulas with short series for the difference; each product is
// then narrowed to float only when every value within 2^-44 * r of it narrows to the same
// float, and when it is larger than that. The series and the sums are good to about 2^-50, and
// the library's own values to 2^-52, so the library's products narrow to that same float. When
// the check fails (a product too close to the middle between two floats, or a zero, an
// infinity, a NaN) the library call gives the value, as it always did.
#pragma once
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/core/types.h"

class conic_sampler_ {
 public:
  conic_sampler_(float rx, float ry)
      : rx_(rx), ry_(ry), mx_(std::fabs(static_cast<double>(rx)) * 0x1p-44),
        my_(std::fabs(static_cast<double>(ry)) * 0x1p-44) {}

  void at(float t, float& px, float& py) {
    const double d = static_cast<double>(t) - t0_;
    if (!seeded_ || !(std::fabs(d) <= 0.4)) {
      seeded_ = true;
      t0_ = t;
      c0_ = std::cos(static_cast<double>(t));
      s0_ = std::sin(static_cast<double>(t));
      px = f32_(c0_ * rx_);
      py = f32_(s0_ * ry_);
      return;
    }
    // cos d and sin d by their series up to d^14 and d^13: the first term left out is below
    // 1e-18 for |d| <= 0.4.
    const double d2 = d * d;
    const double cd = 1 + d2 * (-1.0 / 2 + d2 * (1.0 / 24 + d2 * (-1.0 / 720 + d2 * (1.0 / 40320 +
                      d2 * (-1.0 / 3628800 + d2 * (1.0 / 479001600 + d2 * (-1.0 / 87178291200.0)))))));
    const double sd = d * (1 + d2 * (-1.0 / 6 + d2 * (1.0 / 120 + d2 * (-1.0 / 5040 + d2 * (1.0 / 362880 +
                      d2 * (-1.0 / 39916800 + d2 * (1.0 / 6227020800.0)))))));
    const double c = c0_ * cd - s0_ * sd, s = s0_ * cd + c0_ * sd;
    if (!narrow(c * rx_, mx_, px)) px = f32_(std::cos(static_cast<double>(t)) * rx_);
    if (!narrow(s * ry_, my_, py)) py = f32_(std::sin(static_cast<double>(t)) * ry_);
  }

 private:
  // f32_(v) into out when every value within m of v narrows to it and v is larger than m.
  static bool narrow(double v, double m, float& out) {
    const float f = f32_(v);
    if (!(std::fabs(v) > m) || f32_(v - m) != f || f32_(v + m) != f) return false;
    out = f;
    return true;
  }

  float rx_, ry_;
  double mx_, my_;  // the margins, 2^-44 * |r|
  bool seeded_ = false;
  double t0_ = 0, c0_ = 1, s0_ = 0;
};

// The samples of one sweep: t from a1 by step, sample k at t. Circles and ellipses all start at
// 0 with one of a few steps, and drawings repeat arcs, so the library's sines and cosines of a
// sweep seen before are kept (per thread, the last sixteen sweeps): from its second use on a
// sweep's values are computed once and then read. A sweep met for the first time goes through
// conic_sampler_. Either way the points are bit for bit those of the library calls.
class conic_points_ {
 public:
  conic_points_(float a1, float step, float rx, float ry) : rx_(rx), ry_(ry), sampler_(rx, ry) {
    uint32_t a = 0, s = 0;
    std::memcpy(&a, &a1, 4);
    std::memcpy(&s, &step, 4);
    key_ = (uint64_t(a) << 32) | s;
    sweep& w = cache()[(a * 0x9E3779B1u ^ s * 0x85EBCA77u) >> 28];
    if (w.used && w.key == key_) {
      w_ = &w;
    } else {
      w.used = true, w.key = key_;
      w.cos.clear(), w.sin.clear();
    }
  }

  void at(size_t k, float t, float& px, float& py) {
    if (w_ && w_->key == key_ && k <= w_->cos.size()) {
      if (k == w_->cos.size()) {
        w_->cos.push_back(std::cos(static_cast<double>(t)));
        w_->sin.push_back(std::sin(static_cast<double>(t)));
      }
      px = f32_(w_->cos[k] * rx_);
      py = f32_(w_->sin[k] * ry_);
      return;
    }
    sampler_.at(t, px, py);
  }

 private:
  struct sweep {
    bool used = false;
    uint64_t key = 0;
    std::vector<double> cos, sin;
  };
  static sweep* cache() {
    thread_local sweep sweeps[16];
    return sweeps;
  }

  float rx_, ry_;
  conic_sampler_ sampler_;
  uint64_t key_ = 0;
  sweep* w_ = nullptr;  // the kept sweep, from its second use on
};
