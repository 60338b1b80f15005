// Tile placing of a 1,000 x 1,000 square with the densest built-in pattern (honeycomb, 108
// segments). Scale 1 gives tiles of 10 units; at scale 0.1 the square spans more than 201 tiles
// and the placing is refused, so that run measures how quickly a refusal comes back. Scale 0.71
// is the largest lattice that is still accepted.
#include <benchmark/benchmark.h>

#include "engine/hatch/hatch_place.h"

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

}  // namespace

BENCHMARK(BM_HatchSquare)->Arg(100)->Arg(10)->Arg(71)->ArgName("scale_x100")->Unit(benchmark::kMillisecond);
