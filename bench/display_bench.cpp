// Full repaints of busy pages into a 1920 x 1080 surface, and the same drawing zoomed in so
// that most objects fall outside the view and are rejected by their boxes.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"

namespace {

// Lines, circles, arcs, polygons, polylines and points spread evenly over a 2000 x 1200 area.
std::unique_ptr<zaz_class_> mixed_drawing(int64_t objects) {
  auto e = std::make_unique<zaz_class_>();
  e->page_add_("bench", 210, 297);
  e->layer_add_("0", true_, true_, -1, -2, 0, 1);
  e->layer_active_(1);
  e->backcolor_(0xFFFFFF);
  e->page_show_border_(1, false_);
  e->view_setting_(1000, 600, 0.95f, 1);
  uint32_t seed = 12345;
  auto next = [&seed](float span) {
    seed = seed * 1664525u + 1013904223u;
    return float(seed >> 8) / float(1u << 24) * span;
  };
  for (int64_t i = 0; i < objects; ++i) {
    const float x = next(2000), y = next(1200), s = 2 + next(20);
    const int32_t colour = int32_t(seed & 0xFFFFFF);
    switch (i % 6) {
      case 0: e->add_line_(x, y, x + s, y + s * 0.5f, colour); break;
      case 1: e->add_circle_(x, y, s, colour); break;
      case 2: e->add_arc_(x, y, s, s, 0, 0, 170, colour); break;
      case 3: e->add_rect_(x, y, x + s, y + s, colour, colour ^ 0x808080); break;
      case 4:
        e->vertex_clear_();
        for (int k = 0; k < 5; ++k) e->vertex_add_(x + k * s * 0.25f, y + (k % 2) * s);
        e->add_polyline_(colour);
        break;
      default: e->add_point_(x, y, 1, 3, colour); break;
    }
  }
  return e;
}

void repaint(benchmark::State& state, float zoom) {
  const auto e = mixed_drawing(state.range(0));
  e->view_setting_(1000, 600, zoom, 1);
  surface_ surface(1920, 1080);
  dc_ dc(surface);
  for (auto _ : state) {
    surface.fill_colour_(0xFFFFFF);
    e->display_(&dc, false_, false_);
    benchmark::DoNotOptimize(surface.pixels_());
  }
  state.counters["objects_per_second"] =
      benchmark::Counter(double(state.range(0)) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_FullRepaint(benchmark::State& state) { repaint(state, 0.95f); }
void BM_ZoomedInRepaint(benchmark::State& state) { repaint(state, 20.f); }

BENCHMARK(BM_FullRepaint)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
    ->Repetitions(3)->ReportAggregatesOnly(true)->Iterations(3);
BENCHMARK(BM_ZoomedInRepaint)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
    ->Repetitions(3)->ReportAggregatesOnly(true)->Iterations(3);

}  // namespace
