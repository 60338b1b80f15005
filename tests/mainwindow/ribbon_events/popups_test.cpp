// Ribbon popup items on the real main window: history steps, turns and mirrors of the selection,
// the view popup's replayed clicks, block rename and delete.
#include <string>

#include "platform/services/dialogs.h"
#include "ribbon_fixture.h"
#include "shell/language.h"

class ribbon_popups : public ribbon_fixture {};

TEST_F(ribbon_popups, history_items_undo_and_redo_several_steps) {
  for (int i = 0; i < 3; ++i) line(0, float(i), 10, float(i));
  const int32_t top = engine->state_active_();
  rb().PopupMenuClick("UNDO.3", 3);
  EXPECT_EQ(engine->state_active_(), top - 3);
  rb().PopupMenuClick("REDO.2", 2);
  EXPECT_EQ(engine->state_active_(), top - 1);
  // The undo list was refilled once more: its first item undoes the redone step.
  EXPECT_NE(rb().btnkey2id_("UNDO"), 0);
  rb().PopupMenuClick("REDO.1", 1);
  EXPECT_EQ(engine->state_active_(), top);
  // More steps than the history holds, and counts that are no number, change nothing further.
  rb().PopupMenuClick("REDO.9", 9);
  rb().PopupMenuClick("UNDO.x", 1);
  rb().PopupMenuClick("UNDO.", 1);
  EXPECT_EQ(engine->state_active_(), top);
}

TEST_F(ribbon_popups, turns_and_mirrors_act_about_the_selection_box_centre_as_one_step) {
  struct case_ {
    const char* key;
    float x1, y1, x2, y2;  // the selected line's ends
    float ex1, ey1, ex2, ey2;  // the selection box afterwards
    const char* text;
  };
  const case_ cases[] = {
      {"ROTATE.L90", 0, 0, 20, 10, 5, -5, 15, 15, "change.trn.rotate"},
      {"ROTATE.R90", 0, 0, 20, 10, 5, -5, 15, 15, "change.trn.rotate"},
      {"ROTATE.180", 0, 0, 20, 10, 0, 0, 20, 10, "change.trn.rotate"},
      {"MIRROR.H", 10, 0, 30, 6, 10, 0, 30, 6, "change.trn.mirror"},
      {"MIRROR.V", 10, 0, 30, 6, 10, 0, 30, 6, "change.trn.mirror"},
  };
  for (const case_& c : cases) {
    SCOPED_TRACE(c.key);
    engine->select_clear_();
    line(c.x1, c.y1, c.x2, c.y2);
    engine->select_clear_();
    engine->select_box_(c.x1 - 1, c.y1 - 1, c.x2 + 1, c.y2 + 1);
    ASSERT_EQ(engine->select_info_(), 1);
    const int32_t states = engine->state_active_();
    rb().PopupMenuClick(c.key, 1);
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    selection_box(x1, y1, x2, y2);
    EXPECT_NEAR(x1, c.ex1, 1e-4);
    EXPECT_NEAR(y1, c.ey1, 1e-4);
    EXPECT_NEAR(x2, c.ex2, 1e-4);
    EXPECT_NEAR(y2, c.ey2, 1e-4);
    EXPECT_EQ(engine->state_active_(), states + 1);
    EXPECT_EQ(engine->state_item_(engine->state_active_() - 1), lang_text_(c.text));
    engine->state_undo_(1);  // the turn
    engine->state_undo_(1);  // the line
  }
}

TEST_F(ribbon_popups, a_mirror_moves_each_object_to_the_other_side_of_the_box_centre) {
  // Box x 10..30: mirrored about x = 20, the short line at the left edge goes to the right edge.
  line(10, 0, 12, 6);
  line(20, 0, 30, 6);
  engine->select_box_(9, -1, 31, 7);
  ASSERT_EQ(engine->select_info_(), 2);
  engine->select_box_(27, -1, 31, 7);
  ASSERT_EQ(engine->select_info_(), 0);
  engine->select_box_(9, -1, 31, 7);
  rb().PopupMenuClick("MIRROR.H", 1);
  engine->select_box_(27, -1, 31, 7);
  EXPECT_EQ(engine->select_info_(), 1);
  engine->select_box_(9, -1, 11, 7);
  EXPECT_EQ(engine->select_info_(), 0);
}

TEST_F(ribbon_popups, replayed_clicks_run_the_tool_at_the_popup_point_and_release_the_lock) {
  // A line selected and the move tool: the first replayed click takes the base point, the
  // second, after the cursor moved on, moves the line by the difference.
  line(0, 0, 10, 0);
  engine->select_box_(-1, -1, 11, 1);
  mdi->gocmd_("move");
  ASSERT_EQ(mdi->tool_name_(), "MOVE");
  const pixel_point_ a = pixel_of(0, 0), b = {a.x + 40, a.y - 20};
  float ax = 0, ay = 0, bx = 0, by = 0;
  convert(a, ax, ay);
  rb().PopupMenuClick("POPUP.OK", 4);
  EXPECT_EQ(mdi->ds_tn_(), 1);
  convert(b, bx, by);
  rb().PopupMenuClick("POPUP.OK", 4);
  EXPECT_EQ(mdi->ds_tn_(), 0);
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  selection_box(x1, y1, x2, y2);
  EXPECT_NEAR(x1, bx - ax, 1e-3);
  EXPECT_NEAR(y1, by - ay, 1e-3);
  // The engine converts freely again.
  float cx = 0, cy = 0;
  convert(a, cx, cy);
  EXPECT_FLOAT_EQ(cx, ax);
  EXPECT_FLOAT_EQ(cy, ay);
}

