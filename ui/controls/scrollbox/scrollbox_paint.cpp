// The scroll box's picture and hit test, both from the skin's scroll-bar painters. A disabled
// bar is painted without a thumb and reports no part.
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/skin/paint_scroll.h"

int32_t xcscrollbox_::paint_(int32_t* value_slot, bool record) {
  window_* w = win_();
  if (!w) return 0;
  xc_paint_scope_ p(*w);
  const int32_t width = p.width(), height = p.height();
  const bool horizontal = s_.horizontal == true_;
  auto painter = horizontal ? draw_skin_box_scroll_ : draw_skin_box_;
  int32_t slot = value_slot ? *value_slot : 0, centre = 0;
  if (s_.enabled != true_) {
    painter(s_.list_style, w, p.dc(), 0, 0, width, height, 0, 0, 0, 0, -1, -1, false_, false_, 0, slot, centre);
    return 0;
  }
  const int32_t length = horizontal ? width : height;
  const int32_t thumb = scroll_painted_thumb_(length, s_.thumb_length);
  const int32_t mx = s_.mouse_x - (horizontal ? s_.grab_x : 0);
  const int32_t my = s_.mouse_y - (horizontal ? 0 : s_.grab_y);
  const int32_t part = painter(s_.list_style, w, p.dc(), 0, 0, width, height, v_.minimum, v_.maximum, v_.value,
                               thumb, mx, my, s_.pressed, s_.hover, s_.pressed_part, slot, centre);
  if (record) (horizontal ? s_.thumb_centre_x : s_.thumb_centre_y) = centre;
  if (value_slot) *value_slot = slot;
  return part;
}
