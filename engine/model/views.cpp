// Views of pages: every operation but view_setting_ acts on the active page's view.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/zaz_class.h"

namespace {
constexpr float zoom_min = 0.000001f;
}

view_rec_& zaz_class_::active_view_() {
  return views.views[static_cast<size_t>(std::clamp(pages.active, 0, views_count_ - 1))];
}

const view_rec_& zaz_class_::active_view_() const {
  return const_cast<zaz_class_*>(this)->active_view_();
}

void zaz_class_::view_setting_(float posx_, float posy_, float zoom_, int32_t page_) {
  // A view that is not finite would break every later cursor conversion.
  if (!std::isfinite(posx_) || !std::isfinite(posy_) || !std::isfinite(zoom_)) return;
  view_rec_& v = (page_ >= 1 && page_ <= 255) ? views.views[page_] : active_view_();
  v.posx = posx_;
  v.posy = posy_;
  v.zoom = zoom_;
}

float zaz_class_::view_zoom_() const { return active_view_().zoom; }
void zaz_class_::view_zoom_(float Z_) {
  if (std::isnan(Z_)) return;
  active_view_().zoom = Z_ < zoom_min ? zoom_min : Z_;
}

float zaz_class_::view_posx_() const { return active_view_().posx; }
void zaz_class_::view_posx_(float posx_) {
  if (std::isfinite(posx_)) active_view_().posx = posx_;
}

float zaz_class_::view_posy_() const { return active_view_().posy; }
void zaz_class_::view_posy_(float posy_) {
  if (std::isfinite(posy_)) active_view_().posy = posy_;
}

flag16_ zaz_class_::view_gridvisible_() const { return active_view_().grid_visible; }
void zaz_class_::view_gridvisible_(flag16_ visible_) { active_view_().grid_visible = visible_; }

float zaz_class_::view_gridsize_() const { return active_view_().grid_size; }
void zaz_class_::view_gridsize_(float size_) {
  if (std::isfinite(size_)) active_view_().grid_size = size_;
}

flag16_ zaz_class_::view_snap2grid_() const { return active_view_().snap_grid; }
void zaz_class_::view_snap2grid_(flag16_ snap_) { active_view_().snap_grid = snap_; }
flag16_ zaz_class_::view_snap2points_() const { return active_view_().snap_points; }
void zaz_class_::view_snap2points_(flag16_ snap_) { active_view_().snap_points = snap_; }
flag16_ zaz_class_::view_snap2ang45_() const { return active_view_().snap_ang45; }
void zaz_class_::view_snap2ang45_(flag16_ snap_) { active_view_().snap_ang45 = snap_; }
flag16_ zaz_class_::view_snap2track_() const { return active_view_().snap_track; }
void zaz_class_::view_snap2track_(flag16_ snap_) { active_view_().snap_track = snap_; }

namespace {

// Pixels divided by the zoom, at least 1; 1 also without a window or with zoom 0.
float visible_units(int32_t pixels, float zoom) {
  if (pixels == 0 || zoom == 0) return 1.0f;
  const float r = f32_(std::abs(static_cast<double>(pixels)) / zoom);
  return (std::isfinite(r) && r >= 1.0f) ? r : 1.0f;
}

}  // namespace

float zaz_class_::view_width_() const {
  return visible_units(views.window_width, active_view_().zoom);
}

float zaz_class_::view_height_() const {
  return visible_units(views.window_height, active_view_().zoom);
}
