#include "platform/gdi/dc.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/gdi/raster.h"

namespace {

// The 16 raster operations are the 16 boolean functions of (pen, destination): bit
// (2 * P + D) of code - 1 gives the result bit. Works on opaque pixels in either byte order.
inline uint32_t rop_apply_(rop_ r, uint32_t d, uint32_t p) {
  const uint32_t b = uint32_t(r) - 1;
  uint32_t out = 0;
  if (b & 1) out |= ~p & ~d;
  if (b & 2) out |= ~p & d;
  if (b & 4) out |= p & ~d;
  if (b & 8) out |= p & d;
  return (out & 0xFFFFFFu) | 0xFF000000u;
}

// Operations that give the same result when applied twice: their pixels need no dedupe.
bool idempotent_(rop_ r) {
  switch (r) {
    case rop_::black_: case rop_::white_: case rop_::nop_: case rop_::copy_pen_: case rop_::not_copy_pen_:
    case rop_::mask_pen_: case rop_::merge_pen_: case rop_::mask_not_pen_: case rop_::merge_not_pen_:
      return true;
    default:
      return false;
  }
}

bool ignores_destination_(rop_ r) {
  return r == rop_::copy_pen_ || r == rop_::not_copy_pen_ || r == rop_::black_ || r == rop_::white_ || r == rop_::nop_;
}

bool cosmetic_(const pen_& p) { return p.width <= 1; }

int64_t segment_steps_(pixel_point_ a, pixel_point_ b) {
  return std::max(std::abs(int64_t(b.x) - a.x), std::abs(int64_t(b.y) - a.y));
}

int32_t sat_add_(int32_t a, int32_t b) {
  return int32_t(std::clamp<int64_t>(int64_t(a) + b, INT32_MIN, INT32_MAX));
}

pixel_rect_ normalised_(int32_t l, int32_t t, int32_t r, int32_t b) {
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  return {l, t, r, b};
}

}  // namespace

dc_::dc_(surface_& target) : target_px_(&target) { st_.clip = region_(surface_rect_()); }

pixel_rect_ dc_::surface_rect_() const { return {0, 0, target_px_->width_(), target_px_->height_()}; }

void dc_::refresh_clip_() {
  const pixel_rect_ whole = surface_rect_(), b = st_.clip.bounds_();
  if (st_.clip_is_surface) {
    if (!(b == whole) && !(whole.empty_() && st_.clip.empty_())) st_.clip = region_(whole);
  } else if (b.left < 0 || b.top < 0 || b.right > whole.right || b.bottom > whole.bottom) {
    st_.clip = st_.clip.intersect_(region_(whole));
  }
}

pen_ dc_::select_pen_(const pen_& pen) { return std::exchange(st_.pen, pen); }
brush_ dc_::select_brush_(const brush_& brush) { return std::exchange(st_.brush, brush); }
font_ dc_::select_font_(const font_& font) { return std::exchange(st_.font, font); }
rop_ dc_::set_rop_(rop_ rop) {
  if (uint8_t(rop) < 1 || uint8_t(rop) > 16) return st_.rop;  // unknown codes change nothing
  return std::exchange(st_.rop, rop);
}
fill_mode_ dc_::set_fill_mode_(fill_mode_ mode) {
  if (mode != fill_mode_::alternate_ && mode != fill_mode_::winding_) return st_.fill;
  return std::exchange(st_.fill, mode);
}
uint32_t dc_::set_text_colour_(uint32_t colour) { return std::exchange(st_.text_colour, colour & 0xFFFFFF); }
bk_mode_ dc_::set_bk_mode_(bk_mode_ mode) {
  if (mode != bk_mode_::opaque_ && mode != bk_mode_::transparent_) return st_.bk_mode;
  return std::exchange(st_.bk_mode, mode);
}
uint32_t dc_::set_bk_colour_(uint32_t colour) { return std::exchange(st_.bk_colour, colour & 0xFFFFFF); }
pixel_point_ dc_::set_origin_(int32_t x, int32_t y) { return std::exchange(st_.origin, pixel_point_{x, y}); }

