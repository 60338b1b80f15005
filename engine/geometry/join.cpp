// Joining two lines or polylines in a corner: the segment of each figure at its picked end
// is extended to the crossing of the two segments' lines, and that end moves onto it.
#include <cmath>
#include <utility>

#include "engine/geometry/edit_util.h"

namespace {

using d = double;

// The figure taking part in a join: which point moves and the segment it lies on.
struct join_end_ {
  int32_t record = 0;
  float px = 0, py = 0;  // pick point
  bool line = false;
  float* mx = nullptr;  // the end that moves onto the crossing
  float* my = nullptr;
  float sx = 0, sy = 0, ex = 0, ey = 0;  // working segment
};

float dist(float ax, float ay, float bx, float by) { return f32_(std::hypot(d(ax) - bx, d(ay) - by)); }

// Picks the working segment and the moving end; false when the figure has no segment.
bool prepare(zaz_class_& e, join_end_& j) {
  const object_rec_& o = e.object_(j.record);
  j.line = o.type == ot_line_;
  if (j.line) {
    line_rec_* l = edit_::entry_(e.store.live.lines, o.index);
    if (!l) return false;
    j.sx = l->x1, j.sy = l->y1, j.ex = l->x2, j.ey = l->y2;
    const bool end = dist(j.px, j.py, l->x1, l->y1) > dist(j.px, j.py, l->x2, l->y2);
    j.mx = end ? &l->x2 : &l->x1;
    j.my = end ? &l->y2 : &l->y1;
    return true;
  }
  polyline_rec_* p = edit_::entry_(e.store.live.polylines, o.index);
  if (!p) return false;
  const int32_t n = edit_::list_count_(p->count, p->x, p->y);
  if (n < 2) return false;  // a single vertex has no direction to join along
  const bool last = round_even_(std::hypot(d(j.px) - p->x[1], d(j.py) - p->y[1])) >
                    round_even_(std::hypot(d(j.px) - p->x[n], d(j.py) - p->y[n]));
  const int32_t a = last ? n - 1 : 1, b = last ? n : 2;
  j.sx = p->x[a], j.sy = p->y[a], j.ex = p->x[b], j.ey = p->y[b];
  int32_t moving = last ? n : 1;
  if (n == 2)  // its one segment is first and last: the end nearer the pick moves
    moving = dist(j.px, j.py, p->x[1], p->y[1]) > dist(j.px, j.py, p->x[2], p->y[2]) ? 2 : 1;
  j.mx = &p->x[moving];
  j.my = &p->y[moving];
  return true;
}

}  // namespace

flag16_ zaz_class_::mod_join_(int32_t obj1_, float px1_, float py1_, int32_t obj2_, float px2_,
                              float py2_) {
  if (!edit_::valid_record_(*this, obj1_) || !edit_::valid_record_(*this, obj2_)) return false_;
  auto kind_ok = [&](int32_t r) {
    const int32_t t = object_(r).type;
    return t == ot_line_ || t == ot_polyline_;
  };
  if (!kind_ok(obj1_) || !kind_ok(obj2_)) return false_;
  join_end_ j1{obj1_, px1_, py1_}, j2{obj2_, px2_, py2_};
  if (object_(obj1_).type == ot_polyline_ && object_(obj2_).type == ot_line_) std::swap(j1, j2);
  if (!prepare(*this, j1) || !prepare(*this, j2)) return false_;
  float cx = 0, cy = 0;
  flag16_ ok = false_;
  calc_cross_2l_(j1.sx, j1.sy, j1.ex, j1.ey, j2.sx, j2.sy, j2.ex, j2.ey, cx, cy, ok);
  if (ok != true_ || !std::isfinite(cx) || !std::isfinite(cy)) return false_;
  *j1.mx = cx, *j1.my = cy;
  *j2.mx = cx, *j2.my = cy;
  calc_orect_(j1.record);
  calc_orect_(j2.record);
  return true_;
}
