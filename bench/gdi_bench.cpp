// Aliased lines and filled polygons per second on a full-HD surface: our device context
// against QPainter doing the same work on the same pixels.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/qt_reference.h"

namespace {

constexpr int32_t width = 1920, height = 1080;

// Deterministic endpoints spread over the surface, some reaching outside it.
std::vector<pixel_point_> random_points(size_t count, int32_t margin) {
  std::vector<pixel_point_> pts(count);
  uint32_t v = 2463534242u;
  auto next = [&v] { v ^= v << 13; v ^= v >> 17; v ^= v << 5; return v; };
  for (auto& p : pts)
    p = {int32_t(next() % uint32_t(width + 2 * margin)) - margin, int32_t(next() % uint32_t(height + 2 * margin)) - margin};
  return pts;
}

// Small polygons: five corners around scattered centres, as hatch swatches and glyphs are.
std::vector<pixel_point_> small_polygons(size_t count) {
  std::vector<pixel_point_> centres = random_points(count, 0), pts;
  const int32_t dx[] = {0, 30, 20, -20, -30}, dy[] = {-30, -8, 25, 25, -8};
  for (const pixel_point_& c : centres)
    for (int k = 0; k < 5; ++k) pts.push_back({c.x + dx[k], c.y + dy[k]});
  return pts;
}

constexpr size_t line_count = 2000;
constexpr size_t polygon_count = 500;

void BM_DcLines(benchmark::State& state) {
  surface_ s(width, height);
  dc_ dc(s);
  dc.select_pen_({pen_style_::solid_, 1, rgb_(255, 255, 255)});
  dc.set_rop_(state.range(0) ? rop_::invert_ : rop_::copy_pen_);
  const auto pts = random_points(2 * line_count, 100);
  for (auto _ : state) {
    for (size_t i = 0; i < line_count; ++i) {
      dc.move_to_(pts[2 * i].x, pts[2 * i].y);
      dc.line_to_(pts[2 * i + 1].x, pts[2 * i + 1].y);
    }
    benchmark::DoNotOptimize(s.pixels_());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(line_count));
}
BENCHMARK(BM_DcLines)->Arg(0)->Arg(1)->ArgName("invert");

void BM_QtLines(benchmark::State& state) {
  surface_ s(width, height);
  const auto pts = random_points(2 * line_count, 100);
  for (auto _ : state) {
    qt_reference_lines_(s, pts.data(), line_count, rgb_(255, 255, 255));
    benchmark::DoNotOptimize(s.pixels_());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(line_count));
}
BENCHMARK(BM_QtLines);

void BM_DcPolygons(benchmark::State& state) {
  surface_ s(width, height);
  dc_ dc(s);
  dc.select_pen_({pen_style_::solid_, 1, rgb_(255, 0, 0)});
  dc.select_brush_({brush_style_::solid_, rgb_(255, 0, 0)});
  const auto pts = small_polygons(polygon_count);
  for (auto _ : state) {
    for (size_t i = 0; i < polygon_count; ++i) dc.polygon_(&pts[i * 5], 5);
    benchmark::DoNotOptimize(s.pixels_());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(polygon_count));
}
BENCHMARK(BM_DcPolygons);

void BM_QtPolygons(benchmark::State& state) {
  surface_ s(width, height);
  const auto pts = small_polygons(polygon_count);
  for (auto _ : state) {
    qt_reference_polygons_(s, pts.data(), polygon_count, 5, rgb_(255, 0, 0));
    benchmark::DoNotOptimize(s.pixels_());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(polygon_count));
}
BENCHMARK(BM_QtPolygons);

// One large polygon of many points, the size of a hatch boundary on the tile raster.
void BM_DcLargePolygon(benchmark::State& state) {
  surface_ s(width, height);
  dc_ dc(s);
  dc.select_pen_({pen_style_::solid_, 1, rgb_(255, 0, 0)});
  dc.select_brush_({brush_style_::solid_, rgb_(255, 0, 0)});
  const auto pts = random_points(size_t(state.range(0)), 0);
  for (auto _ : state) {
    dc.polygon_(pts.data(), pts.size());
    benchmark::DoNotOptimize(s.pixels_());
  }
}
BENCHMARK(BM_DcLargePolygon)->Arg(100)->Arg(1000);

}  // namespace
