// Saving and opening a drawing of 1,000,000 mixed objects against a plain sequential write and
// read of as many bytes; one small undo step on that drawing; one edit step (state_begin_, one
// line moved, state_save_) on 1,000, 100,000 and 1,000,000 lines against the same edit on 1,000;
// the heap an undo step needs per line against the bare records.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>

#include <map>
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

std::unique_ptr<zaz_class_> lines_drawing(int64_t n) {
  auto d = std::make_unique<zaz_class_>();
  d->file_new_(true_, "");
  for (int64_t i = 0; i < n; ++i) {
    const float x = float(i % 1000), y = float(i / 1000);
    d->add_line_(x, y, x + 1, y + 1);
  }
  return d;
}

// One edit as a tool makes it: the before copy, one line moved, the step saved.
void BM_EditStep(benchmark::State& state) {
  static std::map<int64_t, std::unique_ptr<zaz_class_>> drawings;
  auto& e = drawings[state.range(0)];
  if (!e) e = lines_drawing(state.range(0));
  const int32_t record = int32_t(state.range(0) / 2);
  float d = 1;
  for (auto _ : state) {
    e->state_begin_();
    e->transform_move_(d, 0, record);
    benchmark::DoNotOptimize(e->state_save_("move"));
    d = -d;
  }
  state.SetLabel(std::to_string(state.range(0)) + " lines");
}

size_t heap_in_use() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

// Heap per line: of the drawing alone, and at the highest point of one edit step and its undo.
// The baseline is the bare main record and line record of every line.
void BM_UndoStepBytes(benchmark::State& state) {
  for (auto _ : state) {
    const size_t start = heap_in_use();
    auto e = lines_drawing(kObjects);
    const size_t drawing = heap_in_use() - start;
    size_t peak = drawing;
    auto sample = [&] { peak = std::max(peak, heap_in_use() - start); };
    e->state_begin_();
    sample();
    e->transform_move_(1, 0, kObjects / 2);
    sample();
    e->state_save_("move");
    sample();
    e->state_undo_(1);
    sample();
    state.counters["drawing_bytes_per_line"] = double(drawing) / kObjects;
    state.counters["peak_bytes_per_line"] = double(peak) / kObjects;
    state.counters["bare_records_per_line"] = double(sizeof(object_rec_) + sizeof(line_rec_));
  }
}

BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenDrawing)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SmallUndoStep)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_EditStep)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoStepBytes)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
