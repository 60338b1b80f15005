// The docking toolbars' layout file: any content loads or is refused whole, and a loaded
// layout keeps every value the tool windows are placed from within its limits.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "ui/controls/docktb/xdocktb.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  xdocktb_ tb;
  tb.state_load_(fuzz_input_file_(data, size, "xtoolbars2_.ini"));
  if (!is_set_(tb.layout_loaded)) return 0;
  if (size != toolbar_layout_file_size_) std::abort();
  const toolbar_layout_file_rec_& s = tb.saved;
  for (int a = 1; a <= 4; ++a) {
    if (s.rows.count[size_t(a)] < 0 || s.rows.count[size_t(a)] > dock_row_limit_) std::abort();
    for (int r = 1; r <= dock_row_limit_; ++r) {
      const dock_row_rec_& e = s.rows.table[size_t(a)][size_t(r)];
      if (e.position < 0 || e.position > 1023 || e.thickness < 0 || e.thickness > 127) std::abort();
    }
  }
  for (int i = 1; i <= dock_toolbar_limit_; ++i) {
    const toolbar_layout_slot_rec_& t = s.toolbars[size_t(i)];
    if (t.dock < 0 || t.dock > 4) std::abort();
    if (t.dock == 0 ? t.row != 0 : (t.row < 1 || t.row > dock_row_limit_)) std::abort();
    const dock_window_rec_& w = t.window;
    if (w.x < 0 || w.x > 32767 || w.y < 0 || w.y > 32767) std::abort();
    if (w.cx < 16 || w.cx > 3000 || w.cy < 16 || w.cy > 2000) std::abort();
    if (w.centre_x < w.x || w.centre_x > w.x + w.cx || w.centre_y < w.y || w.centre_y > w.y + w.cy) std::abort();
  }
  return 0;
}
