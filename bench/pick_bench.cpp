// Picking at random points of a page of a million short lines, and cursor snapping with a
// full snap-point cache, each against a brute-force scan in plain C++.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

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
  int64_t found = 0;
  for (auto _ : state) {
    const float x = at(rng), y = at(rng);
    const int32_t r = s.e->getrfp_(x, y, type, false_, false_);
    found += r > 0;
    benchmark::DoNotOptimize(r);
  }
  state.counters["hit_rate"] = double(found) / double(state.iterations());
}
BENCHMARK(BM_PickMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

// The baseline: every line's box tested against the pick square (19 pixels across at the
// view's zoom), then the nearest line by point-to-segment distance among those inside it.
void BM_PickBruteForce(benchmark::State& state) {
  std::unique_ptr<scene_> s = std::make_unique<scene_>(1000000);
  const auto& objects = s->e->store.live.objects;
  const auto& lines = s->e->store.live.lines;
  const int32_t count = s->e->store.counts[0];
  const double half = 9.5 / s->e->active_view_().zoom;
  std::mt19937 rng(11);
  std::uniform_real_distribution<float> at(100, 900);
  int64_t found = 0;
  for (auto _ : state) {
    const double px = at(rng), py = at(rng);
    int32_t best = 0;
    double best_d2 = half * half;
    for (int32_t r = 1; r <= count; ++r) {
      const object_rec_& o = objects[size_t(r)];
      if (o.deleted || o.x2 < px - half || o.x1 > px + half || o.y2 < py - half || o.y1 > py + half) continue;
      const line_rec_& l = lines[size_t(o.index)];
      const double dx = double(l.x2) - l.x1, dy = double(l.y2) - l.y1, len2 = dx * dx + dy * dy;
      double t = len2 > 0 ? ((px - l.x1) * dx + (py - l.y1) * dy) / len2 : 0;
      t = std::clamp(t, 0.0, 1.0);
      const double ex = l.x1 + t * dx - px, ey = l.y1 + t * dy - py, d2 = ex * ex + ey * ey;
      if (d2 <= best_d2) best_d2 = d2, best = r;
    }
    found += best > 0;
    benchmark::DoNotOptimize(best);
  }
  state.counters["hit_rate"] = double(found) / double(state.iterations());
}
BENCHMARK(BM_PickBruteForce)->Unit(benchmark::kMillisecond)->Iterations(50);

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
BENCHMARK(BM_SnapFullCache)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The baseline: the nearest of the same points to each cursor position by squared distance,
// with no grid, angle or tracking steps.
void BM_SnapNearestPlain(benchmark::State& state) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<float> at(0, 1000);
  const size_t n = size_t(state.range(0));
  std::vector<float> xs(n), ys(n);
  for (size_t i = 0; i < n; ++i) xs[i] = at(rng), ys[i] = at(rng);
  std::uniform_real_distribution<float> cursor(0, 1000);
  for (auto _ : state) {
    const float x = cursor(rng), y = cursor(rng);
    size_t best = 0;
    float best_d2 = -1;
    for (size_t i = 0; i < n; ++i) {
      const float dx = xs[i] - x, dy = ys[i] - y, d2 = dx * dx + dy * dy;
      if (best_d2 < 0 || d2 < best_d2) best_d2 = d2, best = i;
    }
    benchmark::DoNotOptimize(best);
  }
}
BENCHMARK(BM_SnapNearestPlain)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
