// The off-screen raster of tile placing: a boundary filled in pure red on black, read back
// pixel by pixel.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/gdi/pixel_types.h"
#include "platform/gdi/surface.h"

using hatch_raster_point_ = pixel_point_;

class hatch_raster_ {
 public:
  hatch_raster_(int32_t width, int32_t height);

  // Fills the closed polygon and draws its one-pixel outline in pure red, by the alternate
  // rule, so areas enclosed twice stay outside. False when no raster could be made.
  bool fill_polygon_(const std::vector<hatch_raster_point_>& points);

  // True for a pixel of the filled boundary; false outside the raster.
  bool is_inside_(int32_t x, int32_t y) const {
    return surface_px_.contains_(x, y) && surface_px_.row_(y)[x] == red_argb_;
  }

 private:
  static constexpr uint32_t red_ = 0x0000FF;  // colour value 255
  static constexpr uint32_t red_argb_ = surface_::argb_of_colour_(red_);
  surface_ surface_px_;
};
