// The box of an unturned arc, circle or ellipse as the box sampling defines it (samples
// f32_(cos t * rx), f32_(sin t * ry) at t = a1, a1 + step, ... while t <= end, moved to the
// centre), found from a few of those samples instead of all of them.
//
// Between two neighbouring multiples of pi/2 both the cosine and the sine run one way, and the
// roundings that make a sample's coordinates from them never reverse an order, nor does any
// later step that maps each coordinate on its own (moving, scaling). So on such a stretch the
// samples at its two ends hold its extremes, and the samples that matter are the first, the
// last and the two on either side of every multiple of pi/2 the sweep passes. The steps are
// far wider than the library's error, so neighbouring samples never swap places.
#pragma once
#include "engine/geometry/edit_util.h"

enum class conic_box_result_ { box, empty, undecided };

// The library's cosine and sine of a sample's angle.
struct conic_sample_ {
  double c = 1, s = 0;
};
inline constexpr int conic_extreme_samples_max_ = 24;

// The samples from a1 by `step` up to `end` that hold the extremes of every coordinate of any
// map of (cos t, sin t) that keeps each coordinate's order, in the order of the walk, into out
// (room for conic_extreme_samples_max_): their count, 0 when there is no sample, -1 when the
// short way cannot vouch for them (then the caller walks every sample). A zero extreme may
// still need the walk: which of two equal samples comes first decides its sign.
int conic_extreme_samples_(float a1, double end, float step, conic_sample_* out);

// The sampled box of the conic with centre (cx, cy) and radii rx, ry, turned by the sine s
// (a zero of either sign) and cosine 1, from a1 by `step` up to `end`: `box` with the result in
// out, `empty` when there is no sample, `undecided` when the short way cannot vouch for the
// result bit for bit (then the caller samples every point).
conic_box_result_ unturned_conic_box_(float cx, float cy, float rx, float ry, float s, float a1,
                                      double end, float step, edit_::box_& out);
