// Plain pixel geometry and the drawing-state codes of device contexts. The numeric values of
// the codes are the classic ones, so values stored or passed as numbers map directly.
#pragma once
#include <cstdint>

struct pixel_point_ {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const pixel_point_&, const pixel_point_&) = default;
};

struct pixel_size_ {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const pixel_size_&, const pixel_size_&) = default;
};

// Right and bottom are exclusive: the rectangle covers left..right-1 and top..bottom-1.
struct pixel_rect_ {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int64_t width_() const { return int64_t(right) - left; }
  int64_t height_() const { return int64_t(bottom) - top; }
  bool empty_() const { return right <= left || bottom <= top; }
  bool contains_(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const pixel_rect_&, const pixel_rect_&) = default;
};

// The common part of two rectangles; an all-zero rectangle when they do not meet.
inline pixel_rect_ intersect_rects_(const pixel_rect_& a, const pixel_rect_& b) {
  pixel_rect_ r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  return r.empty_() ? pixel_rect_{} : r;
}

// Pixel-combining rule for pens and brushes: result from pen colour P and destination D.
enum class rop_ : uint8_t {
  black_ = 1,          // 0
  not_merge_pen_,      // ~(D | P)
  mask_not_pen_,       // D & ~P
  not_copy_pen_,       // ~P
  mask_pen_not_,       // P & ~D
  invert_,             // ~D
  xor_pen_,            // D ^ P
  not_mask_pen_,       // ~(D & P)
  mask_pen_,           // D & P
  not_xor_pen_,        // ~(D ^ P)
  nop_,                // D
  merge_not_pen_,      // D | ~P
  copy_pen_,           // P
  merge_pen_not_,      // P | ~D
  merge_pen_,          // D | P
  white_,              // 1
};

enum class fill_mode_ : uint8_t { alternate_ = 1, winding_ = 2 };
enum class bk_mode_ : uint8_t { transparent_ = 1, opaque_ = 2 };

enum class pen_style_ : uint8_t { solid_ = 0, dash_ = 1, dot_ = 2, dash_dot_ = 3, dash_dot_dot_ = 4, null_ = 5 };
enum class brush_style_ : uint8_t { solid_ = 0, null_ = 1 };

// Width in pixels; 0 and 1 both draw the one-pixel cosmetic line.
struct pen_ {
  pen_style_ style = pen_style_::solid_;
  int32_t width = 1;
  uint32_t colour = 0;  // 0x00BBGGRR
  friend bool operator==(const pen_&, const pen_&) = default;
};

struct brush_ {
  brush_style_ style = brush_style_::solid_;
  uint32_t colour = 0xFFFFFF;
  friend bool operator==(const brush_&, const brush_&) = default;
};

inline constexpr pen_ null_pen_{pen_style_::null_, 1, 0};
inline constexpr brush_ null_brush_{brush_style_::null_, 0};

// What a failed colour read returns (outside the surface or the clip).
inline constexpr uint32_t invalid_colour_ = 0xFFFFFFFFu;
