#include "platform/gdi/surface.h"

surface_::surface_(int32_t width, int32_t height, surface_kind_ kind) : kind_px_(kind) {
  resize_(width, height);
}

bool surface_::resize_(int32_t width, int32_t height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (width > max_side_ || height > max_side_) {
    data_.clear();
    data_.shrink_to_fit();
    width_px_ = height_px_ = 0;
    return false;
  }
  uint32_t clear = kind_px_ == surface_kind_::opaque_ ? 0xFF000000u : 0u;
  // A fresh vector so the old memory is released, not kept as capacity.
  std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height), clear).swap(data_);
  width_px_ = width;
  height_px_ = height;
  return true;
}

uint32_t surface_::colour_(int32_t x, int32_t y) const {
  return contains_(x, y) ? colour_of_argb_(row_(y)[x]) : 0;
}

void surface_::set_colour_(int32_t x, int32_t y, uint32_t colour) {
  if (contains_(x, y)) row_(y)[x] = argb_of_colour_(colour);
}

void surface_::fill_argb_(uint32_t argb) {
  for (auto& p : data_) p = argb;
}
