// DXF import of a 50 MB drawing (lines, arcs, polylines, texts, inserts) against reading the
// same file line by line.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "engine/zaz_class.h"

namespace {

constexpr size_t target_bytes_ = 50u << 20;
bool generated_ = false;

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

// Written once per run into the temporary folder.
const std::string& drawing_path() {
  static const std::string path = [] {
    const std::string p = "/tmp/arvex_dxf_bench_" + std::to_string(getpid()) + ".dxf";
    std::string s;
    s.reserve(target_bytes_ + (1 << 20));
    pair(s, 0, "SECTION"), pair(s, 2, "TABLES");
    pair(s, 0, "LAYER"), pair(s, 2, "WALLS"), pair(s, 62, "1");
    pair(s, 0, "ENDSEC");
    pair(s, 0, "SECTION"), pair(s, 2, "BLOCKS");
    pair(s, 0, "BLOCK"), pair(s, 2, "MARK"), pair(s, 10, "0"), pair(s, 20, "0");
    pair(s, 0, "CIRCLE"), pair(s, 8, "0"), pair(s, 10, "0"), pair(s, 20, "0"), pair(s, 40, "1");
    pair(s, 0, "ENDBLK");
    pair(s, 0, "ENDSEC");
    pair(s, 0, "SECTION"), pair(s, 2, "ENTITIES");
    for (int i = 0; s.size() < target_bytes_; ++i) {
      const double x = i % 1000, y = i / 1000;
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
    generated_ = true;
    return p;
  }();
  return path;
}

void BM_dxf_import(benchmark::State& state) {
  const std::string& path = drawing_path();
  for (auto _ : state) {
    zaz_class_ e;
    benchmark::DoNotOptimize(e.file_import_acdxf_(path));
    state.counters["objects"] = e.store.counts[0];
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(target_bytes_));
}

void BM_read_lines(benchmark::State& state) {
  const std::string& path = drawing_path();
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    size_t lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(target_bytes_));
}

BENCHMARK(BM_read_lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_dxf_import)->Unit(benchmark::kMillisecond);

// Removes the generated drawing when the program ends.
struct cleanup_ {
  ~cleanup_() {
    if (generated_) std::remove(drawing_path().c_str());
  }
} cleanup_instance_;

}  // namespace