void dc_::set_clip_(const region_& device_region) {
  st_.clip = device_region.intersect_(region_(surface_rect_()));
  st_.clip_is_surface = false;
}
void dc_::clear_clip_() {
  st_.clip = region_(surface_rect_());
  st_.clip_is_surface = true;
}

void dc_::intersect_clip_rect_(const pixel_rect_& logical) {
  pixel_rect_ r = normalised_(logical.left, logical.top, logical.right, logical.bottom);
  r = {sat_add_(r.left, st_.origin.x), sat_add_(r.top, st_.origin.y), sat_add_(r.right, st_.origin.x),
       sat_add_(r.bottom, st_.origin.y)};
  refresh_clip_();
  st_.clip = st_.clip.intersect_(region_(r).intersect_(region_(surface_rect_())));
  st_.clip_is_surface = false;
}

void dc_::exclude_clip_rect_(const pixel_rect_& logical) {
  pixel_rect_ r = normalised_(logical.left, logical.top, logical.right, logical.bottom);
  r = {sat_add_(r.left, st_.origin.x), sat_add_(r.top, st_.origin.y), sat_add_(r.right, st_.origin.x),
       sat_add_(r.bottom, st_.origin.y)};
  refresh_clip_();
  st_.clip = st_.clip.subtract_(region_(r).intersect_(region_(surface_rect_())));
  st_.clip_is_surface = false;
}

int32_t dc_::save_() {
  saved_.push_back(st_);
  return int32_t(saved_.size());
}

bool dc_::restore_(int32_t level) {
  const int64_t depth = int64_t(saved_.size());
  const int64_t target = level < 0 ? depth + level + 1 : level;  // the level to return to
  if (target < 1 || target > depth) return false;
  st_ = saved_[size_t(target - 1)];
  saved_.resize(size_t(target - 1));
  refresh_clip_();  // the surface may have changed size since
  return true;
}

std::vector<pixel_point_> dc_::to_device_(const pixel_point_* points, size_t count) const {
  std::vector<pixel_point_> out(count);
  for (size_t i = 0; i < count; ++i)
    out[i] = {sat_add_(points[i].x, st_.origin.x), sat_add_(points[i].y, st_.origin.y)};
  return out;
}

void dc_::pen_pixels_(const std::vector<pixel_point_>& path, bool closed, int64_t& dash_pos,
                      std::vector<plot_>& out) const {
  const dash_pattern_ dash = dash_pattern_of_(st_.pen.style);
  const uint32_t on = surface_::argb_of_colour_(st_.pen.colour);
  const uint32_t off = surface_::argb_of_colour_(st_.bk_colour);
  const bool gaps = dash.count > 0 && st_.bk_mode == bk_mode_::opaque_;
  const pixel_rect_ bounds = st_.clip.bounds_();
  const bool rect_clip = st_.clip.is_rect_();
  const size_t n = path.size();
  const size_t segments = n < 2 ? 0 : (closed ? n : n - 1);
  for (size_t s = 0; s < segments; ++s) {
    const pixel_point_ a = path[s], b = path[(s + 1) % n];
    const int64_t base = dash_pos;
    walk_line_(a.x, a.y, b.x, b.y, bounds, [&](int32_t x, int32_t y, int64_t i) {
      if (!rect_clip && !st_.clip.contains_(x, y)) return;
      if (dash.count == 0 || dash.on_at_(base + i)) out.push_back({x, y, on});
      else if (gaps) out.push_back({x, y, off});
    });
    dash_pos += segment_steps_(a, b);
  }
}

