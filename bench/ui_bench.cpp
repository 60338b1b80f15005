// What the interface adds on top of the engine's own painting: the start of a main window to
// its first painted view, repaints of the drawing view after a pan and after a zoom on a
// 100,000-object drawing, and a 1 MB DXF opened as the start opens a file named on the command
// line, to its first painted view. Each baseline is the engine's display of the same drawing
// into a bare surface of the view's size, so the figure reads as a ratio.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"
#include "platform/services/dialogs.h"
#include "platform/services/settings_backend.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"
#include "shell/language.h"
#include "shell/settings.h"

namespace {

// A private settings store and the English texts, once per run.
struct program_env {
  program_env() {
    ensure_application_();
    std::string tmpl = (std::filesystem::temp_directory_path() / "arvex-uibench-XXXXXX").string();
    if (::mkdtemp(tmpl.data())) dir = tmpl;
    set_user_settings_folder_(dir + "/user");
    close_settings_file_();
    load_language_("program_en.lang");
    set_dialog_scripting_(true);
    save_setting_("kalvinor.common", "GUI", "Type", "0");
  }
  ~program_env() {
    std::error_code ec;
    if (!dir.empty()) std::filesystem::remove_all(dir, ec);
  }
  std::string dir;
};
program_env& env() {
  static program_env e;
  return e;
}

// Lines, circles, arcs and rectangles spread over a 2000 x 1200 area on the active page.
void fill(zaz_class_& e, int64_t objects) {
  uint32_t seed = 12345;
  auto next = [&seed](float span) {
    seed = seed * 1664525u + 1013904223u;
    return float(seed >> 8) / float(1u << 24) * span;
  };
  for (int64_t i = 0; i < objects; ++i) {
    const float x = next(2000), y = next(1200), s = 2 + next(20);
    switch (i % 4) {
      case 0: e.add_line_(x, y, x + s, y + s * 0.5f); break;
      case 1: e.add_circle_(x, y, s); break;
      case 2: e.add_arc_(x, y, s, s, 0, 0, 170); break;
      default: e.add_rect_(x, y, x + s, y + s); break;
    }
  }
}

// A main window shown on a new drawing, as the start leaves it.
struct window_on_drawing {
  explicit window_on_drawing(int64_t objects) {
    env();
    engine = std::make_unique<zaz_class_>();
    mdi = std::make_unique<MDI_>(*engine);
    mdi->new_drawing_();
    fill(*engine, objects);
    mdi->form().show_();
    do_events_();
    mdi->timer_tick_();
    engine->view_setting_(1000, 600, 0.5f, engine->page_active_());
  }
  window_& view() { return mdi->client(); }
  std::unique_ptr<zaz_class_> engine;
  std::unique_ptr<MDI_> mdi;
};

void display_bare(zaz_class_& e, surface_& s) {
  dc_ dc(s);
  s.fill_colour_(0xFFFFFF);
  e.display_(&dc, false_, false_);
  benchmark::DoNotOptimize(s.pixels_());
}

void BM_start_to_first_paint(benchmark::State& state) {
  env();
  for (auto _ : state) {
    zaz_class_ e;
    MDI_ mdi(e);
    mdi.new_drawing_();
    mdi.form().show_();
    do_events_();
    mdi.timer_tick_();
    benchmark::DoNotOptimize(mdi.client().client_surface_().pixels_());
  }
}

void BM_start_baseline(benchmark::State& state) {
  env();
  for (auto _ : state) {
    zaz_class_ e;
    e.file_new_(true_, "");
    surface_ s(850, 600);
    e.view_setting_(0, 0, 1, e.page_active_());
    display_bare(e, s);
  }
}

// Moves the view by a tenth of its width, or zooms by 1.25, then repaints the view as the
// pan and zoom tools do.
void view_change(benchmark::State& state, bool zoom) {
  window_on_drawing w(state.range(0));
  zaz_class_& e = *w.engine;
  const int32_t page = e.page_active_();
  int flip = 0;
  for (auto _ : state) {
    flip ^= 1;
    if (zoom) e.view_setting_(1000, 600, flip ? 0.625f : 0.5f, page);
    else e.view_setting_(flip ? 1100.f : 1000.f, 600, 0.5f, page);
    w.mdi->ref_(false_, false_);
    do_events_();
  }
}

void view_change_baseline(benchmark::State& state, bool zoom) {
  window_on_drawing w(state.range(0));
  zaz_class_& e = *w.engine;
  const int32_t page = e.page_active_();
  surface_ s(w.view().client_width_(), w.view().client_height_());
  int flip = 0;
  for (auto _ : state) {
    flip ^= 1;
    if (zoom) e.view_setting_(1000, 600, flip ? 0.625f : 0.5f, page);
    else e.view_setting_(flip ? 1100.f : 1000.f, 600, 0.5f, page);
    display_bare(e, s);
  }
}

void BM_repaint_after_pan(benchmark::State& state) { view_change(state, false); }
void BM_repaint_after_pan_baseline(benchmark::State& state) { view_change_baseline(state, false); }
void BM_repaint_after_zoom(benchmark::State& state) { view_change(state, true); }
void BM_repaint_after_zoom_baseline(benchmark::State& state) { view_change_baseline(state, true); }

bool dxf_written = false;

// About 1 MB of lines and circles in DXF.
const std::string& dxf_path() {
  static const std::string path = [] {
    const std::string p = "/tmp/arvex_ui_bench_" + std::to_string(getpid()) + ".dxf";
    std::string s = "0\r\nSECTION\r\n2\r\nENTITIES\r\n";
    char b[160];
    for (int i = 0; s.size() < (1u << 20); ++i) {
      const double x = i % 500, y = i / 500;
      if (i % 2)
        std::snprintf(b, sizeof b, "0\r\nCIRCLE\r\n8\r\n0\r\n10\r\n%.4f\r\n20\r\n%.4f\r\n40\r\n0.4\r\n", x, y);
      else
        std::snprintf(b, sizeof b, "0\r\nLINE\r\n8\r\n0\r\n10\r\n%.4f\r\n20\r\n%.4f\r\n11\r\n%.4f\r\n21\r\n%.4f\r\n", x, y,
                      x + 1, y + 0.5);
      s += b;
    }
    s += "0\r\nENDSEC\r\n0\r\nEOF\r\n";
    std::ofstream(p, std::ios::binary) << s;
    dxf_written = true;
    return p;
  }();
  return path;
}

// The start's road for a file on the command line: open, hand the view over, fit, paint.
void BM_open_dxf_to_first_paint(benchmark::State& state) {
  window_on_drawing w(0);
  zaz_class_& e = *w.engine;
  for (auto _ : state) {
    if (e.file_open_(dxf_path()) != true_) return state.SkipWithError("the DXF did not open");
    w.mdi->attach_view_();
    e.view_all_(false_, 0);
    w.mdi->ref_(true_, false_);
    do_events_();
  }
}

void BM_open_dxf_baseline(benchmark::State& state) {
  window_on_drawing w(0);
  zaz_class_& e = *w.engine;
  surface_ s(w.view().client_width_(), w.view().client_height_());
  dc_ dc(s);
  for (auto _ : state) {
    if (e.file_open_(dxf_path()) != true_) return state.SkipWithError("the DXF did not open");
    e.dinit_(&dc);
    e.view_all_(false_, 0);
    display_bare(e, s);
  }
}

BENCHMARK(BM_start_to_first_paint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_start_baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_repaint_after_pan)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_repaint_after_pan_baseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_repaint_after_zoom)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_repaint_after_zoom_baseline)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_open_dxf_to_first_paint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_open_dxf_baseline)->Unit(benchmark::kMillisecond);

// Removes the generated file when the program ends.
struct remove_at_exit {
  ~remove_at_exit() {
    if (dxf_written) std::remove(dxf_path().c_str());
  }
} remove_generated;

}  // namespace
