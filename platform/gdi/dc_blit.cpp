#include <algorithm>
#include <optional>

#include "platform/gdi/dc.h"

namespace {

uint32_t blit_apply_(blit_op_ op, uint32_t s, uint32_t d, uint32_t p) {
  uint32_t v;
  switch (op) {
    case blit_op_::copy_: v = s; break;
    case blit_op_::not_copy_: v = ~s; break;
    case blit_op_::paint_: v = s | d; break;
    case blit_op_::and_: v = s & d; break;
    case blit_op_::invert_: v = s ^ d; break;
    case blit_op_::erase_: v = s & ~d; break;
    case blit_op_::not_erase_: v = ~(s | d); break;
    case blit_op_::merge_paint_: v = ~s | d; break;
    case blit_op_::merge_copy_: v = s & p; break;
    case blit_op_::pattern_copy_: v = p; break;
    case blit_op_::pattern_invert_: v = p ^ d; break;
    case blit_op_::dest_invert_: v = ~d; break;
    case blit_op_::black_: v = 0; break;
    case blit_op_::white_: v = 0xFFFFFFu; break;
    default: v = d; break;
  }
  return (v & 0xFFFFFFu) | 0xFF000000u;
}

bool needs_source_(blit_op_ op) {
  switch (op) {
    case blit_op_::pattern_copy_: case blit_op_::pattern_invert_: case blit_op_::dest_invert_:
    case blit_op_::black_: case blit_op_::white_:
      return false;
    default:
      return true;
  }
}

// Nearest-neighbour mapping of destination columns (or rows) onto source ones. A negative
// size on either side mirrors. index_of(j) gives the source index of destination step j.
struct axis_map_ {
  int64_t dst0 = 0, dst_len = 0, src0 = 0, src_len = 0;
  bool mirror = false;
  bool set_(int32_t d, int32_t dl, int32_t s, int32_t sl) {
    dst0 = d; dst_len = dl; src0 = s; src_len = sl;
    if (dst_len < 0) { dst0 += dst_len; dst_len = -dst_len; mirror = !mirror; }
    if (src_len < 0) { src0 += src_len; src_len = -src_len; mirror = !mirror; }
    return dst_len > 0 && src_len > 0;
  }
  int64_t source_(int64_t j) const {  // j in 0..dst_len-1
    // 128-bit: extreme sizes would overflow the product in 64 bits.
    int64_t k = int64_t((static_cast<__int128>(2 * j + 1) * src_len) / (2 * static_cast<__int128>(dst_len)));
    if (mirror) k = src_len - 1 - k;
    return src0 + k;
  }
};

}  // namespace

// Visits every destination pixel of the mapped rectangle that the clip allows, with its source
// pixel; copies the source first when it is the destination itself, so overlaps read old pixels.
template <class Pixel>
static bool for_each_mapped_(surface_& target, const region_& clip, pixel_point_ origin, int32_t x, int32_t y,
                             int32_t w, int32_t h, const surface_* source, int32_t sx, int32_t sy, int32_t sw,
                             int32_t sh, Pixel&& pixel) {
  axis_map_ mx, my;
  const int64_t ox = int64_t(x) + origin.x, oy = int64_t(y) + origin.y;
  if (ox < INT32_MIN || ox > INT32_MAX || oy < INT32_MIN || oy > INT32_MAX) return false;
  if (!mx.set_(int32_t(ox), w, sx, sw) || !my.set_(int32_t(oy), h, sy, sh)) return false;
  std::optional<surface_> copy;
  if (source == &target) {
    copy.emplace(*source);
    source = &*copy;
  }
  const pixel_rect_ dst{int32_t(std::clamp<int64_t>(mx.dst0, INT32_MIN, INT32_MAX)),
                        int32_t(std::clamp<int64_t>(my.dst0, INT32_MIN, INT32_MAX)),
                        int32_t(std::clamp<int64_t>(mx.dst0 + mx.dst_len, INT32_MIN, INT32_MAX)),
                        int32_t(std::clamp<int64_t>(my.dst0 + my.dst_len, INT32_MIN, INT32_MAX))};
  const region_ vis = clip.intersect_(region_(intersect_rects_(dst, clip.bounds_())));
  for (const pixel_span_& sp : vis.spans_()) {
    const int64_t srow = my.source_(sp.y - my.dst0);
    const uint32_t* src_row = (source && srow >= 0 && srow < source->height_()) ? source->row_(int32_t(srow)) : nullptr;
    if (source && !src_row) continue;
    uint32_t* row = target.row_(sp.y);
    for (int32_t px = sp.x0; px < sp.x1; ++px) {
      if (!source) {
        pixel(row[px], 0u);
        continue;
      }
      const int64_t scol = mx.source_(px - mx.dst0);
      if (scol < 0 || scol >= source->width_()) continue;
      pixel(row[px], src_row[scol]);
    }
  }
  return true;
}

