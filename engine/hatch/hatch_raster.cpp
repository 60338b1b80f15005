#include "engine/hatch/hatch_raster.h"

#include "platform/gdi/dc.h"

hatch_raster_::hatch_raster_(int32_t width, int32_t height) : surface_px_(width, height) {}

bool hatch_raster_::fill_polygon_(const std::vector<hatch_raster_point_>& points) {
  if (surface_px_.empty_() || points.empty()) return false;
  dc_ dc(surface_px_);
  dc.select_pen_(pen_{pen_style_::solid_, 1, red_});
  dc.select_brush_(brush_{brush_style_::solid_, red_});
  dc.set_fill_mode_(fill_mode_::alternate_);
  dc.polygon_(points.data(), points.size());
  return true;
}
