// Device contexts: the classic desktop drawing rules over a surface, pixel-exact.
//
// Lines leave out their last pixel, rectangles and ellipses their right and bottom edges,
// polygons fill by the alternate or winding rule with the top-left rule at the edges. Every
// primitive touches each pixel at most once, so drawing anything twice with the inverting
// raster operation gives the surface back exactly. Colours are 0x00BBGGRR values and land in
// the surface unchanged, so picking can read them back. Coordinates are logical: the device
// pixel is the logical one plus the origin. The clip region is in device pixels.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/gdi/pixel_types.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

// Raster codes of blits: S source, D destination, P the selected brush colour.
enum class blit_op_ : uint8_t {
  copy_,            // S
  not_copy_,        // ~S
  paint_,           // S | D
  and_,             // S & D
  invert_,          // S ^ D
  erase_,           // S & ~D
  not_erase_,       // ~(S | D)
  merge_paint_,     // ~S | D
  merge_copy_,      // S & P
  pattern_copy_,    // P
  pattern_invert_,  // P ^ D
  dest_invert_,     // ~D
  black_,           // 0
  white_,           // 1
};

class dc_ {
 public:
  explicit dc_(surface_& target);
  surface_& target_() const { return *target_px_; }

  // Selected objects and modes; each setter returns the previous value.
  pen_ select_pen_(const pen_& pen);
  brush_ select_brush_(const brush_& brush);
  font_ select_font_(const font_& font);
  rop_ set_rop_(rop_ rop);
  fill_mode_ set_fill_mode_(fill_mode_ mode);
  uint32_t set_text_colour_(uint32_t colour);
  bk_mode_ set_bk_mode_(bk_mode_ mode);
  uint32_t set_bk_colour_(uint32_t colour);
  pixel_point_ set_origin_(int32_t x, int32_t y);

  const pen_& current_pen_() const { return st_.pen; }
  const brush_& current_brush_() const { return st_.brush; }
  const font_& current_font_() const { return st_.font; }
  rop_ current_rop_() const { return st_.rop; }
  fill_mode_ current_fill_mode_() const { return st_.fill; }
  uint32_t text_colour_() const { return st_.text_colour; }
  bk_mode_ current_bk_mode_() const { return st_.bk_mode; }
  uint32_t bk_colour_() const { return st_.bk_colour; }
  pixel_point_ origin_() const { return st_.origin; }

  // Clipping. The effective clip is always inside the surface.
  void set_clip_(const region_& device_region);  // replaces the clip
  void clear_clip_();                             // the whole surface
  void intersect_clip_rect_(const pixel_rect_& logical);
  void exclude_clip_rect_(const pixel_rect_& logical);
  const region_& clip_() const { return st_.clip; }
  // Saves the whole state (objects, modes, position, origin, clip); returns the new depth.
  int32_t save_();
  // Restores the state saved at depth level (negative: that many levels back). False when
  // there is no such level.
  bool restore_(int32_t level = -1);

  // Current position and lines.
  pixel_point_ move_to_(int32_t x, int32_t y);  // returns the previous position
  pixel_point_ current_position_() const { return st_.position; }
  void line_to_(int32_t x, int32_t y);
  void polyline_(const pixel_point_* points, size_t count);
  void poly_polyline_(const pixel_point_* points, const int32_t* counts, size_t lines);
  // count = 1 + 3k points: start, then control, control, end per segment.
  void poly_bezier_(const pixel_point_* points, size_t count);

