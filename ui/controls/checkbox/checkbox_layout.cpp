// The glyph state and the caption's place.
#include "ui/controls/checkbox/checkbox.h"

int32_t check_glyph_state_(const check_state_& s) {
  if (s.enabled != true_) return 5;
  const bool hover = s.hover == true_, checked = s.checked != false_;
  if (hover && s.pressed == true_) return 4;
  if (hover) return checked ? 3 : 1;
  return checked ? 2 : 0;
}

check_layout_rec_ check_layout_(const check_state_& s, bool option, int32_t width_px, int32_t caption_width) {
  check_layout_rec_ l;
  if (s.right_align != true_) return l;
  l.glyph_x = width_px - 13;
  l.first_line_x = l.other_lines_x = 0;
  if (!option && s.right_text_align == true_) l.first_line_x = width_px - 16 - caption_width;
  return l;
}
