// Fitting an ellipse to a scaled curve outline, shared by the scale transformation and its
// on-screen mask so that both show the same figure.
#pragma once
#include <functional>

class zaz_class_;

// Curved outlines are not scaled field by field: the outline is sampled every 0.1 radians,
// each sample taken by the factors sx, sy about the mapped centre; the farthest sample gives
// the new rotation and rx, the nearest ry. For an arc (a1, a2 given) the mapped end points are
// found again on the new figure by samples every end_step radians. `map` takes a point to its
// scaled place (leaving it when the result is no float).
void refit_conic_(zaz_class_& e, const std::function<void(float&, float&)>& map, double sx, double sy,
                  float end_step, float& cx, float& cy, float& rx, float& ry, float& rotation, float* a1,
                  float* a2);