void dc_::paint_plots_(std::vector<plot_>& plots, bool dedupe) {
  if (dedupe) {
    std::stable_sort(plots.begin(), plots.end(),
                     [](const plot_& a, const plot_& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    plots.erase(std::unique(plots.begin(), plots.end(),
                            [](const plot_& a, const plot_& b) { return a.x == b.x && a.y == b.y; }),
                plots.end());
  }
  surface_& s = *target_px_;
  const rop_ rop = st_.rop;
  for (const plot_& p : plots) {
    if (!s.contains_(p.x, p.y)) continue;
    uint32_t& d = s.row_(p.y)[p.x];
    d = rop == rop_::copy_pen_ ? p.colour : rop_apply_(rop, d, p.colour);
  }
}

void dc_::paint_region_(const region_& shape, uint32_t colour, rop_ rop) {
  refresh_clip_();
  const region_ vis = shape.intersect_(st_.clip);
  const uint32_t p = surface_::argb_of_colour_(colour);
  surface_& s = *target_px_;
  for (const pixel_span_& sp : vis.spans_()) {
    if (sp.y < 0 || sp.y >= s.height_()) continue;
    uint32_t* row = s.row_(sp.y);
    const int32_t x0 = std::max(sp.x0, 0), x1 = std::min(sp.x1, s.width_());
    if (rop == rop_::copy_pen_) {
      std::fill(row + x0, row + std::max(x0, x1), p);
    } else {
      for (int32_t x = x0; x < x1; ++x) row[x] = rop_apply_(rop, row[x], p);
    }
  }
}

// Draws outlines of the paths with the pen and, when fill is given, the fill with the brush,
// leaving out of the fill what the pen paints so that no pixel is touched twice.
void dc_::stroke_paths_(const std::vector<std::vector<pixel_point_>>& paths, bool closed, const region_* fill) {
  refresh_clip_();
  const bool has_pen = st_.pen.style != pen_style_::null_;
  const bool has_brush = fill && st_.brush.style != brush_style_::null_;
  // Where the result ignores the destination, the pen simply overwrites the fill: the same
  // pixels as leaving the outline out of the fill, without building the outline's region.
  const bool overwrite = ignores_destination_(st_.rop);
  std::vector<plot_> plots;
  region_ outline;
  if (has_pen && cosmetic_(st_.pen)) {
    int64_t dash_pos = 0;
    for (const auto& path : paths) pen_pixels_(path, closed, dash_pos, plots);
    if (has_brush && !overwrite) {
      std::vector<pixel_span_> spans;
      spans.reserve(plots.size());
      for (const plot_& p : plots) spans.push_back({p.y, p.x, p.x + 1});
      outline = region_::from_spans_(std::move(spans));
    }
  } else if (has_pen) {
    std::vector<pixel_span_> spans;
    for (const auto& path : paths)
      wide_stroke_spans_(path.data(), path.size(), closed, st_.pen.width, st_.pen.style, st_.clip.bounds_(), spans);
    outline = region_::from_spans_(std::move(spans));
  }
  if (has_brush) paint_region_(outline.empty_() ? *fill : fill->subtract_(outline), st_.brush.colour, st_.rop);
  if (!has_pen) return;
  if (cosmetic_(st_.pen)) {
    const bool single = paths.size() == 1 && paths[0].size() == 2 && !closed;
    // Dash and gap pixels of crossing segments differ in colour: the first one drawn wins.
    const bool gaps = st_.pen.style != pen_style_::solid_ && st_.bk_mode == bk_mode_::opaque_;
    paint_plots_(plots, !single && (gaps || !idempotent_(st_.rop)));
  } else {
    paint_region_(outline, st_.pen.colour, st_.rop);
  }
}

pixel_point_ dc_::move_to_(int32_t x, int32_t y) { return std::exchange(st_.position, pixel_point_{x, y}); }

void dc_::line_to_(int32_t x, int32_t y) {
  const pixel_point_ ends[2] = {st_.position, {x, y}};
  st_.position = ends[1];
  if (st_.pen.style == pen_style_::null_) return;
  std::vector<pixel_point_> path = to_device_(ends, 2);
  refresh_clip_();
  if (cosmetic_(st_.pen) && st_.pen.style == pen_style_::solid_) {
    // The common case, drawn straight into the pixels: a single line has no repeated pixel.
    surface_& s = *target_px_;
    const uint32_t p = surface_::argb_of_colour_(st_.pen.colour);
    const rop_ rop = st_.rop;
    const bool rect_clip = st_.clip.is_rect_();
    walk_line_(path[0].x, path[0].y, path[1].x, path[1].y, st_.clip.bounds_(), [&](int32_t px, int32_t py, int64_t) {
      if (!rect_clip && !st_.clip.contains_(px, py)) return;
      uint32_t& d = s.row_(py)[px];
      d = rop == rop_::copy_pen_ ? p : rop_apply_(rop, d, p);
    });
    return;
  }
  stroke_paths_({std::move(path)}, false, nullptr);
}

void dc_::polyline_(const pixel_point_* points, size_t count) {
  if (!points || count < 2) return;
  stroke_paths_({to_device_(points, count)}, false, nullptr);
}

void dc_::poly_polyline_(const pixel_point_* points, const int32_t* counts, size_t lines) {
  if (!points || !counts) return;
  std::vector<std::vector<pixel_point_>> paths;
  size_t base = 0;
  for (size_t i = 0; i < lines; ++i) {
    if (counts[i] < 0) return;  // a bad count draws nothing rather than reading past the points
    paths.push_back(to_device_(points + base, size_t(counts[i])));
    base += size_t(counts[i]);
  }
  stroke_paths_(paths, false, nullptr);
}

void dc_::poly_bezier_(const pixel_point_* points, size_t count) {
  if (!points || count < 4 || (count - 1) % 3 != 0) return;
  const std::vector<pixel_point_> dev = to_device_(points, count);
  std::vector<pixel_point_> path{dev[0]};
  for (size_t i = 0; i + 3 < count; i += 3) flatten_bezier_(&dev[i], path);
  stroke_paths_({std::move(path)}, false, nullptr);
}

void dc_::polygon_(const pixel_point_* points, size_t count) {
  if (!points || count < 2) return;
  const int32_t n = int32_t(std::min<size_t>(count, INT32_MAX));
  poly_polygon_(points, &n, 1);
}

void dc_::poly_polygon_(const pixel_point_* points, const int32_t* counts, size_t polygons) {
  if (!points || !counts) return;
  std::vector<std::vector<pixel_point_>> paths;
  std::vector<pixel_point_> all;
  std::vector<int32_t> used;
  size_t base = 0;
  for (size_t i = 0; i < polygons; ++i) {
    if (counts[i] < 0) return;
    std::vector<pixel_point_> dev = to_device_(points + base, size_t(counts[i]));
    base += size_t(counts[i]);
    if (dev.size() < 2) continue;  // a lone point is no polygon
    all.insert(all.end(), dev.begin(), dev.end());
    used.push_back(int32_t(dev.size()));
    paths.push_back(std::move(dev));
  }
  if (paths.empty()) return;
  region_ fill;
  refresh_clip_();
  if (st_.brush.style != brush_style_::null_) {
    std::vector<pixel_span_> spans;
    const pixel_rect_ b = st_.clip.bounds_();
    polygon_spans_(all.data(), used.data(), used.size(), st_.fill, b.top, b.bottom, spans);
    fill = region_::from_spans_(std::move(spans));
  }
  stroke_paths_(paths, true, &fill);
}

void dc_::rectangle_(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  const pixel_rect_ r = normalised_(left, top, right, bottom);
  if (r.empty_()) return;
  // The outline runs on the outermost pixels; the right and bottom edges stay outside.
  const pixel_point_ corners[4] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1},
                                   {r.left, r.bottom - 1}};
  polygon_(corners, 4);
}

