// Pictures loaded from files (BMP, PNG, JPEG, GIF, ICO) for antialiased drawing, kept as
// premultiplied alpha surfaces.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gdi/surface.h"

class image_ {
 public:
  image_() = default;
  // Loads the file; false (and an empty image) when it cannot be read, is not a picture, is
  // damaged or is larger than a surface may be. The format is recognised from the content.
  bool load_(const std::string& path);
  // The same from a picture held in memory (a payload inside another file).
  bool load_bytes_(std::string_view bytes);
  // Takes pixels already in memory (copied); premultiplied when the surface is an alpha one.
  void assign_(const surface_& pixels);

  bool empty_() const { return pixels_px_.empty_(); }
  int32_t width_() const { return pixels_px_.width_(); }
  int32_t height_() const { return pixels_px_.height_(); }
  const surface_& pixels_() const { return pixels_px_; }

 private:
  surface_ pixels_px_{0, 0, surface_kind_::alpha_};
};
