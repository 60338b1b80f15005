// Tile placing of a 1,000 x 1,000 square with the densest built-in pattern (honeycomb, 108
// segments). Scale 1 gives tiles of 10 units; at scale 0.1 the square spans more than 201 tiles
// and the placing is refused, so that run measures how quickly a refusal comes back. Scale 0.71
// is the largest lattice that is still accepted.
//
// The baseline is the placing's raster step on its own: the same boundary filled through the
// device context into a surface of the size the placing uses (8 pixels per tile side). What
// the placing takes beyond it is preparing the pattern and sampling the candidate tiles.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "engine/hatch/hatch_place.h"
#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"

namespace {

constexpr int32_t densest_pattern = 16;

hatch_rec_ square_hatch(float scale) {
  hatch_rec_ h;
  h.count = 4;
  h.x = {0, 0, 1000, 1000, 0};
  h.y = {0, 0, 0, 1000, 1000};
  h.pattern = densest_pattern;
  h.scale = scale;
  h.rotation = 0.5235988f;
  return h;
}

void BM_HatchSquare(benchmark::State& state) {
  const float scale = float(state.range(0)) / 100.0f;
  hatch_rec_ h = square_hatch(scale);
  bool placed = false;
  for (auto _ : state) {
    placed = hatch_place_tiles_(h);
    benchmark::DoNotOptimize(h.tile_x.data());
  }
  state.counters["placed"] = placed ? 1 : 0;
  state.counters["origins"] = h.tile_x.empty() ? 0 : double(h.tile_x.size() - 1);
  state.counters["lines"] = h.line_count;
}

void BM_FillBoundaryRaster(benchmark::State& state) {
  const float scale = float(state.range(0)) / 100.0f;
  const hatch_rec_ h = square_hatch(scale);
  const double tile = hatch_tile_size_(scale);
  const int32_t side = std::min<int32_t>(4096, int32_t(std::ceil(1000.0 / tile * 8.0)));
  const double k = side / 1000.0;
  std::vector<pixel_point_> outline;
  for (int32_t i = 1; i <= h.count; ++i)
    outline.push_back({cint32_(k * h.x[size_t(i)]), cint32_(k * h.y[size_t(i)])});
  for (auto _ : state) {
    surface_ raster(side + 1, side + 1);
    dc_ dc(raster);
    dc.select_pen_({pen_style_::solid_, 1, 0x0000FF});
    dc.select_brush_({brush_style_::solid_, 0x0000FF});
    dc.polygon_(outline.data(), outline.size());
    benchmark::DoNotOptimize(raster.pixels_());
  }
  state.counters["side"] = side + 1;
}

}  // namespace

BENCHMARK(BM_HatchSquare)->Arg(100)->Arg(10)->Arg(71)->ArgName("scale_x100")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillBoundaryRaster)->Arg(100)->Arg(71)->ArgName("scale_x100")->Unit(benchmark::kMillisecond);
