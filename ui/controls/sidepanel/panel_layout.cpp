#include "ui/controls/sidepanel/panel_layout.h"

#include "shell/shell_text.h"

panel_band_rec_ panel_group_band_(const panel_group_rec_& g, int32_t top) {
  panel_band_rec_ b;
  b.top = top;
  b.titled = !trim_blanks_(g.title).empty();
  if (b.titled) {
    b.height = g.bottom + 30 < 18 ? 30 : g.bottom + 30;
    b.content_top = top + 20;
  } else {
    b.height = g.bottom + 10 < 18 ? 10 : g.bottom + 10;
    b.content_top = top;
  }
  return b;
}

panel_box_rec_ panel_item_box_(const panel_item_rec_& it, int32_t content_top) {
  return {it.px + 4, it.py + content_top + 4, it.sx, it.sy};
}

panel_box_rec_ panel_field_box_(const panel_item_rec_& it, const panel_box_rec_& box, int32_t th) {
  const int32_t m = it.margin;
  if (it.kind == panel_checked_field_) return {box.x + m + 16, box.y + m + 3 + th, it.sx - 2 * m - 18, th + m + 3};
  if (it.kind == panel_text_field_) return {box.x + m + 8, box.y + m + 3 + th, it.sx - 2 * m - 10, th + m + 3};
  return {};
}

panel_look_rec_ panel_button_look_(bool enabled, bool is_pressed, bool other_pressed, bool inside) {
  if (!enabled) return {0, false, false};
  if (is_pressed) return inside ? panel_look_rec_{2, true, false} : panel_look_rec_{1, false, false};
  if (other_pressed) return {0, inside, false};
  return inside ? panel_look_rec_{1, true, false} : panel_look_rec_{0, false, false};
}

panel_look_rec_ panel_glyph_look_(bool quiet, bool checked, bool is_pressed, bool other_pressed, bool inside,
                                  bool focused) {
  const int32_t rest = checked ? 2 : 0, lit = checked ? 3 : 1;
  if (quiet) return {rest, false, false};
  if (is_pressed) return inside ? panel_look_rec_{4, true, focused} : panel_look_rec_{lit, false, focused};
  if (other_pressed) return {rest, inside, focused};
  return inside ? panel_look_rec_{lit, true, focused} : panel_look_rec_{rest, false, focused};
}