void dc_::ellipse_(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  pixel_rect_ r = normalised_(left, top, right, bottom);
  r = {sat_add_(r.left, st_.origin.x), sat_add_(r.top, st_.origin.y), sat_add_(r.right, st_.origin.x),
       sat_add_(r.bottom, st_.origin.y)};
  if (r.empty_()) return;
  refresh_clip_();
  const pixel_rect_ b = st_.clip.bounds_();
  const bool has_pen = st_.pen.style != pen_style_::null_;
  const bool has_brush = st_.brush.style != brush_style_::null_;
  std::vector<pixel_span_> spans;
  ellipse_spans_(r, 0.0, b.top - 1, b.bottom + 1, spans);
  const region_ whole = region_::from_spans_(std::move(spans));
  region_ ring;
  if (has_pen && cosmetic_(st_.pen)) {
    // The outline is the ellipse's border: pixels with a side neighbour outside it.
    const region_ inner = whole.intersect_(whole.offset_(1, 0)).intersect_(whole.offset_(-1, 0))
                              .intersect_(whole.offset_(0, 1)).intersect_(whole.offset_(0, -1));
    ring = whole.subtract_(inner);
  } else if (has_pen) {
    const double w = st_.pen.width;
    std::vector<pixel_span_> outer, inner;
    ellipse_spans_(r, (w - 1.0) / 2.0, b.top, b.bottom, outer);
    ellipse_spans_(r, -(w + 1.0) / 2.0, b.top, b.bottom, inner);
    ring = region_::from_spans_(std::move(outer)).subtract_(region_::from_spans_(std::move(inner)));
  }
  if (has_brush) paint_region_(whole.subtract_(ring), st_.brush.colour, st_.rop);
  if (!has_pen) return;
  const dash_pattern_ dash = dash_pattern_of_(st_.pen.style);
  if (dash.count == 0 || !cosmetic_(st_.pen)) {
    paint_region_(ring, st_.pen.colour, st_.rop);
    return;
  }
  // Dashed outline: the pattern runs by angle around the centre, so it is the same whatever
  // the clip.
  std::vector<plot_> plots;
  const double cx = (double(r.left) + r.right - 1) / 2.0, cy = (double(r.top) + r.bottom - 1) / 2.0;
  const double perimeter = 3.14159265358979323846 * (r.width_() + r.height_()) / 2.0;
  const uint32_t on = surface_::argb_of_colour_(st_.pen.colour), off = surface_::argb_of_colour_(st_.bk_colour);
  const region_ visible = ring.intersect_(st_.clip);
  for (const pixel_span_& sp : visible.spans_())
    for (int32_t x = sp.x0; x < sp.x1; ++x) {
      double a = std::atan2(cy - sp.y, x - cx);
      if (a < 0) a += 2.0 * 3.14159265358979323846;
      const int64_t pos = int64_t(a / (2.0 * 3.14159265358979323846) * perimeter);
      if (dash.on_at_(pos)) plots.push_back({x, sp.y, on});
      else if (st_.bk_mode == bk_mode_::opaque_) plots.push_back({x, sp.y, off});
    }
  paint_plots_(plots, false);
}

