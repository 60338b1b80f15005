#include "dialogs/common/picture_box.h"

std::unique_ptr<window_> make_picture_box_(window_& parent, int32_t x, int32_t y, int32_t w, int32_t h,
                                           uint32_t background, bool takes_focus) {
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &parent;
  o.x = x;
  o.y = y;
  o.width = w;
  o.height = h;
  o.takes_focus = takes_focus;
  o.background = background;
  auto pic = create_window_(o);
  if (!pic) return pic;
  pic->set_background_(background);
  pic->client_surface_().fill_colour_(background);
  pic->show_();
  return pic;
}
