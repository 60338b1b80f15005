// Extending and trimming: the end of a line or polyline nearer the pick point moves along
// its end segment to the foot of the perpendicular from the target point.
#include <cmath>

#include "engine/geometry/edit_util.h"

namespace {
// Whole-unit distance, so a pick near the middle of a short figure favours its start.
double rounded_distance(float ax, float ay, float bx, float by) {
  return round_even_(std::hypot(double(ax) - bx, double(ay) - by));
}
}  // namespace

flag16_ zaz_class_::mod_exln_(int32_t obj_id_, float px1_, float py1_, float px2_, float py2_) {
  if (!edit_::valid_record_(*this, obj_id_)) return false_;
  const object_rec_& o = object_(obj_id_);
  if (o.type == ot_line_) {
    line_rec_* l = edit_::entry_(store.live.lines, o.index);
    if (!l) return false_;
    float fx = 0, fy = 0;
    calc_cross_lp_(l->x1, l->y1, l->x2, l->y2, px2_, py2_, fx, fy);
    if (rounded_distance(px1_, py1_, l->x1, l->y1) <= rounded_distance(px1_, py1_, l->x2, l->y2)) {
      l->x1 = fx;
      l->y1 = fy;
    } else {
      l->x2 = fx;
      l->y2 = fy;
    }
    calc_orect_(obj_id_);
    return true_;
  }
  if (o.type == ot_polyline_) {
    polyline_rec_* p = edit_::entry_(store.live.polylines, o.index);
    if (!p) return false_;
    const int32_t n = edit_::list_count_(p->count, p->x, p->y);
    if (n < 2) return false_;  // no end segment to move along
    const bool first = rounded_distance(px1_, py1_, p->x[1], p->y[1]) <=
                       rounded_distance(px1_, py1_, p->x[n], p->y[n]);
    const int32_t end = first ? 1 : n, next = first ? 2 : n - 1;
    float fx = 0, fy = 0;
    calc_cross_lp_(p->x[next], p->y[next], p->x[end], p->y[end], px2_, py2_, fx, fy);
    p->x[end] = fx;
    p->y[end] = fy;
    calc_orect_(obj_id_);
    return true_;
  }
  return false_;
}
