// Cursor cross-hair and selection box: inverted overlays that the next call erases.
#include <cmath>

#include "engine/zaz_class.h"

namespace {

// Selects the inverting operation and a one-pixel black pen; the operation stays, the
// previous pen and brush come back when the guard goes.
struct invert_pen_guard {
  dc_& dc;
  pen_ old_pen;
  brush_ old_brush;
  invert_pen_guard(dc_& d, pen_style_ style)
      : dc(d), old_pen(d.select_pen_(pen_{style, 1, 0})), old_brush(d.select_brush_(null_brush_)) {
    dc.set_rop_(rop_::invert_);
  }
  ~invert_pen_guard() {
    dc.select_pen_(old_pen);
    dc.select_brush_(old_brush);
  }
};

void draw_cross(dc_& dc, const cross_hair_rec_& c) {
  dc.move_to_(c.h_start_x, c.h_start_y);
  dc.line_to_(c.h_end_x, c.h_end_y);
  dc.move_to_(c.v_start_x, c.v_start_y);
  dc.line_to_(c.v_end_x, c.v_end_y);
}

void draw_box(dc_& dc, const select_box_rec_& b) {
  dc.move_to_(b.x1, b.y1);
  dc.line_to_(b.x2, b.y1);
  dc.line_to_(b.x2, b.y2);
  dc.line_to_(b.x1, b.y2);
  dc.line_to_(b.x1, b.y1);
}

}  // namespace

void zaz_class_::draw_cursor_(flag16_ HIDE_) {
  if (!paint.dc) return;
  dc_& dc = *paint.dc;
  invert_pen_guard guard(dc, pen_style_::solid_);
  draw_cross(dc, preview.cross);
  preview.cross = {};
  // Without a valid page there is no view to place the cross in: it stays hidden.
  if (HIDE_ != false_ || !page_ptr_(pages.active)) return;
  // The point the cursor conversion kept: the snapped one, or the locked one while a
  // typed point holds it.
  const bool locked = pick.locked == true_;
  const float cx = locked ? pick.lock_x : pick.cursor_x, cy = locked ? pick.lock_y : pick.cursor_y;
  const view_transform_rec_ v = view_transform_(dc.target_().width_(), dc.target_().height_());
  const double px = double(cx) * v.scale_x - v.offset_x;
  const double py = double(cy) * v.scale_y - v.offset_y;
  if (!std::isfinite(px) || !std::isfinite(py)) return;
  // Each end is rounded on its own, so the arms are always 30 pixels long.
  cross_hair_rec_& c = preview.cross;
  c.h_start_x = cint32_(px - 15), c.h_start_y = cint32_(py);
  c.h_end_x = cint32_(px + 15), c.h_end_y = cint32_(py);
  c.v_start_x = cint32_(px), c.v_start_y = cint32_(py - 15);
  c.v_end_x = cint32_(px), c.v_end_y = cint32_(py + 15);
  draw_cross(dc, c);
}

void zaz_class_::draw_selectbox_(float rx1_, float ry1_, float rx2_, float ry2_) {
  if (!paint.dc) return;
  dc_& dc = *paint.dc;
  invert_pen_guard guard(dc, pen_style_::dot_);
  draw_box(dc, preview.box);
  preview.box = {};
  if (!page_ptr_(pages.active)) return;
  const view_transform_rec_ v = view_transform_(dc.target_().width_(), dc.target_().height_());
  const pixel_point_ a = map_px_(v, rx1_, ry1_), b = map_px_(v, rx2_, ry2_);
  preview.box = {a.x, a.y, b.x, b.y};
  draw_box(dc, preview.box);
}
