// Transforming a large selection, and spacing many objects evenly.
#include <benchmark/benchmark.h>

#include <memory>

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

}  // namespace

BENCHMARK(BM_move)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_rotate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_mirror)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_scale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_arrange_space)->Arg(100000)->Unit(benchmark::kMillisecond);
