// SELECT: clicks (Shift removes, Ctrl adds), selection windows, and the nine handles of the
// selection frame, which scale (1-8) or move (9) the selection as one undo step at release.
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/view/view_input.h"
#include "platform/window/window.h"
#include "shell/language.h"

namespace {
// Pixels a press must travel before it selects by window rather than by click.
constexpr double window_drag_min = 5;
}  // namespace

int32_t view_input_::grip_at_(int32_t mx, int32_t my) {
  zaz_class_& e = h_.engine_();
  const int32_t id = int32_t(e.shbox_id_(mx, my).number);
  if (id < 1 || id == 9) return id;
  // On a selection without width or height the middle handles lie on the move handle and
  // could only scale the missing axis: the move handle takes the press.
  const handle_rect_& m = e.selection.handles[9];
  if (mx < m.left || mx > m.right || my < m.top || my > m.bottom) return id;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  e.get_exarea_(x1, y1, x2, y2, true_);
  return x1 == x2 || y1 == y2 ? 9 : id;
}

void view_input_::grip_press_(int32_t mx, int32_t my) {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  s.down_mx_ = mx;
  s.down_my_ = my;
  // Nothing of an earlier drag carries over into this one.
  s.scale_x_ = s.scale_y_ = 1;
  s.down_posx_ = s.down_posy_ = 0;
  grip_moved_ = false;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  e.get_exarea_(x1, y1, x2, y2, true_);
  s.p2x_ = x2 - x1;
  s.p2y_ = y2 - y1;
  const float cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
  switch (grip_id_) {
    case 1: s.p1x_ = x1, s.p1y_ = y1; break;
    case 2: s.p1x_ = x1, s.p1y_ = cy; break;
    case 3: s.p1x_ = x1, s.p1y_ = y2; break;
    case 4: s.p1x_ = cx, s.p1y_ = y2; break;
    case 5: s.p1x_ = x2, s.p1y_ = y2; break;
    case 6: s.p1x_ = x2, s.p1y_ = cy; break;
    case 7: s.p1x_ = x2, s.p1y_ = y1; break;
    case 8: s.p1x_ = cx, s.p1y_ = y1; break;
    default:
      // The move handle starts from the press point itself.
      e.mxy2cxy_(mx, my, false_, false_);
      point_(s.p1x_, s.p1y_);
      break;
  }
}

void view_input_::grip_drag_(int32_t button, int32_t mx, int32_t my) {
  if (!(button & 1)) return;
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  e.mxy2cxy_(mx, my, false_, false_);
  point_(s.p3x_, s.p3y_);
  const float dx = s.p3x_ - s.p1x_, dy = s.p3y_ - s.p1y_;
  const float w = s.p2x_, h = s.p2y_;
  // An axis of zero extent cannot be scaled: it keeps factor 1.
  const auto fx = [&](float sign) { return w != 0 ? dx / (sign * w) : 1.0f; };
  const auto fy = [&](float sign) { return h != 0 ? dy / (sign * h) : 1.0f; };
  switch (grip_id_) {
    case 1: s.scale_x_ = fx(1), s.scale_y_ = fy(1); break;
    case 2: s.scale_x_ = fx(1), s.scale_y_ = 1; break;
    case 3: s.scale_x_ = fx(1), s.scale_y_ = fy(-1); break;
    case 4: s.scale_x_ = 1, s.scale_y_ = fy(-1); break;
    case 5: s.scale_x_ = fx(-1), s.scale_y_ = fy(-1); break;
    case 6: s.scale_x_ = fx(-1), s.scale_y_ = 1; break;
    case 7: s.scale_x_ = fx(-1), s.scale_y_ = fy(1); break;
    case 8: s.scale_x_ = 1, s.scale_y_ = fy(1); break;
    default: s.scale_x_ = s.scale_y_ = 1, s.down_posx_ = dx, s.down_posy_ = dy; break;
  }
  s.down_mx_ = s.down_my_ = 0;
  grip_moved_ = true;
  if (grip_id_ == 9)
    e.display_mask_(1, s.down_posx_, s.down_posy_, 0, 0, 0, 0, 0, 0, 0, 1, 1);
  else
    e.display_mask_(4, 0, 0, 0, 0, 0, 0, 0, s.p1x_, s.p1y_, s.scale_x_, s.scale_y_);
}

void view_input_::grip_release_(int32_t button, int32_t, int32_t) {
  // Only a drag that moved applies; a press and release on a handle changes nothing.
  if (!grip_moved_ || button != 1) return;
  grip_moved_ = false;
  zaz_class_& e = h_.engine_();
  const draw_state_rec_& s = ds();
  set_screen_cursor_(cursor_shape_::wait);
  e.state_begin_();
  if (grip_id_ == 9) {
    e.transform_move_(s.down_posx_, s.down_posy_, 0);
    e.state_save_(lang_text_("change.trn.move"));
  } else {
    e.transform_scale_(s.p1x_, s.p1y_, s.scale_x_, s.scale_y_, 0);
    e.state_save_(lang_text_("change.trn.scale"));
  }
  h_.ref_edit_(true_, true_);
  h_.ref_states_();
  h_.ref_(false_, false_);
  restore_screen_cursor_();
}

void view_input_::select_press_(int32_t mx, int32_t my) {
  draw_state_rec_& s = ds();
  s.down_mx_ = mx;
  s.down_my_ = my;
  point_(s.p1x_, s.p1y_);
  s.tool_step_ = 1;
}

void view_input_::select_move_(int32_t mx, int32_t my) {
  draw_state_rec_& s = ds();
  if (std::hypot(double(mx - s.down_mx_), double(my - s.down_my_)) < window_drag_min) return;
  point_(s.p2x_, s.p2y_);
  h_.engine_().draw_selectbox_(s.p1x_, s.p1y_, s.p2x_, s.p2y_);
}

void view_input_::select_release_(int32_t shift, int32_t mx, int32_t my) {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  if (std::hypot(double(mx - s.down_mx_), double(my - s.down_my_)) < window_drag_min) {
    e.mxy2cxy_(mx, my, false_, false_);
    point_(s.p2x_, s.p2y_);
    int32_t type = 0;
    const int32_t r = e.getrfp_(s.p2x_, s.p2y_, type, false_, true_);
    if (r > 0) {
      if (shift == 1) {
        e.select_record_(r, false_);
      } else if (shift == 2) {
        e.select_record_(r, true_);
      } else {
        e.select_clear_();
        e.select_record_(r, true_);
      }
    } else if (shift == 0) {
      e.select_clear_();
    }
  } else {
    e.select_box_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, 0);
  }
  s.tool_step_ = 0;
  h_.ref_edit_(true_, true_);
  h_.ref_(false_, false_);
}

void view_input_::select_hover_(int32_t mx, int32_t my, bool& cross) {
  const int32_t id = grip_id_ >= 1 ? grip_id_ : int32_t(h_.engine_().shbox_id_(mx, my).number);
  if (id > 0 && cross) {
    h_.engine_().draw_cursor_(true_);
    cross = false;
    static const cursor_shape_ shapes[] = {cursor_shape_::size_nesw, cursor_shape_::size_we,
                                           cursor_shape_::size_nwse, cursor_shape_::size_ns,
                                           cursor_shape_::size_nesw, cursor_shape_::size_we,
                                           cursor_shape_::size_nwse, cursor_shape_::size_ns,
                                           cursor_shape_::size_all};
    if (id <= 9) h_.view_().set_cursor_(shapes[id - 1]);
    else h_.auto_pointer_();
    return;
  }
  h_.auto_pointer_();
}
