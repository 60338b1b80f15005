// Tile placing: prepared pattern lines and the lattice of tile origins over a boundary.
//
// The boundary is filled into an off-screen raster and sample points around each candidate
// tile are looked up in it. The raster's size follows the boundary measured in tiles, not any
// window, so a drawing without a window places the same tiles as one on screen.
#include "engine/hatch/hatch_place.h"

#include <algorithm>
#include <cmath>

#include "engine/hatch/hatch_raster.h"
#include "platform/core/types.h"

namespace {

// Pixels per tile side of the raster: the samples step 1/8 of a tile along the hatch and 1/16
// across it, and the boundary's outline is one pixel wide.
constexpr double raster_px_per_tile_ = 8.0;
constexpr int32_t raster_max_side_ = 4096;

constexpr float half_pi_ = 1.5707963705062866f;

struct box_ {
  float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

// Over points 1..count; false when there are none or one is not finite.
bool boundary_box_(const hatch_rec_& h, box_& b) {
  const int32_t count = h.count;
  if (count < 1 || size_t(count) >= h.x.size() || size_t(count) >= h.y.size()) return false;
  const float* x = h.x.data();
  const float* y = h.y.data();
  b = {x[1], y[1], x[1], y[1]};
  for (int32_t i = 1; i <= count; ++i) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return false;
    b.xmin = std::min(b.xmin, x[i]);
    b.xmax = std::max(b.xmax, x[i]);
    b.ymin = std::min(b.ymin, y[i]);
    b.ymax = std::max(b.ymax, y[i]);
  }
  return true;
}

// The pattern's segments as lines around a tile origin: the tile becomes a square of side
// `tile` centred on the origin, turned by `rotation`.
// Entry 0 is unused, as in the record.
std::vector<hatch_segment_rec_> prepare_lines_(const hatch_pattern_rec_& p, float tile, float rotation) {
  std::vector<hatch_segment_rec_> lines(size_t(p.count) + 1);
  const double c = std::cos(double(rotation)), s = std::sin(double(rotation));
  auto turn = [&](float& px, float& py) {
    const float rx = f32_(px * c - py * s), ry = f32_(px * s + py * c);
    px = f32_(double(rx) * tile);
    py = f32_(double(ry) * tile);
  };
  for (int32_t i = 0; i < p.count; ++i) {
    const hatch_segment_rec_& g = p.segments[size_t(i)];
    hatch_segment_rec_& l = lines[size_t(i) + 1];
    l = {f32_((g.x1 - 50.0) * 0.01), f32_((g.y1 - 50.0) * 0.01), f32_((g.x2 - 50.0) * 0.01),
         f32_((g.y2 - 50.0) * 0.01)};
    turn(l.x1, l.y1);
    turn(l.x2, l.y2);
  }
  return lines;
}

int32_t raster_side_(double extent, double tile) {
  const double px = std::ceil(extent / tile * raster_px_per_tile_);
  return px >= raster_max_side_ ? raster_max_side_ : std::max<int32_t>(1, int32_t(px));
}

}  // namespace

float hatch_tile_size_(float scale) {
  const float tile = f32_(double(scale) * 10.0);
  return tile > 0.01f ? tile : 0.01f;  // NaN falls here too
}

int32_t hatch_lattice_half_(double diagonal, double tile) {
  int32_t m = 0, n = 0;
  if (!(tile > 0) || !to_int_even_(diagonal / tile, m)) return -1;
  if (!to_int_even_(std::fabs(m * 0.5), n)) return -1;
  return n;
}

bool hatch_place_tiles_(hatch_rec_& hr) {
  const float scale = hr.scale, rotation = hr.rotation;
  hatch_build_pattern_(hr.pattern);
  const hatch_pattern_rec_& pat = hatch_pattern_buf_;
  if (pat.count < 1 || !std::isfinite(rotation)) return false;
  const float tile = hatch_tile_size_(scale);
  if (!std::isfinite(tile)) return false;

  box_ b;
  if (!boundary_box_(hr, b)) return false;
  const double bw = double(b.xmax) - b.xmin, bh = double(b.ymax) - b.ymin;
  if (bw == 0 || bh == 0) return false;
  const float cx = f32_((double(b.xmin) + b.xmax) * 0.5), cy = f32_((double(b.ymin) + b.ymax) * 0.5);
  const float diagonal = f32_(std::sqrt(bw * bw + bh * bh));
  const int32_t n = hatch_lattice_half_(diagonal, tile);
  if (n < 0 || n > hatch_lattice_limit_ || !std::isfinite(diagonal)) return false;
  // 2n + 1 tiles can fall half a tile short of the diagonal; one more ring always covers it.
  const int32_t ring = n + 1;

  std::vector<hatch_segment_rec_> lines = prepare_lines_(pat, tile, rotation);

  // The raster: the boundary box stretched over W x H pixels, one more row and column so that
  // the box's far edges land on pixels too.
  const int32_t w = raster_side_(bw, tile), h = raster_side_(bh, tile);
  const double sx = double(float(w)) / bw, sy = double(float(h)) / bh;
  auto map_x = [&](double px) { return cint32_(sx * (px - b.xmin)); };
  auto map_y = [&](double py) { return cint32_(sy * (py - b.ymin)); };
  std::vector<hatch_raster_point_> outline(size_t(hr.count));
  for (int32_t i = 1; i <= hr.count; ++i)
    outline[size_t(i - 1)] = {map_x(hr.x[size_t(i)]), map_y(hr.y[size_t(i)])};
  hatch_raster_ raster(w + 1, h + 1);
  if (!raster.fill_polygon_(outline)) return false;

  const double ca = std::cos(double(rotation)), sa = std::sin(double(rotation));
  const double cb = std::cos(double(rotation) + half_pi_), sb = std::sin(double(rotation) + half_pi_);

  // Sample offsets around a candidate origin: +-1 tile along in steps of 1/8, +-1/2 tile
  // across in steps of 1/16.
  struct offset_ {
    double dx, dy;
  };
  std::vector<offset_> samples;
  samples.reserve(17 * 17);
  for (int j = -8; j <= 8; ++j)
    for (int i = -8; i <= 8; ++i)
      samples.push_back(
          {tile * i / 8.0 * ca + tile * j / 16.0 * cb, tile * i / 8.0 * sa + tile * j / 16.0 * sb});
  const double reach = tile * 1.2;  // farther than any sample from its candidate

  // Entry 0 of each list is unused; a list without hits stays empty.
  std::vector<float> hits_x, hits_y;
  for (int32_t l = -ring; l <= ring; ++l) {
    for (int32_t k = -ring; k <= ring; ++k) {
      float ox = f32_(cx + double(tile) * k * ca), oy = f32_(cy + double(tile) * k * sa);
      ox = f32_(ox + double(tile) * l * cb);
      oy = f32_(oy + double(tile) * l * sb);
      if (ox + reach < b.xmin || ox - reach > b.xmax || oy + reach < b.ymin || oy - reach > b.ymax) continue;
      for (const offset_& o : samples) {
        if (raster.is_inside_(map_x(ox + o.dx), map_y(oy + o.dy))) {
          if (hits_x.empty()) hits_x.push_back(0), hits_y.push_back(0);
          hits_x.push_back(ox);
          hits_y.push_back(oy);
          break;
        }
      }
    }
  }

  hr.line_count = int32_t(lines.size()) - 1;
  hr.lines = std::move(lines);
  hr.tile_x = std::move(hits_x);
  hr.tile_y = std::move(hits_y);
  return true;
}
