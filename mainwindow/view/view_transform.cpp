// MOVE, ROTATE, MIRROR and SCALE (base point, live mask, second click commits, optionally on
// copies) and the one-click arrays. Values can be typed or locked in the tool's rows, which are
// the tool panel's first items. The committing click first updates the figure at its own point,
// so it never applies what an earlier figure left behind.
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_input.h"
#include "shell/language.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {
constexpr float degrees_per_radian = 180 / 3.1415927f;
// Live SCALE factor per drawing unit of cursor distance: 40 units give 1.
constexpr float scale_per_unit = 0.025f;

std::string row_value(double v) { return format_fixed_(v, 4, true); }
}  // namespace

std::string view_input_::row_text_(int32_t item) {
  xcpanelbox_* p = h_.tool_panel_();
  return p && p->valid_item_(item) ? p->textv_(item) : std::string();
}
void view_input_::row_text_(int32_t item, const std::string& text) {
  xcpanelbox_* p = h_.tool_panel_();
  if (p && p->valid_item_(item)) p->textv_(item, text);
}
bool view_input_::row_checked_(int32_t item) {
  xcpanelbox_* p = h_.tool_panel_();
  return p && p->valid_item_(item) && is_set_(p->chkv_(item));
}
void view_input_::row_checked_(int32_t item, bool on) {
  xcpanelbox_* p = h_.tool_panel_();
  if (p && p->valid_item_(item)) p->chkv_(item, to_flag_(on));
}

namespace {
// A row read as "0.0000" would show it: a text that is no number leaves the target as it was.
void read_fixed(const std::string& text, float& target) {
  float v = 0;
  if (text_is_number_(text, v)) target = float(std::nearbyint(double(v) * 10000) / 10000);
}
}  // namespace

void view_input_::transform_press_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  point_(s.p1x_, s.p1y_);
  if (e.select_info_() >= 1) {
    s.tool_step_ = 1;
    return;
  }
  // Nothing selected: the object under the click is the one transformed.
  s.p2x_ = s.p1x_;
  s.p2y_ = s.p1y_;
  int32_t type = 0;
  const int32_t r = e.getrfp_(s.p2x_, s.p2y_, type, false_, false_);
  if (r < 1) return;
  e.select_clear_();
  e.select_record_(r, true_);
  h_.ref_(false_, false_);
  s.tool_step_ = 1;
}

