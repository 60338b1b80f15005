// DXF files that import are then shown, measured and printed: whatever the file's values, the
// drawing they make must paint and print without harm.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "engine/zaz_class.h"
#include "fuzz/fuzz_support.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/surface.h"
#include "platform/gdiplus/graphics.h"

// Fontconfig keeps its font data behind encoded offsets that the leak checker cannot follow;
// what it holds lives as long as the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto e = std::make_unique<zaz_class_>();
  const std::string path = fuzz_input_file_(data, size, "input.dxf");
  if (!e->file_import_acdxf_(path)) return 0;
  static surface_ screen(96, 64);
  static dc_ dc(screen);
  static surface_ paper(64, 64);
  e->dinit_(&dc);
  const int32_t pages = std::min<int32_t>(e->pages_count_(), 2);
  for (int32_t p = 1; p <= pages; ++p) {
    e->page_active_(int16_t(p));
    e->display_(&dc, false_, false_);
    graphics_ g(paper);
    e->print_page_renderer_(g, 25, p, 1, 1);
  }
  return 0;
}
