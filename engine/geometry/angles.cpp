// Angles and rotations. Named values are 32-bit floats; each expression is evaluated in
// double precision and rounded once when stored, so results agree across the engine.
#include <cmath>

#include "engine/geometry/atan_f32.h"
#include "engine/geometry/rotation.h"
#include "engine/zaz_class.h"

namespace {

constexpr float pi_f = 3.1415927f;
constexpr double pi = pi_f;  // every multiple of pi derives from the 32-bit value

bool finite2(float a, float b) { return std::isfinite(a) && std::isfinite(b); }

}  // namespace

float zaz_class_::clamp_nonzero_(float v) const {
  return nonzero_divisor_(v);
}

float zaz_class_::calc_angle_(float a_xp_, float a_yp_, float a_xk_, float a_yk_, flag16_ a_st_,
                              float a_av_) const {
  const float h = f32_(pi / 2);
  const float t = atan_f32_((static_cast<double>(a_yk_) - a_yp_) /
                            clamp_nonzero_(f32_(static_cast<double>(a_xk_) - a_xp_)));
  float angle = 0;
  if (a_xk_ > a_xp_ && a_yk_ > a_yp_) angle = t;
  else if (a_xk_ < a_xp_ && a_yk_ > a_yp_) angle = f32_(t + 2.0 * h);
  else if (a_xk_ < a_xp_ && a_yk_ < a_yp_) angle = f32_(t + 2.0 * h);
  else if (a_xk_ > a_xp_ && a_yk_ < a_yp_) angle = f32_(t + 4.0 * h);
  else if (a_xk_ == a_xp_ && a_yk_ > a_yp_) angle = h;
  else if (a_xk_ == a_xp_ && a_yk_ < a_yp_) angle = f32_(3.0 * h);
  else if (a_xk_ < a_xp_ && a_yk_ == a_yp_) angle = f32_(2.0 * h);
  if (a_st_ == true_) angle = f32_((180.0 / pi) * angle);
  angle = f32_(static_cast<double>(angle) + a_av_);
  // One wrap only: an offset beyond a full turn stays outside the range.
  const double turn = a_st_ == true_ ? 360.0 : static_cast<double>(f32_(2.0 * pi));
  if (angle < 0) angle = f32_(angle + turn);
  if (angle >= turn) angle = f32_(angle - turn);
  return std::isfinite(angle) ? angle : 0.0f;
}

void zaz_class_::calc_rotate_00_rad_(float rot_, float px_, float py_, float& rx_, float& ry_) {
  const turn_00_ t = turn_00_::rad(rot_);
  t.apply(px_, py_, rx_, ry_);
  if (!t.ok) return;  // leaves the unrotated point
  geometry.rot_sin_ = t.s;
  geometry.rot_cos_ = t.c;
}

void zaz_class_::calc_rotate_00_deg_(float rot_, float px_, float py_, float& rx_, float& ry_) {
  calc_rotate_00_rad_(f32_(static_cast<double>(rot_) / (180.0 / pi)), px_, py_, rx_, ry_);
}

void zaz_class_::rotate_about_rad_(float angle, float px, float py, float cx, float cy, float& x,
                                   float& y) {
  x = px;
  y = py;
  const float w = f32_(-static_cast<double>(angle));
  const float s = f32_(std::sin(static_cast<double>(w)));
  const float c = f32_(std::cos(static_cast<double>(w)));
  if (!finite2(s, c)) return;
  geometry.rot_sin_ = s;
  geometry.rot_cos_ = c;
  rotate_about_by_sc_(px, py, cx, cy, s, c, x, y);
}

void zaz_class_::rotate_about_deg_(float angle, float px, float py, float cx, float cy, float& x,
                                   float& y) {
  rotate_about_rad_(f32_(static_cast<double>(angle) / (180.0 / pi)), px, py, cx, cy, x, y);
}
