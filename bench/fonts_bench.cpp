// Measuring and painting 100,000 short stroke-font texts, as a full repaint of a busy drawing does,
// against summing the glyph advances straight from the font table and drawing the very same
// polylines straight through the device context.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/fonts/text_paint.h"
#include "engine/zaz_class.h"
#include "platform/core/codepage.h"
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

// Glyph codes as the engine makes them: Windows-1250, with the diameter signs on glyph 178.
std::string glyph_codes(const std::string& text) {
  std::string out;
  for (size_t pos = 0; pos < text.size();) {
    const char32_t cp = utf8_next_(text, pos);
    const int code = (cp == 0x2300 || cp == 0x00D8) ? 178 : unicode_to_cp1250_(cp);
    out.push_back(code < 0 ? '?' : char(code));
  }
  return out;
}

// Measuring's floor: the width of each text as its glyphs' pen advances (spaces as the font's
// space width), scaled by height. The texts are converted to glyph codes beforehand; no glyph
// point is mapped, so this is far less than an ink box and only bounds it from below.
void BM_SumAdvances(benchmark::State& state) {
  zaz_class_ e;
  if (!load_fonts(e)) {
    state.SkipWithError("default fonts not built");
    return;
  }
  std::vector<std::string> codes;
  for (const std::string& t : short_texts()) codes.push_back(glyph_codes(t));
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i < kTexts; ++i) {
      const font_rec_& font = e.fonts.font_table[size_t(1 + (i & 1))];
      const float space = 0.75f * font.glyphs[88].box_width;
      float width = 0;
      for (char ch : codes[size_t(i)]) {
        const uint8_t code = uint8_t(ch);
        width += code == 32 ? space : font.glyphs[code].advance_x;
      }
      sum += width * (2.5f / font.height);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kTexts);
}
BENCHMARK(BM_SumAdvances)->Unit(benchmark::kMillisecond);

// Keeps every poly call the text painter makes, points and counts, to replay them later.
class recorded_glyphs_ final : public glyph_surface_ {
 public:
  struct call_ {
    bool filled;
    size_t first_point, first_count;
    int32_t contours;
  };
  std::vector<call_> calls;
  std::vector<pixel_point_> points;
  std::vector<int32_t> counts;

  void poly_polygon(const pixel_point_* p, const int32_t* c, int32_t n) override { keep(true, p, c, n); }
  void poly_polyline(const pixel_point_* p, const int32_t* c, int32_t n) override { keep(false, p, c, n); }

 private:
  void keep(bool filled, const pixel_point_* p, const int32_t* c, int32_t n) {
    calls.push_back({filled, points.size(), counts.size(), n});
    size_t total = 0;
    for (int32_t k = 0; k < n; ++k) total += size_t(c[k]);
    points.insert(points.end(), p, p + total);
    counts.insert(counts.end(), c, c + n);
  }
};

// Painting's floor: the same poly calls with the same points, made straight on the device
// context with no layout, mapping or code conversion.
void BM_ReplayTextPolylines(benchmark::State& state) {
  zaz_class_ e;
  if (!load_fonts(e)) {
    state.SkipWithError("default fonts not built");
    return;
  }
  const std::vector<std::string> texts = short_texts();
  const view_transform_rec_ view{0, -1080, 3.5f, -3.5f};
  recorded_glyphs_ rec;
  glyph_buffers_ buffers;
  for (int i = 0; i < kTexts; ++i) {
    const std::string codes = glyph_codes(texts[size_t(i)]);
    paint_text_glyphs_(rec, buffers, view, e.fonts.font_table[size_t(1 + (i & 1))], codes, float(i % 500),
                       float((i / 500) % 300), 2.5f, 1, 0.3f * (i % 5));
  }
  surface_ s(1920, 1080);
  dc_ dc(s);
  for (auto _ : state) {
    for (const recorded_glyphs_::call_& c : rec.calls) {
      if (c.filled) dc.poly_polygon_(&rec.points[c.first_point], &rec.counts[c.first_count], size_t(c.contours));
      else dc.poly_polyline_(&rec.points[c.first_point], &rec.counts[c.first_count], size_t(c.contours));
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kTexts);
  state.counters["points"] = double(rec.points.size());
  state.counters["calls"] = double(rec.calls.size());
}
BENCHMARK(BM_ReplayTextPolylines)->Unit(benchmark::kMillisecond);

}  // namespace
