// Cost of appending objects to the store: a million lines, a million circles, against
// appending the same records to plain vectors (the container floor).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

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

// The baseline: the main record with its box and the kind's entry pushed onto two plain
// vectors, growing as the store's tables do, with no checks, layers or page bookkeeping.
template <class Entry, class Make>
void plain_append(benchmark::State& state, Make make) {
  std::vector<object_rec_> objects;
  std::vector<Entry> entries;
  for (auto _ : state) {
    state.PauseTiming();
    objects = {};
    entries = {};
    state.ResumeTiming();
    for (int i = 0; i < kObjects; ++i) {
      const float x = static_cast<float>(i % 1000), y = static_cast<float>(i / 1000);
      object_rec_ o;
      entries.push_back(make(x, y, o));
      o.index = static_cast<int32_t>(entries.size());
      o.page = 1;
      o.layer = 1;
      objects.push_back(o);
    }
    benchmark::DoNotOptimize(objects.data());
    benchmark::DoNotOptimize(entries.data());
  }
  const double adds = static_cast<double>(state.iterations()) * kObjects;
  state.SetItemsProcessed(static_cast<int64_t>(adds));
  state.counters["time_per_add"] =
      benchmark::Counter(adds, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["bytes_per_object"] = (table_bytes(objects) + table_bytes(entries)) / kObjects;
}

void BM_PlainAppendLines(benchmark::State& state) {
  plain_append<line_rec_>(state, [](float x, float y, object_rec_& o) {
    o.type = ot_line_;
    o.x1 = x, o.y1 = y, o.x2 = x + 5, o.y2 = y + 3;
    return line_rec_{x, y, x + 5, y + 3};
  });
}
BENCHMARK(BM_PlainAppendLines)->Unit(benchmark::kMillisecond);

void BM_PlainAppendCircles(benchmark::State& state) {
  plain_append<circle_rec_>(state, [](float x, float y, object_rec_& o) {
    o.type = ot_circle_;
    o.x1 = x - 2.5f, o.y1 = y - 2.5f, o.x2 = x + 2.5f, o.y2 = y + 2.5f;
    return circle_rec_{x, y, 2.5f, 2.5f, 0, 0, 6.2831855f, 0};
  });
}
BENCHMARK(BM_PlainAppendCircles)->Unit(benchmark::kMillisecond);

}  // namespace
