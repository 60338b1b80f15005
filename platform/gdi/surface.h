// A 32-bit pixel buffer: top-down rows, bytes B, G, R, A in memory (one uint32_t 0xAARRGGBB
// per pixel on little-endian machines). Device contexts and antialiased graphics draw on it;
// windows present it; picking reads it back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// How the alpha byte is meant. Opaque surfaces keep A at 255 (device-context drawing writes
// opaque pixels); alpha surfaces hold premultiplied colour for per-pixel transparency.
enum class surface_kind_ : uint8_t { opaque_, alpha_ };

class surface_ {
 public:
  surface_() = default;
  // A memory surface of any size; negative sizes count as 0. Opaque surfaces start black,
  // alpha surfaces fully transparent.
  surface_(int32_t width, int32_t height, surface_kind_ kind = surface_kind_::opaque_);

  // Reallocates to a new size and clears as the constructor does. The pixel memory moves:
  // wrappers made over the old memory must be made again. False when the size is refused
  // (too large to address), leaving the surface empty.
  bool resize_(int32_t width, int32_t height);

  int32_t width_() const { return width_px_; }
  int32_t height_() const { return height_px_; }
  bool empty_() const { return width_px_ <= 0 || height_px_ <= 0; }
  surface_kind_ kind_() const { return kind_px_; }
  void set_kind_(surface_kind_ kind) { kind_px_ = kind; }
  // Bytes from one row to the next (always width * 4: rows are packed).
  int32_t stride_() const { return width_px_ * 4; }

  // Direct pixel access. Rows are contiguous; row y starts at bits_() + y * stride_().
  uint32_t* pixels_() { return data_.data(); }
  const uint32_t* pixels_() const { return data_.data(); }
  uint8_t* bits_() { return reinterpret_cast<uint8_t*>(data_.data()); }
  const uint8_t* bits_() const { return reinterpret_cast<const uint8_t*>(data_.data()); }
  uint32_t* row_(int32_t y) { return data_.data() + static_cast<size_t>(y) * width_px_; }
  const uint32_t* row_(int32_t y) const { return data_.data() + static_cast<size_t>(y) * width_px_; }

  bool contains_(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width_px_ && y < height_px_;
  }
  // The raw 0xAARRGGBB value, or 0 outside the surface.
  uint32_t argb_(int32_t x, int32_t y) const { return contains_(x, y) ? row_(y)[x] : 0; }
  void set_argb_(int32_t x, int32_t y, uint32_t argb) {
    if (contains_(x, y)) row_(y)[x] = argb;
  }
  // The pixel as a colour value 0x00BBGGRR (red in the low byte), or 0 outside.
  uint32_t colour_(int32_t x, int32_t y) const;
  // Sets an opaque pixel from a 0x00BBGGRR colour value.
  void set_colour_(int32_t x, int32_t y, uint32_t colour);

  void fill_argb_(uint32_t argb);
  void fill_colour_(uint32_t colour) { fill_argb_(argb_of_colour_(colour)); }

  // Conversions between colour values (0x00BBGGRR) and opaque pixels (0xFFRRGGBB).
  static constexpr uint32_t argb_of_colour_(uint32_t c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
  }
  static constexpr uint32_t colour_of_argb_(uint32_t p) {
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
  }

  // Largest side accepted, so that width * height * 4 stays well inside 32-bit strides.
  static constexpr int32_t max_side_ = 32767;

 private:
  std::vector<uint32_t> data_;
  int32_t width_px_ = 0;
  int32_t height_px_ = 0;
  surface_kind_ kind_px_ = surface_kind_::opaque_;
};

// Colour value helpers (0x00BBGGRR).
constexpr uint32_t rgb_(uint8_t r, uint8_t g, uint8_t b) {
  return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}
constexpr uint8_t red_of_(uint32_t c) { return uint8_t(c & 0xFF); }
constexpr uint8_t green_of_(uint32_t c) { return uint8_t((c >> 8) & 0xFF); }
constexpr uint8_t blue_of_(uint32_t c) { return uint8_t((c >> 16) & 0xFF); }