bool dc_::blit_(int32_t x, int32_t y, int32_t w, int32_t h, const surface_* source, int32_t sx, int32_t sy,
                blit_op_ op) {
  return stretch_blit_(x, y, w, h, source, sx, sy, w, h, op);
}

bool dc_::stretch_blit_(int32_t x, int32_t y, int32_t w, int32_t h, const surface_* source, int32_t sx,
                        int32_t sy, int32_t sw, int32_t sh, blit_op_ op) {
  if (!needs_source_(op)) return pattern_blit_(x, y, w, h, op);
  if (!source) return false;
  const uint32_t p = surface_::argb_of_colour_(st_.brush.colour);
  refresh_clip_();
  return for_each_mapped_(*target_px_, st_.clip, st_.origin, x, y, w, h, source, sx, sy, sw, sh,
                          [op, p](uint32_t& d, uint32_t s) {
                            d = op == blit_op_::copy_ ? (s | 0xFF000000u) : blit_apply_(op, s, d, p);
                          });
}

bool dc_::pattern_blit_(int32_t x, int32_t y, int32_t w, int32_t h, blit_op_ op) {
  if (needs_source_(op)) return false;
  const uint32_t p = surface_::argb_of_colour_(st_.brush.colour);
  refresh_clip_();
  return for_each_mapped_(*target_px_, st_.clip, st_.origin, x, y, w, h, nullptr, 0, 0, w, h,
                          [op, p](uint32_t& d, uint32_t) { d = blit_apply_(op, 0, d, p); });
}

bool dc_::transparent_blit_(int32_t x, int32_t y, int32_t w, int32_t h, const surface_& source, int32_t sx,
                            int32_t sy, int32_t sw, int32_t sh, uint32_t key_colour) {
  const uint32_t key = surface_::argb_of_colour_(key_colour) & 0xFFFFFFu;
  refresh_clip_();
  return for_each_mapped_(*target_px_, st_.clip, st_.origin, x, y, w, h, &source, sx, sy, sw, sh,
                          [key](uint32_t& d, uint32_t s) {
                            if ((s & 0xFFFFFFu) != key) d = s | 0xFF000000u;
                          });
}

bool dc_::alpha_blit_(int32_t x, int32_t y, int32_t w, int32_t h, const surface_& source, int32_t sx, int32_t sy,
                      int32_t sw, int32_t sh, uint8_t constant_alpha, bool per_pixel) {
  const uint32_t ca = constant_alpha;
  // x * y / 255, rounded, exactly in integers.
  auto mul = [](uint32_t a, uint32_t b) { uint32_t t = a * b + 128; return (t + (t >> 8)) >> 8; };
  refresh_clip_();
  return for_each_mapped_(*target_px_, st_.clip, st_.origin, x, y, w, h, &source, sx, sy, sw, sh,
                          [&](uint32_t& d, uint32_t s) {
                            uint32_t sa = per_pixel ? (s >> 24) : 255u;
                            if (!per_pixel) s |= 0xFF000000u;
                            sa = mul(sa, ca);
                            uint32_t out = 0;
                            for (int shift = 0; shift < 32; shift += 8) {
                              const uint32_t sc = mul((s >> shift) & 0xFFu, ca);
                              const uint32_t dc = (d >> shift) & 0xFFu;
                              uint32_t v = sc + mul(dc, 255u - sa);
                              if (v > 255u) v = 255u;
                              out |= v << shift;
                            }
                            d = out;
                          });
}
