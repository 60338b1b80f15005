// TEXT and BLOCK place at every click and preview under the cursor on every move; IMAGE and
// BGROUP take two corners. A placement that has nothing to place (no block, a block the
// drawing no longer has, no picture) adds nothing and makes no undo step.
#include <cmath>

#include "engine/zaz_class.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_draw_util.h"
#include "mainwindow/view/view_input.h"
#include "shell/language.h"

using namespace view_draw;

namespace {
constexpr float radians_per_degree = pi_f / 180;
}  // namespace

void view_input_::text_move_() {
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  point_(s.p1x_, s.p1y_);
  // A height that is no number shows no preview for this move.
  float th = 0;
  if (!text_is_number_(row_text_(5), th)) return;
  preview_rec p;
  p.x1 = s.p1x_, p.y1 = s.p1y_, p.th = th, p.ts = row_value_(6), p.font = e.font_id_();
  p.text = h_.ddraw_text_();
  p.rot = row_value_(7) * radians_per_degree;
  preview(e, 10, p);
}

void view_input_::block_move_() {
  draw_state_rec_& s = ds();
  point_(s.p1x_, s.p1y_);
  s.p2x_ = row_value_(1);
  s.p2y_ = row_value_(2);
  s.p3x_ = radians_per_degree * row_value_(3);
  // A zero scale is never previewed: the row shows 1 from then on.
  if (s.p2x_ == 0) row_text_(1, "1"), s.p2x_ = row_value_(1);
  if (s.p2y_ == 0) row_text_(2, "1"), s.p2y_ = row_value_(2);
  preview_rec p;
  p.x1 = s.p1x_, p.y1 = s.p1y_, p.x2 = s.p2x_, p.y2 = s.p2y_, p.font = h_.block_to_insert_(), p.rot = s.p3x_;
  preview(h_.engine_(), 11, p);
}

void view_input_::image_move_() {
  draw_state_rec_& s = ds();
  point_(s.p2x_, s.p2y_);
  size_lock_(2, 2, s.p1x_, s.p1y_, s.p2x_, s.p2y_);
  s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
  preview_rec p;
  p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.x2 = s.live_x2_, p.y2 = s.live_y2_;
  preview(h_.engine_(), 17, p);
}

void view_input_::bgroup_move_() {
  draw_state_rec_& s = ds();
  point_(s.p2x_, s.p2y_);
  s.live_x1_ = s.p1x_, s.live_y1_ = s.p1y_, s.live_x2_ = s.p2x_, s.live_y2_ = s.p2y_;
  preview_rec p;
  p.x1 = s.live_x1_, p.y1 = s.live_y1_, p.x2 = s.live_x2_, p.y2 = s.live_y2_;
  preview(h_.engine_(), 5, p);
}

bool view_input_::place_move_() {
  const std::string& t = tool();
  if (t == "TEXT") text_move_();
  else if (t == "BLOCK") block_move_();
  else if (t == "IMAGE" || t == "BGROUP") {
    if (ds().tool_step_ == 1) t == "IMAGE" ? image_move_() : bgroup_move_();
  } else {
    return false;
  }
  return true;
}

bool view_input_::place_down_(int32_t button) {
  const std::string& t = tool();
  if (t != "TEXT" && t != "BLOCK" && t != "IMAGE" && t != "BGROUP") return false;
  if (button != 1) return true;
  zaz_class_& e = h_.engine_();
  draw_state_rec_& s = ds();
  const new_object_attrs_rec_ a = h_.attrs_();
  if (t == "TEXT") {
    e.state_begin_();
    point_(s.p1x_, s.p1y_);
    e.add_text_(h_.ddraw_text_(), e.font_id_(), s.p1x_, s.p1y_, row_value_(5), row_value_(6), row_value_(7), a.dcolor,
                a.style, a.width, e.layer_active_());
    commit_("change.draw.text");
    return true;
  }
  if (t == "BLOCK") {
    point_(s.p1x_, s.p1y_);
    s.p2x_ = row_value_(1);
    s.p2y_ = row_value_(2);
    s.p3x_ = radians_per_degree * row_value_(3);
    const int32_t block = h_.block_to_insert_();
    if (block < 1 || block > e.blocks_count_()) return true;
    e.select_clear_();  // before the snapshot: the deselection is no part of the step
    e.state_begin_();
    const int32_t rec = e.add_block_(block, s.p1x_, s.p1y_, s.p2x_, s.p2y_, s.p3x_, a.dcolor, a.style, a.width,
                                     e.layer_active_());
    e.state_save_(lang_text_("change.draw.block"));
    if (rec > 0) e.select_record_(rec, true_);
    h_.ref_states_();
    h_.ref_(false_, false_);
    return true;
  }
  if (s.tool_step_ == 0) {
    point_(s.p1x_, s.p1y_);
    s.tool_step_ = 1;
    return true;
  }
  if (t == "IMAGE") {
    image_move_();
    const image_choice_rec_ img = h_.image_choice_();
    if (trim(img.file).empty()) {  // no picture chosen: the frame goes, nothing is added
      s.tool_step_ = 0;
      h_.ref_(false_, false_);
      return true;
    }
    e.state_begin_();
    point_(s.p2x_, s.p2y_);
    s.tool_step_ = 0;
    e.add_image_(img.file, s.live_x1_, s.live_y1_, float(double(s.live_x2_) - s.live_x1_),
                 float(double(s.live_y2_) - s.live_y1_), e.layer_active_());
    commit_("change.draw.image");
    return true;
  }
  bgroup_move_();
  e.state_begin_();
  point_(s.p2x_, s.p2y_);
  s.tool_step_ = 0;
  normalise_live_corners_();
  e.add_bgroup_(s.live_x1_, s.live_y1_, s.live_x2_, s.live_y2_, trim(row_text_(1)), a.dcolor, a.fcolor, a.style,
                a.width, e.layer_active_());
  commit_("change.draw.bgroup");
  return true;
}
