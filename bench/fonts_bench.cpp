// Measuring and painting 100,000 short stroke-font texts, as a full repaint of a busy drawing does.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"

namespace {

constexpr int kTexts = 100000;

std::vector<std::string> short_texts() {
  static const char* const stems[] = {"A-A", "R", "\xC3\x98", "DETAIL ", "\xC5\xBBuraw ", "M", "x "};
  std::vector<std::string> out;
  out.reserve(kTexts);
  for (int i = 0; i < kTexts; ++i) out.push_back(stems[i % 7] + std::to_string(i % 997) + (i % 3 ? "" : ".5"));
  return out;
}

// The generated default fonts lie in bin/ next to the bench/ folder.
bool load_fonts(zaz_class_& e) { return e.font_load_defaults_(program_folder_() + "../bin") == 2; }

void BM_MeasureShortTexts(benchmark::State& state) {
  zaz_class_ e;
  if (!load_fonts(e)) {
    state.SkipWithError("default fonts not built");
    return;
  }
  const std::vector<std::string> texts = short_texts();
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i < kTexts; ++i) {
      float x1, y1, x2, y2;
      e.measure_text_(1 + (i & 1), texts[size_t(i)], float(i % 500), float(i / 500), 2.5f, 1, 0.3f * (i % 5),
                      x1, y1, x2, y2);
      sum += x2 - x1;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kTexts);
}
BENCHMARK(BM_MeasureShortTexts)->Unit(benchmark::kMillisecond);

void BM_PaintShortTexts(benchmark::State& state) {
  zaz_class_ e;
  if (!load_fonts(e)) {
    state.SkipWithError("default fonts not built");
    return;
  }
  const std::vector<std::string> texts = short_texts();
  surface_ s(1920, 1080);
  dc_ dc(s);
  const view_transform_rec_ view{0, -1080, 3.5f, -3.5f};
  for (auto _ : state) {
    for (int i = 0; i < kTexts; ++i)
      e.draw_text_glyphs_(dc, view, 1 + (i & 1), texts[size_t(i)], float(i % 500), float((i / 500) % 300),
                          2.5f, 1, 0.3f * (i % 5));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kTexts);
}
BENCHMARK(BM_PaintShortTexts)->Unit(benchmark::kMillisecond);

}  // namespace