void view_input_::transform_move_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const std::string t = tool();
  point_(s.p2x_, s.p2y_);
  if (t == "MOVE") {
    const float len = std::hypot(s.p2x_ - s.p1x_, s.p2y_ - s.p1y_);
    live_vals_[1] = len;
    live_vals_[2] = e.calc_angle_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, true_, 0);
    live_vals_[3] = e.calc_angle_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, false_, 0);
    const bool lock_len = row_checked_(1), lock_ang = row_checked_(2);
    const auto place = [&](float l, float a) {
      s.p2x_ = s.p1x_ + l * std::cos(a);
      s.p2y_ = s.p1y_ + l * std::sin(a);
    };
    if (lock_len && lock_ang) {
      place(text_to_single_(row_text_(1)), text_to_single_(row_text_(2)) / degrees_per_radian);
    } else if (lock_ang) {
      row_text_(1, row_value(len));
      place(len, text_to_single_(row_text_(2)) / degrees_per_radian);
    } else if (lock_len) {
      place(text_to_single_(row_text_(1)), live_vals_[3]);
      row_text_(2, row_value(live_vals_[2]));
    } else {
      row_text_(1, row_value(len));
      row_text_(2, row_value(live_vals_[2]));
    }
    if (!lock_ang) row_text_(2, row_value(live_vals_[2]));
    s.tr_x_ = s.p2x_ - s.p1x_;
    s.tr_y_ = s.p2y_ - s.p1y_;
    e.display_mask_(1, s.tr_x_, s.tr_y_, 0, 0, 0, 0, 0, 0, 0, 1, 1);
  } else if (t == "ROTATE") {
    if (row_checked_(1)) {
      read_fixed(row_text_(1), s.tr_angle_);
    } else {
      s.tr_angle_ = e.calc_angle_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, true_, 0);
      row_text_(1, row_value(s.tr_angle_));
    }
    e.display_mask_(2, 0, 0, s.tr_angle_, s.p1x_, s.p1y_, 0, 0, 0, 0, 1, 1);
  } else if (t == "MIRROR") {
    s.live_x1_ = s.p1x_;
    s.live_y1_ = s.p1y_;
    if (row_checked_(1)) {
      read_fixed(row_text_(1), s.tr_angle_);
      s.live_x2_ = s.p1x_ + 100 * std::cos(s.tr_angle_ / degrees_per_radian);
      s.live_y2_ = s.p1y_ + 100 * std::sin(s.tr_angle_ / degrees_per_radian);
    } else {
      s.live_x2_ = s.p2x_;
      s.live_y2_ = s.p2y_;
      s.tr_angle_ = e.calc_angle_(s.p1x_, s.p1y_, s.p2x_, s.p2y_, true_, 0);
      row_text_(1, row_value(s.tr_angle_));
    }
    e.display_mask_(3, 0, 0, 0, s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, 0, 0, 1, 1);
  } else if (t == "SCALE") {
    if (row_checked_(1)) {
      row_checked_(3, row_checked_(2));
      row_text_(3, row_text_(2));
      if (row_checked_(2)) {
        read_fixed(row_text_(2), s.scale_x_);
        read_fixed(row_text_(3), s.scale_y_);
      } else {
        s.scale_x_ = std::hypot(s.p2x_ - s.p1x_, s.p2y_ - s.p1y_) * scale_per_unit;
        s.scale_y_ = s.scale_x_;
        row_text_(2, row_value(s.scale_x_));
        row_text_(3, row_value(s.scale_y_));
      }
    } else {
      if (row_checked_(2)) {
        read_fixed(row_text_(2), s.scale_x_);
      } else {
        s.scale_x_ = (s.p2x_ - s.p1x_) * scale_per_unit;
        row_text_(2, row_value(s.scale_x_));
      }
      if (row_checked_(3)) {
        read_fixed(row_text_(3), s.scale_y_);
      } else {
        s.scale_y_ = (s.p2y_ - s.p1y_) * scale_per_unit;
        row_text_(3, row_value(s.scale_y_));
      }
    }
    s.tr_x_ = s.p1x_;
    s.tr_y_ = s.p1y_;
    s.tr_sx_ = s.scale_x_;
    s.tr_sy_ = s.scale_y_;
    e.display_mask_(4, 0, 0, 0, 0, 0, 0, 0, s.tr_x_, s.tr_y_, s.tr_sx_, s.tr_sy_);
  }
}

void view_input_::commit_(const char* label) {
  h_.engine_().state_save_(lang_text_(label));
  h_.ref_states_();
  h_.ref_(false_, false_);
}

void view_input_::transform_commit_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const std::string t = tool();
  // The click's own point decides, not whatever the last move (or an earlier figure) left.
  transform_move_();
  set_screen_cursor_(cursor_shape_::wait);
  e.state_begin_();
  point_(s.p2x_, s.p2y_);
  s.tool_step_ = 0;
  const int32_t copy_row = t == "MOVE" ? 3 : t == "SCALE" ? 4 : 2;
  if (row_checked_(copy_row)) e.transform_copy_(0);
  if (t == "MOVE") {
    e.transform_move_(s.tr_x_, s.tr_y_, 0);
    commit_("change.trn.move");
  } else if (t == "ROTATE") {
    e.transform_rotate_(s.tr_angle_, s.p1x_, s.p1y_, 0);
    commit_("change.trn.rotate");
  } else if (t == "MIRROR") {
    e.transform_mirror_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, 0);
    commit_("change.trn.mirror");
  } else {
    e.transform_scale_(s.tr_x_, s.tr_y_, s.tr_sx_, s.tr_sy_, 0);
    commit_("change.trn.scale");
  }
  h_.ref_edit_(true_, true_);
  restore_screen_cursor_();
}

void view_input_::array_click_(bool circ) {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const int32_t cols = text_to_count_(row_text_(1)), rows = text_to_count_(row_text_(2));
  // Spacings and the angle are whole numbers, halves to even.
  const float dist = float(round_even_(text_to_single_(row_text_(3))));
  const float fourth = float(round_even_(text_to_single_(row_text_(4))));
  set_screen_cursor_(cursor_shape_::wait);
  e.state_begin_();
  if (circ) {
    point_(s.p1x_, s.p1y_);
    e.transform_array_circ_(s.p1x_, s.p1y_, cols, rows, dist, fourth);
    commit_("change.trn.array.circ");
  } else {
    e.transform_array_rect_(cols, rows, dist, fourth);
    commit_("change.trn.array.rect");
  }
  restore_screen_cursor_();
}
