// Cost of appending objects to the store: a million lines, a million circles.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/zaz_class.h"

namespace {

constexpr int kObjects = 1000000;

template <class Table>
double table_bytes(const Table& t) {
  return static_cast<double>(t.capacity() * sizeof(typename Table::value_type));
}

void report(benchmark::State& state, const zaz_class_& e, double entry_bytes) {
  const double adds = static_cast<double>(state.iterations()) * kObjects;
  state.SetItemsProcessed(static_cast<int64_t>(adds));
  state.counters["time_per_add"] =
      benchmark::Counter(adds, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  // Storage held by the main table and the kind's table, per object in use.
  state.counters["bytes_per_object"] =
      (table_bytes(e.store.live.objects) + entry_bytes) / e.records_();
}

void BM_AddLines(benchmark::State& state) {
  std::unique_ptr<zaz_class_> e;
  for (auto _ : state) {
    state.PauseTiming();
    e = std::make_unique<zaz_class_>();
    e->page_add_("bench", 297, 210);
    e->layer_add_("bench", true_, true_, -1, -2, 0, 1);
    state.ResumeTiming();
    for (int i = 0; i < kObjects; ++i) {
      const float x = static_cast<float>(i % 1000), y = static_cast<float>(i / 1000);
      benchmark::DoNotOptimize(e->add_line_(x, y, x + 5, y + 3, -1, 0, 1, 1));
    }
  }
  report(state, *e, table_bytes(e->store.live.lines));
}
BENCHMARK(BM_AddLines)->Unit(benchmark::kMillisecond);

void BM_AddCircles(benchmark::State& state) {
  std::unique_ptr<zaz_class_> e;
  for (auto _ : state) {
    state.PauseTiming();
    e = std::make_unique<zaz_class_>();
    e->page_add_("bench", 297, 210);
    e->layer_add_("bench", true_, true_, -1, -2, 0, 1);
    state.ResumeTiming();
    for (int i = 0; i < kObjects; ++i) {
      const float x = static_cast<float>(i % 1000), y = static_cast<float>(i / 1000);
      benchmark::DoNotOptimize(e->add_circle_(x, y, 2.5f, -1, -2, 0, 1, 1));
    }
  }
  report(state, *e, table_bytes(e->store.live.circles));
}
BENCHMARK(BM_AddCircles)->Unit(benchmark::kMillisecond);

}  // namespace
