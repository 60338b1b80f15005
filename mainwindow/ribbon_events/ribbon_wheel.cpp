// The mouse wheel, which reaches the main window through the ribbon: over the drawing view it
// zooms about the cursor point (the centre moves a quarter of the way, the zoom by 1.25 in and
// 0.75 out), over the blocks list it scrolls the list a small step, elsewhere it does nothing.
// The zoom and the centre never leave finite limits, however many turns.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "platform/input/cursor.h"
#include "ui/controls/scrollbox/scrollbox.h"

namespace {

// The farthest the view centre may lie from the origin, as the view tools keep it.
constexpr double centre_limit = 1e9;

bool is_one_of_(const std::string& t, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (t == n) return true;
  return false;
}

bool inside_(const pixel_rect_& r, pixel_point_ p) {
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

float clamp_centre_(double v) {
  if (std::isnan(v)) return 0;
  return float(std::clamp(v, -centre_limit, centre_limit));
}

}  // namespace

void MDI_::xribbon_MouseScroll(int16_t scroll_val_) {
  if (scroll_val_ == 0) return;
  const std::string& t = ds_.tool_name_;
  const flag16_ snap = to_flag_(!is_one_of_(t, {"SELECT", "CUTOBJ", "VROUND", "VSLASH", "JLINE", "ELINE"}));
  const flag16_ an45 =
      to_flag_(ds_.tool_step_ >= 1 &&
               is_one_of_(t, {"MOVE", "ROTATE", "MIRROR", "SCALE", "LINE", "POLYLINE", "CURVE", "RECTANGLE", "POLYGON",
                              "HATCH", "BGROUP", "DIM.F", "DIM.H", "DIM.V", "DIM.B", "DIM.G", "DIM.E", "DIM.A",
                              "DIM.C", "DIM.R", "DIM.D", "MES.L", "MES.A"}));
  const pixel_point_ p = cursor_pos_();
  const pixel_rect_ v = client_->window_rect_();
  if (inside_(v, p)) {
    eng_.mxy2cxy_(p.x - v.left, p.y - v.top, snap, an45);
    float cx = 0, cy = 0;
    eng_.get_cxy_(cx, cy, false_, 0);
    const double px = eng_.view_posx_(), py = eng_.view_posy_(), zoom = eng_.view_zoom_();
    const bool in = scroll_val_ <= -1;
    const double nx = in ? (cx * 1.0 + px * 3.0) * 0.25 : px - (cx - px) * 0.25;
    const double ny = in ? (cy * 1.0 + py * 3.0) * 0.25 : py - (cy - py) * 0.25;
    const double nz = zoom * (in ? 1.25 : 0.75);
    eng_.view_posx_(clamp_centre_(nx));
    eng_.view_posy_(clamp_centre_(ny));
    eng_.view_zoom_(std::isfinite(nz) ? float(std::clamp(nz, double(zoom_lowest_), double(zoom_highest_)))
                                      : zoom_highest_);
    ref_(false_, false_);
    return;
  }
  if (side_panel_mode_ == 1 && inside_(panel2_->window_rect_(), p)) {
    p2vsc_->call_event_(scroll_val_ <= -1 ? 1 : 2);
    ref_blocks_(-1, -1);
    p2vsc_->refresh_();
  }
}
