// The tab strip's picture: the plain look without a skin; else the header band and the items,
// in tab style the active tab last so it lies over its neighbours.
#include "ui/controls/tabstrip/tabstrip.h"
#include "ui/skin/blitters.h"
#include "ui/skin/paint_controls.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/skin_file.h"
#include "ui/skin/skin_palette.h"

void xctoolbar_::ref_() {
  window_* w = win_();
  if (!w) return;
  xc_paint_scope_ p(*w);
  dc_& dc = p.dc();
  const int32_t height = p.height();
  if (skin_loaded_ != true_) {
    paint_placeholder_(dc, p.width(), height, {});
    return;
  }
  draw_header_band_(dc, 0, 0, p.width(), height, true_);
  font_ font;
  font.face = "Tahoma";
  font.height = -11;
  const font_ old_font = dc.select_font_(font);
  dc.set_bk_mode_(bk_mode_::transparent_);
  auto item = [&](int32_t id) -> const tab_item_rec_& { return st_.items[size_t(id - 1)]; };
  if (st_.style == -1) {
    dc.set_text_colour_(static_cast<uint32_t>(skin_palette_.color_btn_text_act));
    auto tab = [&](int32_t id, int32_t state) {
      const tab_item_rec_& it = item(id);
      draw_tab_baseline_(dc, it.left, 0, it.right - it.left, height, state);
      pixel_rect_ r{it.left, 0, it.right, height};
      dc.draw_text_(it.text, r, text_single_line_ | text_center_ | text_vcenter_ | text_no_prefix_);
    };
    for (int32_t id = 1; id <= st_.count; ++id)
      if (id != st_.active) tab(id, id == st_.hover ? 2 : 1);
    if (st_.active >= 1 && st_.active <= st_.count) tab(st_.active, st_.active == st_.hover ? 4 : 3);
  } else {
    for (int32_t id = 1; id <= st_.count; ++id) {
      const tab_item_rec_& it = item(id);
      if (it.text == "-")
        draw_tab_separator_(dc, it.left + 1, 2, height - 4);
      else
        draw_tab_(dc, it.left, 0, it.right - it.left, height, it.text, it.icon, tab_button_state_(st_, id));
    }
  }
  dc.select_font_(old_font);
}
