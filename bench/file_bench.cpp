// Saving and opening a drawing of 1,000,000 mixed objects against a plain sequential write and
// read of as many bytes, and one small undo step on that drawing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "engine/zaz_class.h"
#include "platform/core/file_io.h"

namespace {

constexpr int kObjects = 1000000;

std::string bench_path(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("arvex-bench-") + name)).string();
}

zaz_class_& big_drawing() {
  static std::unique_ptr<zaz_class_> e = [] {
    auto d = std::make_unique<zaz_class_>();
    d->file_new_(true_, "");
    for (int i = 0; i < kObjects; ++i) {
      float x = float(i % 1000), y = float(i / 1000);
      switch (i % 5) {
        case 0: d->add_line_(x, y, x + 1, y + 1); break;
        case 1: d->add_circle_(x, y, 0.5f); break;
        case 2: d->add_point_(x, y); break;
        case 3:
          d->vertex_clear_();
          for (int k = 0; k < 4; ++k) d->vertex_add_(x + float(k), y + float(k % 2));
          d->add_polyline_();
          break;
        default: d->add_arc_(x, y, 1, 1, 0, 0, 90); break;
      }
    }
    return d;
  }();
  return *e;
}

void BM_SaveDrawing(benchmark::State& state) {
  zaz_class_& e = big_drawing();
  const std::string p = bench_path("save.zaz");
  for (auto _ : state) benchmark::DoNotOptimize(e.file_save_(p, 1, false_));
  state.counters["bytes"] = double(std::filesystem::file_size(p));
  state.SetItemsProcessed(state.iterations() * kObjects);
}

void BM_OpenDrawing(benchmark::State& state) {
  const std::string p = bench_path("open.zaz");
  big_drawing().file_save_(p, 1, false_);
  zaz_class_ e;
  for (auto _ : state) benchmark::DoNotOptimize(e.file_open_(p));
  state.SetItemsProcessed(state.iterations() * kObjects);
}

// The baseline: the same number of bytes written and read in one sequential pass.
void BM_PlainWrite(benchmark::State& state) {
  const std::string p = bench_path("plain.bin");
  std::string bytes(size_t(big_drawing().drawing_file_bytes_().size()), 'x');
  for (auto _ : state) benchmark::DoNotOptimize(save_file_atomic_(p, bytes));
  state.counters["bytes"] = double(bytes.size());
}

void BM_PlainRead(benchmark::State& state) {
  const std::string p = bench_path("plain.bin");
  save_file_atomic_(p, std::string(big_drawing().drawing_file_bytes_().size(), 'x'));
  for (auto _ : state) benchmark::DoNotOptimize(read_file_bytes_(p));
}

void BM_SmallUndoStep(benchmark::State& state) {
  zaz_class_& e = big_drawing();
  for (auto _ : state) {
    e.state_begin_();
    e.store.live.lines[1].x1 += 1;
    benchmark::DoNotOptimize(e.state_save_("move"));
  }
}

BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SmallUndoStep)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
