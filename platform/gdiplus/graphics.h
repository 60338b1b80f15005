// Antialiased graphics over a surface (through the same pixels as its device contexts) or
// over a painter the platform supplies (printing). Colours here are 0xAARRGGBB.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/pixel_types.h"
#include "platform/gdi/surface.h"
#include "platform/gdiplus/image.h"

class QPainter;

struct gp_point_ {
  float x = 0.0f;
  float y = 0.0f;
};

// Dash lengths scale with the pen width: dash 3 on 1 off, dot 1 on 1 off, and their mixes.
enum class gp_dash_ : uint8_t { solid_, dash_, dot_, dash_dot_, dash_dot_dot_ };
enum class gp_join_ : uint8_t { miter_, bevel_, round_ };

struct gp_pen_ {
  uint32_t argb = 0xFF000000u;
  float width = 1.0f;  // 0 or less draws the thinnest line the device shows
  gp_dash_ dash = gp_dash_::solid_;
  gp_join_ join = gp_join_::miter_;
};

// The colour with its top byte replaced by alpha (only alpha's low byte counts).
constexpr uint32_t with_alpha_(uint32_t colour, uint32_t alpha) {
  return (colour & 0x00FFFFFFu) | ((alpha & 0xFFu) << 24);
}
// Bytes 0 and 2 exchanged and byte 3 cleared: a GDI+ colour 0xAARRGGBB becomes the program
// colour 0x00BBGGRR, and a program colour becomes 0x00RRGGBB.
constexpr uint32_t argb_to_rgb_(uint32_t colour) {
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
// A program colour 0x00BBGGRR with an alpha, as 0xAARRGGBB.
constexpr uint32_t gp_colour_(uint32_t colour, uint8_t alpha = 255) {
  return with_alpha_(argb_to_rgb_(colour), alpha);
}

// A path of figures: straight and cubic segments, each figure open or closed.
class gp_path_ {
 public:
  enum class kind_ : uint8_t { start_, line_, cubic_ };  // a cubic segment takes three points
  struct element_ {
    kind_ kind;
    gp_point_ point;
  };
  // Ends the current figure; the next point starts a new one.
  void start_figure_() { open_ = false; }
  // Closes the current figure back to its first point and ends it.
  void close_figure_();
  void add_line_(gp_point_ a, gp_point_ b);
  void add_lines_(const gp_point_* points, size_t count);
  // count = 1 + 3k points, continuing the figure.
  void add_beziers_(const gp_point_* points, size_t count);
  // A closed figure of its own.
  void add_polygon_(const gp_point_* points, size_t count);
  const std::vector<element_>& elements_() const { return elements_list_; }
  const std::vector<size_t>& closed_ends_() const { return closed_list_; }  // element counts where figures close
  bool empty_() const { return elements_list_.empty(); }

 private:
  void to_(gp_point_ p, kind_ k);
  std::vector<element_> elements_list_;
  std::vector<size_t> closed_list_;
  bool open_ = false;
};

enum class gp_unit_ : uint8_t { pixel_, millimetre_ };

class graphics_ {
 public:
  // Draws on the surface's own pixels until destroyed.
  explicit graphics_(surface_& target);
  // Draws through a painter owned by the caller (a printer page); the painter's state is saved
  // here and restored when this object goes.
  explicit graphics_(QPainter* painter);
  ~graphics_();
  graphics_(const graphics_&) = delete;
  graphics_& operator=(const graphics_&) = delete;

  bool valid_() const;
  // Antialiasing of lines and fills; off by default, as the classic default was.
  void set_smoothing_(bool on);
  // Image sampling when scaled or turned: smooth (bilinear, the default) or nearest pixel.
  void set_smooth_images_(bool on);
  // World transform applied to every coordinate: x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy.
  void set_transform_(double m11, double m12, double m21, double m22, double dx, double dy);
  void reset_transform_();
  // Prepend a translation or scale to the world transform: it acts on points first.
  void translate_world_(double dx, double dy);
  void scale_world_(double sx, double sy);
  // Unit of world coordinates after the world transform: device pixels, or millimetres at the
  // device's resolution (96 dots per inch for surfaces).
  void set_page_unit_(gp_unit_ unit);
  // Clip to a rectangle in device pixels (none when empty).
  void set_clip_rect_(const pixel_rect_& r);

  void draw_line_(const gp_pen_& pen, float x1, float y1, float x2, float y2);
  void draw_lines_(const gp_pen_& pen, const gp_point_* points, size_t count);
  void draw_lines_(const gp_pen_& pen, const pixel_point_* points, size_t count);
  void draw_polygon_(const gp_pen_& pen, const gp_point_* points, size_t count);
  void draw_polygon_(const gp_pen_& pen, const pixel_point_* points, size_t count);
  // count = 1 + 3k points, as for device contexts.
  void draw_beziers_(const gp_pen_& pen, const gp_point_* points, size_t count);
  void draw_beziers_(const gp_pen_& pen, const pixel_point_* points, size_t count);
  void draw_ellipse_(const gp_pen_& pen, float x, float y, float w, float h);
  void fill_polygon_(uint32_t argb, const gp_point_* points, size_t count, fill_mode_ mode = fill_mode_::alternate_);
  void fill_polygon_(uint32_t argb, const pixel_point_* points, size_t count,
                     fill_mode_ mode = fill_mode_::alternate_);
  void fill_rectangle_(uint32_t argb, float x, float y, float w, float h);
  void fill_ellipse_(uint32_t argb, float x, float y, float w, float h);

  void draw_path_(const gp_pen_& pen, const gp_path_& path);
  void fill_path_(uint32_t argb, const gp_path_& path, fill_mode_ mode = fill_mode_::alternate_);

  // The whole image onto the parallelogram of three destination points: where its top-left,
  // top-right and bottom-left corners go (rotation, shear and mirroring follow).
  void draw_image_points_(const image_& image, const gp_point_* three);
  // The source rectangle of the image into the destination rectangle, with the image's alpha.
  void draw_image_rect_(const image_& image, float x, float y, float w, float h, float sx, float sy, float sw,
                        float sh);

 private:
  struct impl_;
  std::unique_ptr<impl_> d_;
};
