// Transforming a large selection, and spacing many objects evenly, against the same arithmetic
// in plain loops over the same coordinates and boxes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/zaz_class.h"

namespace {

std::unique_ptr<zaz_class_> drawing_of_lines(int32_t n) {
  auto e = std::make_unique<zaz_class_>();
  e->page_add_("p", 210, 297);
  e->layer_add_("l", true_, true_, -1, -2, 0, 1);
  for (int32_t i = 0; i < n; ++i) {
    const float x = static_cast<float>(i % 1000), y = static_cast<float>(i / 1000);
    e->add_line_(x, y, x + 0.5f, y + 0.25f);
  }
  e->select_all_();
  return e;
}

zaz_class_& million() {
  static auto e = drawing_of_lines(1000000);
  return *e;
}

void BM_move(benchmark::State& state) {
  zaz_class_& e = million();
  float d = 1;
  for (auto _ : state) {
    e.transform_move_(d, -d, 0);
    d = -d;
  }
  state.SetItemsProcessed(state.iterations() * e.select_info_());
}

void BM_rotate(benchmark::State& state) {
  zaz_class_& e = million();
  for (auto _ : state) e.transform_rotate_(30, 500, 500, 0);
  state.SetItemsProcessed(state.iterations() * e.select_info_());
}

void BM_mirror(benchmark::State& state) {
  zaz_class_& e = million();
  for (auto _ : state) e.transform_mirror_(0, 0, 1, 1, 0);
  state.SetItemsProcessed(state.iterations() * e.select_info_());
}

void BM_scale(benchmark::State& state) {
  zaz_class_& e = million();
  float s = 2;
  for (auto _ : state) {
    e.transform_scale_(500, 500, s, 1 / s, 0);
    s = 1 / s;
  }
  state.SetItemsProcessed(state.iterations() * e.select_info_());
}

void BM_arrange_space(benchmark::State& state) {
  auto e = drawing_of_lines(static_cast<int32_t>(state.range(0)));
  int32_t code = 2;
  for (auto _ : state) {
    e->arrange_space_(code);
    code = code == 2 ? 5 : 2;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The baselines: a million lines as plain records with their boxes, every selected line's
// points mapped in double and stored as float, its box recomputed. Sine, cosine and the mirror
// line's constants are computed once, outside the loop.
struct plain_line_ {
  line_rec_ p;
  object_rec_ box;
  bool selected = true;
};

std::vector<plain_line_>& plain_million() {
  static std::vector<plain_line_> lines = [] {
    std::vector<plain_line_> v(1000000);
    for (size_t i = 0; i < v.size(); ++i) {
      const float x = static_cast<float>(i % 1000), y = static_cast<float>(i / 1000);
      v[i].p = {x, y, x + 0.5f, y + 0.25f};
      v[i].box.x1 = x, v[i].box.y1 = y, v[i].box.x2 = x + 0.5f, v[i].box.y2 = y + 0.25f;
    }
    return v;
  }();
  return lines;
}

template <class Map>
void plain_map(std::vector<plain_line_>& lines, Map map) {
  for (plain_line_& l : lines) {
    if (!l.selected) continue;
    map(l.p.x1, l.p.y1);
    map(l.p.x2, l.p.y2);
    l.box.x1 = std::min(l.p.x1, l.p.x2), l.box.x2 = std::max(l.p.x1, l.p.x2);
    l.box.y1 = std::min(l.p.y1, l.p.y2), l.box.y2 = std::max(l.p.y1, l.p.y2);
  }
  benchmark::DoNotOptimize(lines.data());
  benchmark::ClobberMemory();
}

void BM_plain_move(benchmark::State& state) {
  auto& lines = plain_million();
  double d = 1;
  for (auto _ : state) {
    plain_map(lines, [d](float& x, float& y) {
      x = static_cast<float>(x + d);
      y = static_cast<float>(y - d);
    });
    d = -d;
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}

void BM_plain_rotate(benchmark::State& state) {
  auto& lines = plain_million();
  const double a = -30.0 * 3.14159265358979 / 180.0, c = std::cos(a), s = std::sin(a), ox = 500, oy = 500;
  for (auto _ : state)
    plain_map(lines, [=](float& x, float& y) {
      const double dx = x - ox, dy = y - oy;
      x = static_cast<float>(dx * c + dy * s + ox);
      y = static_cast<float>(dy * c - dx * s + oy);
    });
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}

void BM_plain_mirror(benchmark::State& state) {
  auto& lines = plain_million();
  // Reflection about the line through (0, 0) and (1, 1): the unit direction (ux, uy).
  const double ux = std::sqrt(0.5), uy = std::sqrt(0.5);
  for (auto _ : state)
    plain_map(lines, [=](float& x, float& y) {
      const double t = x * ux + y * uy;
      x = static_cast<float>(2 * t * ux - x);
      y = static_cast<float>(2 * t * uy - y);
    });
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}

void BM_plain_scale(benchmark::State& state) {
  auto& lines = plain_million();
  double s = 2;
  for (auto _ : state) {
    plain_map(lines, [s](float& x, float& y) {
      x = static_cast<float>(500 + s * (x - 500.0));
      y = static_cast<float>(500 + (1 / s) * (y - 500.0));
    });
    s = 1 / s;
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}

// Even spacing by hand: boxes sorted by centre (stable), each moved to follow the last with a
// gap of 10, then the row moved back to its old middle.
void BM_plain_arrange_space(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  std::vector<plain_line_> lines(plain_million().begin(), plain_million().begin() + static_cast<long>(n));
  struct key_ {
    float key;
    uint32_t at;
  };
  std::vector<key_> keys(n);
  for (auto _ : state) {
    float lo = lines[0].box.x1, hi = lines[0].box.x2;
    for (size_t i = 0; i < n; ++i) {
      keys[i] = {static_cast<float>((double(lines[i].box.x1) + lines[i].box.x2) * 0.5), static_cast<uint32_t>(i)};
      lo = std::min(lo, lines[i].box.x1), hi = std::max(hi, lines[i].box.x2);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const key_& a, const key_& b) { return a.key < b.key; });
    double p = lo;
    float nlo = lo, nhi = hi;
    for (const key_& k : keys) {
      plain_line_& l = lines[k.at];
      const double d = p - l.box.x1, w = double(l.box.x2) - l.box.x1;
      l.p.x1 = static_cast<float>(l.p.x1 + d), l.p.x2 = static_cast<float>(l.p.x2 + d);
      l.box.x1 = std::min(l.p.x1, l.p.x2), l.box.x2 = std::max(l.p.x1, l.p.x2);
      nhi = std::max(nhi, l.box.x2);
      p = static_cast<float>(p + 10 + w);
    }
    const double back = (double(lo) + hi) * 0.5 - (double(nlo) + nhi) * 0.5;
    for (plain_line_& l : lines) {
      l.p.x1 = static_cast<float>(l.p.x1 + back), l.p.x2 = static_cast<float>(l.p.x2 + back);
      l.box.x1 = std::min(l.p.x1, l.p.x2), l.box.x2 = std::max(l.p.x1, l.p.x2);
    }
    benchmark::DoNotOptimize(lines.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_move)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rotate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_mirror)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_scale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_arrange_space)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_move)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_rotate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_mirror)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_scale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_arrange_space)->Arg(100000)->Unit(benchmark::kMillisecond);