TEST_F(ribbon_popups, the_end_item_clicks_with_ctrl_and_the_ok_item_without) {
  // The selection tool adds a Ctrl-clicked object to the selection; a plain click replaces it.
  struct case_ {
    const char* key;
    int32_t selected;
    float low_y;  // the selection box's lower edge afterwards
  };
  for (const case_& c : {case_{"POPUP.END", 2, 0}, case_{"POPUP.OK", 1, 20}}) {
    SCOPED_TRACE(c.key);
    close();
    open("0");
    line(0, 0, 40, 0);
    line(0, 20, 40, 20);
    mdi->ref_(false_, false_);
    engine->select_box_(-1, -1, 41, 1);
    ASSERT_EQ(engine->select_info_(), 1);
    // The pointer rests away from both; the popup was opened on the second line.
    point_at(pixel_of(20, 60));
    float x = 0, y = 0;
    convert(pixel_of(20, 20), x, y);
    rb().PopupMenuClick(c.key, 3);
    EXPECT_EQ(engine->select_info_(), c.selected);
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    selection_box(x1, y1, x2, y2);
    EXPECT_FLOAT_EQ(std::min(y1, y2), c.low_y);
    EXPECT_FLOAT_EQ(std::max(y1, y2), 20);
    EXPECT_EQ(mdi->ds_tn_(), 0);
  }
}

TEST_F(ribbon_popups, the_end_item_after_two_polyline_clicks_finishes_three_vertices) {
  mdi->gocmd_("polyline");
  ASSERT_EQ(mdi->tool_name_(), "POLYLINE");
  const size_t before = engine->store.live.objects.size();
  for (const pixel_point_ p : {pixel_of(0, 0), pixel_of(30, 0)}) {
    point_at(p);
    inject_mouse_at_(mdi->client(), mouse_type_::down, p.x, p.y, button_left_);
    inject_mouse_at_(mdi->client(), mouse_type_::up, p.x, p.y, button_left_);
  }
  ASSERT_EQ(engine->store.live.objects.size(), before);  // still being drawn
  // The popup opened at (30, 20): its end item clicks there and ends the figure.
  float x = 0, y = 0;
  convert(pixel_of(30, 20), x, y);
  rb().PopupMenuClick("POPUP.END", 3);
  ASSERT_GT(engine->store.live.objects.size(), before);
  const object_rec_& o = engine->object_(int32_t(engine->store.live.objects.size() - 1));
  ASSERT_EQ(o.type, ot_polyline_);
  const polyline_rec_& p = engine->store.live.polylines[size_t(o.index)];
  ASSERT_EQ(std::abs(p.count), 3);
  EXPECT_NEAR(p.x[3], x, 1e-3);
  EXPECT_NEAR(p.y[3], y, 1e-3);
  EXPECT_EQ(mdi->ds_tn_(), 0);
  EXPECT_EQ(mdi->tool_name_(), "POLYLINE");
}

TEST_F(ribbon_popups, cancel_drops_the_running_figure) {
  line(0, 0, 10, 0);
  engine->select_box_(-1, -1, 11, 1);
  mdi->gocmd_("move");
  float x = 0, y = 0;
  convert(pixel_of(0, 0), x, y);
  rb().PopupMenuClick("POPUP.OK", 4);
  ASSERT_EQ(mdi->ds_tn_(), 1);
  rb().PopupMenuClick("POPUP.CANCEL", 1);
  EXPECT_EQ(mdi->ds_tn_(), 0);
  EXPECT_EQ(mdi->tool_name_(), "MOVE");
}

TEST_F(ribbon_popups, a_block_is_renamed_trimmed_and_deleted_only_when_no_longer_placed) {
  line(0, 0, 10, 0);
  engine->select_box_(-1, -1, 11, 1);
  const int32_t block = engine->block_create_("first", 0, 0, false_);
  ASSERT_GT(block, 0);
  mdi->block_to_insert_ = block;
  take_dialog_requests_();
  push_dialog_reply_({.kind = dialog_kind_::input_box, .text = "  named  "});
  rb().PopupMenuClick("BLOCK.RENAME", 2);
  EXPECT_EQ(engine->blocks_name_(block), "named");
  push_dialog_reply_({.kind = dialog_kind_::input_box, .cancel = true});
  rb().PopupMenuClick("BLOCK.RENAME", 2);
  EXPECT_EQ(engine->blocks_name_(block), "named");
  take_dialog_requests_();
  // Placed in the drawing: refused, and the user told so.
  engine->state_begin_();
  const int32_t insert = engine->add_block_(block, 50, 50);
  engine->state_save_("insert");
  ASSERT_GT(insert, 0);
  const int32_t blocks = engine->blocks_count_();
  push_dialog_reply_({.kind = dialog_kind_::message_box, .answer = answer_ok_});
  rb().PopupMenuClick("BLOCK.DELETE", 4);
  EXPECT_EQ(engine->blocks_count_(), blocks);
  auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.cantdeleteblock"));
  // No longer placed: deleted without a word.
  engine->state_undo_(1);
  mdi->block_to_insert_ = block;
  rb().PopupMenuClick("BLOCK.DELETE", 4);
  EXPECT_EQ(engine->blocks_count_(), blocks - 1);
  EXPECT_TRUE(take_dialog_requests_().empty());
}
