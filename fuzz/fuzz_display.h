// For fuzz targets that show and print what a reader made: the drawing must paint, measure
// and print without harm, whatever values the file held.
#pragma once
#include <algorithm>
#include <cstdint>

#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"
#include "platform/gdiplus/graphics.h"

// Fontconfig keeps its font data behind encoded offsets that the leak checker cannot follow;
// what it holds lives as long as the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

// Paints the first pages on a small screen, measures the first records and prints each page's
// first sheet on a small paper.
inline void fuzz_show_and_print_(zaz_class_& e, int32_t max_pages) {
  static surface_ screen(96, 64);
  static dc_ dc(screen);
  static surface_ paper(64, 64);
  e.dinit_(&dc);
  const int32_t pages = std::min<int32_t>(e.pages_count_(), max_pages);
  for (int32_t p = 1; p <= pages; ++p) {
    e.page_active_(int16_t(p));
    e.display_(&dc, false_, false_);
    for (int32_t r = 1; r <= std::min<int32_t>(e.records_(), 64); ++r) e.calc_orect_(r);
    graphics_ g(paper);
    e.print_page_renderer_(g, 25, p, 1, 1);
  }
}