void dc_::fill_rectangle_(const pixel_rect_& r, uint32_t colour) {
  pixel_rect_ n = normalised_(r.left, r.top, r.right, r.bottom);
  n = {sat_add_(n.left, st_.origin.x), sat_add_(n.top, st_.origin.y), sat_add_(n.right, st_.origin.x),
       sat_add_(n.bottom, st_.origin.y)};
  paint_region_(region_(n.empty_() ? pixel_rect_{} : n).intersect_(region_(surface_rect_())), colour, rop_::copy_pen_);
}

void dc_::fill_region_(const region_& device_region, uint32_t colour) {
  paint_region_(device_region, colour, rop_::copy_pen_);
}

void dc_::invert_rectangle_(const pixel_rect_& r) {
  pixel_rect_ n = normalised_(r.left, r.top, r.right, r.bottom);
  n = {sat_add_(n.left, st_.origin.x), sat_add_(n.top, st_.origin.y), sat_add_(n.right, st_.origin.x),
       sat_add_(n.bottom, st_.origin.y)};
  paint_region_(region_(n).intersect_(region_(surface_rect_())), 0, rop_::invert_);
}

uint32_t dc_::set_pixel_(int32_t x, int32_t y, uint32_t colour) {
  refresh_clip_();
  const int32_t dx = sat_add_(x, st_.origin.x), dy = sat_add_(y, st_.origin.y);
  if (!st_.clip.contains_(dx, dy) || !target_px_->contains_(dx, dy)) return invalid_colour_;
  target_px_->set_colour_(dx, dy, colour & 0xFFFFFF);
  return colour & 0xFFFFFF;
}

uint32_t dc_::get_pixel_(int32_t x, int32_t y) const {
  const int32_t dx = sat_add_(x, st_.origin.x), dy = sat_add_(y, st_.origin.y);
  if (!st_.clip.contains_(dx, dy) || !target_px_->contains_(dx, dy)) return invalid_colour_;
  return target_px_->colour_(dx, dy);
}
