// DXF import of generated drawings (lines, arcs, polylines, texts, inserts: 100,000 objects, and
// 50 MB) and of the largest sample drawing, each against reading the same file line by line.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <fstream>
#include <string>

#include "engine/zaz_class.h"

namespace {

constexpr size_t big_bytes_ = 50u << 20;
std::map<size_t, std::string> generated_;  // objects (0: the 50 MB file) -> path

void pair(std::string& s, int code, const std::string& value) {
  s += std::to_string(code);
  s += "\r\n";
  s += value;
  s += "\r\n";
}

std::string num(double v) {
  char b[32];
  std::snprintf(b, sizeof b, "%.6f", v);
  return b;
}

// Written once per run into the temporary folder: `objects` entities, or 50 MB of them when 0.
const std::string& drawing_path(size_t objects) {
  auto found = generated_.find(objects);
  if (found != generated_.end()) return found->second;
  const std::string p = "/tmp/arvex_dxf_bench_" + std::to_string(getpid()) + "_" + std::to_string(objects) + ".dxf";
  std::string s;
  s.reserve(objects ? objects * 120 : big_bytes_ + (1 << 20));
  pair(s, 0, "SECTION"), pair(s, 2, "TABLES");
  pair(s, 0, "LAYER"), pair(s, 2, "WALLS"), pair(s, 62, "1");
  pair(s, 0, "ENDSEC");
  pair(s, 0, "SECTION"), pair(s, 2, "BLOCKS");
  pair(s, 0, "BLOCK"), pair(s, 2, "MARK"), pair(s, 10, "0"), pair(s, 20, "0");
  pair(s, 0, "CIRCLE"), pair(s, 8, "0"), pair(s, 10, "0"), pair(s, 20, "0"), pair(s, 40, "1");
  pair(s, 0, "ENDBLK");
  pair(s, 0, "ENDSEC");
  pair(s, 0, "SECTION"), pair(s, 2, "ENTITIES");
  for (size_t i = 0; objects ? i < objects : s.size() < big_bytes_; ++i) {
    const double x = double(i % 1000), y = double(i / 1000);
    switch (i % 5) {
      case 0:
        pair(s, 0, "LINE"), pair(s, 8, "WALLS"), pair(s, 10, num(x)), pair(s, 20, num(y));
        pair(s, 11, num(x + 1)), pair(s, 21, num(y + 1));
        break;
      case 1:
        pair(s, 0, "ARC"), pair(s, 8, "WALLS"), pair(s, 10, num(x)), pair(s, 20, num(y));
        pair(s, 40, "0.5"), pair(s, 50, "10"), pair(s, 51, "200");
        break;
      case 2:
        pair(s, 0, "LWPOLYLINE"), pair(s, 8, "0"), pair(s, 90, "4"), pair(s, 70, "1");
        for (int k = 0; k < 4; ++k) pair(s, 10, num(x + (k & 1))), pair(s, 20, num(y + (k >> 1)));
        break;
      case 3:
        pair(s, 0, "TEXT"), pair(s, 8, "0"), pair(s, 10, num(x)), pair(s, 20, num(y));
        pair(s, 40, "0.25"), pair(s, 1, "Room " + std::to_string(i));
        break;
      default:
        pair(s, 0, "INSERT"), pair(s, 2, "MARK"), pair(s, 10, num(x)), pair(s, 20, num(y));
        break;
    }
  }
  pair(s, 0, "ENDSEC"), pair(s, 0, "EOF");
  std::ofstream(p, std::ios::binary) << s;
  return generated_[objects] = p;
}

// The largest drawing among the samples (ARVEX_DXF_SAMPLES, else the shared samples folder).
const std::string& largest_sample() {
  static const std::string path = [] {
    const char* env = std::getenv("ARVEX_DXF_SAMPLES");
    const std::filesystem::path dir = env ? env : "/work/shared/dxf-samples";
    std::string best;
    uintmax_t best_size = 0;
    std::error_code ec;
    for (const auto& f : std::filesystem::directory_iterator(dir, ec))
      if (f.path().extension() == ".dxf" && f.file_size() > best_size) best_size = f.file_size(), best = f.path().string();
    return best;
  }();
  return path;
}

const std::string& path_of(int64_t which) {
  return which < 0 ? largest_sample() : drawing_path(size_t(which));
}

// Argument: objects of a generated drawing (0: 50 MB of them; 1 shows the fixed cost of an
// import), or -1 for the largest sample.
void BM_dxf_import(benchmark::State& state) {
  const std::string& path = path_of(state.range(0));
  if (path.empty()) return state.SkipWithError("no sample drawings");
  for (auto _ : state) {
    // Every import goes into a fresh engine, as into a program just started; making and
    // releasing the engine is not part of the import and stays out of the time.
    state.PauseTiming();
    auto e = std::make_unique<zaz_class_>();
    state.ResumeTiming();
    benchmark::DoNotOptimize(e->file_import_acdxf_(path));
    state.PauseTiming();
    state.counters["objects"] = e->store.counts[0];
    e.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(path)));
}

void BM_read_lines(benchmark::State& state) {
  const std::string& path = path_of(state.range(0));
  if (path.empty()) return state.SkipWithError("no sample drawings");
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    size_t lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(path)));
}

BENCHMARK(BM_read_lines)->Arg(1)->Arg(-1)->Arg(100000)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_dxf_import)->Arg(1)->Arg(-1)->Arg(100000)->Arg(0)->Unit(benchmark::kMillisecond);

// Removes the generated drawings when the program ends.
struct cleanup_ {
  ~cleanup_() {
    for (const auto& g : generated_) std::remove(g.second.c_str());
  }
} cleanup_instance_;

}  // namespace