  // Closed shapes: outline with the pen, inside with the brush.
  void polygon_(const pixel_point_* points, size_t count);
  void poly_polygon_(const pixel_point_* points, const int32_t* counts, size_t polygons);
  void rectangle_(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void ellipse_(int32_t left, int32_t top, int32_t right, int32_t bottom);

  // Plain fills that ignore pen, brush and raster operation: every pixel of the rectangle.
  void fill_rectangle_(const pixel_rect_& r, uint32_t colour);
  void fill_region_(const region_& device_region, uint32_t colour);
  void invert_rectangle_(const pixel_rect_& r);

  // Writes the exact colour (no raster operation); returns it, or invalid_colour_ when the
  // pixel is outside the surface or the clip.
  uint32_t set_pixel_(int32_t x, int32_t y, uint32_t colour);
  uint32_t get_pixel_(int32_t x, int32_t y) const;

  // Blits from a source surface (which may be this context's own). Source pixels outside the
  // source surface leave their destination pixels alone. Negative destination or source sizes
  // mirror. Stretching samples the nearest source pixel.
  bool blit_(int32_t x, int32_t y, int32_t w, int32_t h, const surface_* source, int32_t sx, int32_t sy,
             blit_op_ op);
  bool stretch_blit_(int32_t x, int32_t y, int32_t w, int32_t h, const surface_* source, int32_t sx, int32_t sy,
                     int32_t sw, int32_t sh, blit_op_ op);
  // Ops that need no source (pattern, destination, black, white) over a rectangle.
  bool pattern_blit_(int32_t x, int32_t y, int32_t w, int32_t h, blit_op_ op);
  // Copies every source pixel whose colour is not the key; keyed pixels leave the destination
  // as it was.
  bool transparent_blit_(int32_t x, int32_t y, int32_t w, int32_t h, const surface_& source, int32_t sx,
                         int32_t sy, int32_t sw, int32_t sh, uint32_t key_colour);
  // Blends the source over the destination with a constant alpha (0..255) and, when
  // per_pixel, the source's own premultiplied alpha.
  bool alpha_blit_(int32_t x, int32_t y, int32_t w, int32_t h, const surface_& source, int32_t sx, int32_t sy,
                   int32_t sw, int32_t sh, uint8_t constant_alpha, bool per_pixel);

  // Text in the selected font and text colour; the raster operation does not apply. An opaque
  // background mode fills the text's cell with the background colour first.
  void text_out_(int32_t x, int32_t y, std::string_view text);
  // Lays out and draws text in a rectangle; returns the text's height. With text_calc_rect_
  // nothing is drawn and r becomes the rectangle the text needs.
  int32_t draw_text_(std::string_view text, pixel_rect_& r, uint32_t format);
  pixel_size_ text_extent_(std::string_view text) const;
  font_metrics_ text_metrics_() const;

 private:
  struct state_ {
    pen_ pen;
    brush_ brush{brush_style_::solid_, 0xFFFFFF};
    font_ font;
    rop_ rop = rop_::copy_pen_;
    fill_mode_ fill = fill_mode_::alternate_;
    uint32_t text_colour = 0;
    bk_mode_ bk_mode = bk_mode_::opaque_;
    uint32_t bk_colour = 0xFFFFFF;
    pixel_point_ origin;
    pixel_point_ position;
    region_ clip;
    bool clip_is_surface = true;  // the clip is the whole surface, whatever its size
  };
  struct plot_ {
    int32_t x, y;
    uint32_t colour;
  };

  pixel_rect_ surface_rect_() const;
  // Brings the clip in line with the surface, which may have been resized since.
  void refresh_clip_();
  // Device pixels of a logical path.
  std::vector<pixel_point_> to_device_(const pixel_point_* points, size_t count) const;
  // Pixels the pen draws along open or closed paths (device coordinates).
  void pen_pixels_(const std::vector<pixel_point_>& path, bool closed, int64_t& dash_pos, std::vector<plot_>& out) const;
  void stroke_paths_(const std::vector<std::vector<pixel_point_>>& paths, bool closed, const region_* fill);
  void paint_plots_(std::vector<plot_>& plots, bool dedupe);
  void paint_region_(const region_& shape, uint32_t colour, rop_ rop);
  void draw_text_line_(const text_line_& line, int32_t x, int32_t y, const font_metrics_& m);

  surface_* target_px_;
  state_ st_;
  std::vector<state_> saved_;
};
