// Joint box of objects of the active page, and zoom to all.
#include "engine/geometry/edit_util.h"

void zaz_class_::calc_extents_(flag16_ selected_only, int16_t selected_value,
                               flag16_ visible_only, int32_t record) {
  edit_::box_ b;
  const page_rec_* page = page_ptr_(pages.active);
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(
      store.counts[0], static_cast<int64_t>(store.live.objects.size()) - 1));
  auto layer_visible = [&](uint8_t layer) {
    if (layer == 0) return true;
    return page && layer < page->layers.size() && page->layers[layer].visible == true_;
  };
  for (int32_t r = 1; r <= n; ++r) {
    const object_rec_& o = store.live.objects[r];
    if (o.deleted != false_) continue;
    if (visible_only == true_) {
      if (!layer_visible(o.layer)) continue;
    } else if (visible_only != false_) {
      continue;
    }
    if (o.page != pages.active) continue;
    if (record >= 1) {
      if (r != record) continue;
    } else if (selected_only == true_) {
      if (o.selected != selected_value) continue;
    } else if (selected_only != false_) {
      continue;
    }
    b.add_box(o.x1, o.y1, o.x2, o.y2);
  }
  extents = b.any ? extents_state_{b.x1, b.y1, b.x2, b.y2} : extents_state_{};
}

value_ zaz_class_::get_exarea_(float& fsx1_, float& fsy1_, float& fsx2_, float& fsy2_,
                               flag16_ select_only_) {
  calc_extents_(select_only_, true_, false_, 0);
  fsx1_ = extents.x1;
  fsy1_ = extents.y1;
  fsx2_ = extents.x2;
  fsy2_ = extents.y2;
  return value_::empty();
}

void zaz_class_::view_all_(flag16_ select_only_, int32_t recid_) {
  calc_extents_(select_only_, true_, true_, recid_);
  const float dx = f32_(std::fabs(static_cast<double>(extents.x2) - extents.x1));
  const float dy = f32_(std::fabs(static_cast<double>(extents.y2) - extents.y1));
  if (dx == 0 || dy == 0) return;
  const double w = views.window_width, h = views.window_height;
  if (std::fabs(h) < 1 || std::fabs(w) < 1) return;
  const float zoom = static_cast<double>(dy) / dx >= h / w ? f32_(h / dy * 0.95) : f32_(w / dx * 0.95);
  view_rec_& v = active_view_();
  v.zoom = zoom;
  v.posx = f32_((static_cast<double>(extents.x1) + extents.x2) * 0.5);
  v.posy = f32_((static_cast<double>(extents.y1) + extents.y2) * 0.5);
}
