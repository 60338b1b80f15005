// The list of tracking points of the active page's view: newest first, at most 64.
#include "engine/geometry/edit_util.h"

namespace {
void cap_count(view_rec_& v) {
  if (v.hot_count > hot_points_max_ - 1) v.hot_count = hot_points_max_;
  if (v.hot_count < 0) v.hot_count = 0;
}
}  // namespace

void zaz_class_::hpoint_clear_() {
  view_rec_& v = active_view_();
  v.hot_count = 0;
  v.hot_points.fill(hot_point_rec_{});
}

int32_t zaz_class_::hpoint_count_() const { return active_view_().hot_count; }

flag16_ zaz_class_::hpoint_exists_(int32_t object_) const {
  if (object_ < 1) return false_;
  const view_rec_& v = active_view_();
  const int32_t n = std::clamp(v.hot_count, 0, hot_points_max_);
  for (int32_t i = 1; i <= n; ++i)
    if (v.hot_points[i].record == object_) return true_;
  return false_;
}

void zaz_class_::hpoint_add_(float hpx_, float hpy_, int32_t obj_) {
  view_rec_& v = active_view_();
  cap_count(v);
  for (int32_t i = 1; i <= v.hot_count; ++i)
    if (v.hot_points[i].x == hpx_ && v.hot_points[i].y == hpy_) return;
  v.hot_count = std::min(v.hot_count + 1, hot_points_max_);
  for (int32_t i = hot_points_max_; i >= 2; --i) v.hot_points[i] = v.hot_points[i - 1];
  v.hot_points[1] = hot_point_rec_{hpx_, hpy_, obj_ > 0 ? obj_ : 0};
}

void zaz_class_::hpoint_del_(int32_t obj_id_) {
  view_rec_& v = active_view_();
  cap_count(v);
  int32_t k = 0;
  for (int32_t i = 1; i <= v.hot_count; ++i)
    if (v.hot_points[i].record != obj_id_) v.hot_points[++k] = v.hot_points[i];
  v.hot_count = k;
}
