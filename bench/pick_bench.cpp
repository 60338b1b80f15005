// Picking at random points of a page of a million short lines, and cursor snapping with a
// full snap-point cache.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "engine/zaz_class.h"

namespace {

struct scene_ {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  surface_ surface{800, 600};
  dc_ dc{surface};
  explicit scene_(int32_t lines) {
    e->page_add_("p", 210, 297);
    e->layer_add_("a", true_, true_, -1, -2, 0, 1);
    e->dinit_(&dc);
    e->view_setting_(500, 500, 0.75f, e->page_active_());
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> at(0, 1000), len(-5, 5);
    for (int32_t i = 0; i < lines; ++i) {
      const float x = at(rng), y = at(rng);
      e->add_line_(x, y, x + len(rng), y + len(rng));
    }
  }
};

void BM_PickMillion(benchmark::State& state) {
  static scene_ s(1000000);
  std::mt19937 rng(11);
  std::uniform_real_distribution<float> at(100, 900);
  int32_t type = 0;
  for (auto _ : state) benchmark::DoNotOptimize(s.e->getrfp_(at(rng), at(rng), type, false_, false_));
}
BENCHMARK(BM_PickMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SnapFullCache(benchmark::State& state) {
  static scene_ s(0);
  snap_point_rec_& c = s.e->paint.snap;
  std::mt19937 rng(5);
  std::uniform_real_distribution<float> at(0, 1000);
  const int32_t n = int32_t(state.range(0));
  c.x.assign(size_t(n) + 1, 0.f);
  c.y.assign(size_t(n) + 1, 0.f);
  for (int32_t i = 1; i <= n; ++i) c.x[i] = at(rng), c.y[i] = at(rng);
  c.count = n;
  c.page = s.e->page_active_();
  c.view = s.e->view_transform_(800, 600);
  c.width = 800, c.height = 600;
  view_rec_& v = s.e->active_view_();
  v.snap_grid = v.snap_points = v.snap_ang45 = v.snap_track = true_;
  std::uniform_int_distribution<int32_t> px(0, 799);
  for (auto _ : state) s.e->mxy2cxy_(px(rng), px(rng) % 600, true_, true_);
}
BENCHMARK(BM_SnapFullCache)->Arg(10000)->Arg(100000);

}  // namespace
