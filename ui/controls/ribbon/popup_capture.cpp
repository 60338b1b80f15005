#include "ui/controls/ribbon/popup_capture.h"

#include "platform/gdi/dc.h"
#include "platform/services/screen.h"
#include "platform/window/window.h"
#include "ui/skin/popup_background.h"

void capture_popup_over_(int32_t slot, window_& below, bool screen_coords, int32_t x, int32_t y, int32_t w,
                         int32_t h) {
  window_* host = &below;
  set_popup_screen_source_([host](const pixel_rect_& r, surface_& out) {
    if (capture_screen_(r, out) && out.width_() == r.width_() && out.height_() == r.height_()) return true;
    out = surface_(int32_t(r.width_()), int32_t(r.height_()));
    out.fill_colour_(system_colour_(sys_colour_button_face_));
    surface_ shot;
    if (!host->grab_(shot)) return true;
    const pixel_rect_ wr = host->window_rect_();
    dc_ dc(out);
    dc.blit_(0, 0, out.width_(), out.height_(), &shot, r.left - wr.left, r.top - wr.top, blit_op_::copy_);
    return true;
  });
  capture_popup_background_(slot, screen_coords ? nullptr : &below, x, y, w, h);
  set_popup_screen_source_({});
}
