// The ribbon interface as a user drives it: tool buttons clicked on the ribbon's bar, points
// clicked in the view and typed on the command line, the text dialog opened from the tool panel
// and typed into, a block made from the selection and inserted from the blocks list.
#include <functional>

#include "session_steps.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {
class ribbon_session : public session_steps {
 protected:
  void SetUp() override {
    session_steps::SetUp();
    start("0");
    ASSERT_NE(mdi->ribbon(), nullptr);
    engine().view_snap2grid_(false_);
    engine().view_snap2points_(false_);
  }
  // Runs what the dialog's modal loop should do once the modal window is up; gives up after
  // many passes (the caller sees `seen` false).
  void when_modal(std::function<void(window_&)> act, bool& seen, int tries = 2000) {
    post_task_([this, act, &seen, tries] {
      window_* w = active_window_();
      if (w && w != &mdi->form() && w->is_modal_()) {
        seen = true;
        act(*w);
      } else if (tries > 0) {
        when_modal(act, seen, tries - 1);
      }
    });
  }
};

TEST_F(ribbon_session, tools_from_the_ribbon_and_the_command_line_each_add_one_undo_step) {
  struct case_ {
    const char* button;  // ribbon control, or "" for words typed on the command line
    std::vector<const char*> typed;
    std::vector<std::array<float, 3>> clicks;  // x, y, shift
    int32_t type;
    const char* step;
  };
  const case_ cases[] = {
      {"LINE", {}, {{{10, 10, 0}}, {{50, 30, 0}}}, ot_line_, "change.draw.line"},
      {"", {"circle", "0 0", "10 0"}, {}, ot_circle_, "change.draw.circle"},
      {"RECTANGLE", {}, {{{0, 0, 0}}, {{40, 25, 0}}}, ot_polygon_, "change.draw.rect"},
      {"HATCH", {}, {{{0, 0, 0}}, {{40, 0, 0}}, {{40, 25, 0}}, {{0, 25, 2}}}, ot_hatch_, "change.draw.hatch"},
      {"DIM.H", {}, {{{0, 0, 0}}, {{40, 0, 0}}, {{20, -10, 0}}}, ot_dimension_, "change.dim.distance"},
  };
  for (const case_& c : cases) {
    SCOPED_TRACE(*c.button ? c.button : c.typed[0]);
    const int32_t before = live_of_type(c.type), steps = engine().state_active_();
    if (*c.button) {
      ASSERT_TRUE(click_ribbon(c.button));
      const tool_code_rec_* t = tool_record_(mdi->tool_name_());
      ASSERT_NE(t, nullptr);
      EXPECT_EQ(std::string(t->ribbon_key), c.button);
    }
    for (const char* t : c.typed) command(t);
    for (const auto& p : c.clicks) click_at(p[0], p[1], int32_t(p[2]));
    key(key_escape_);
    EXPECT_EQ(live_of_type(c.type), before + 1);
    EXPECT_EQ(engine().state_active_(), steps + 1);
    EXPECT_EQ(engine().state_name_(1), lang_text_(c.step));
  }
  // The typed circle: centre 0 0 through 10 0.
  for (int32_t r = 1; r <= engine().store.counts[0]; ++r) {
    const object_rec_& o = engine().object_(r);
    if (o.type != ot_circle_ || o.deleted == true_) continue;
    EXPECT_NEAR(o.x1, -10, 0.01);
    EXPECT_NEAR(o.x2, 10, 0.01);
  }
  // Undo from the ribbon takes the last step back; redo brings it again.
  const int32_t dims = live_of_type(ot_dimension_);
  mdi->ribbon()->model().ButtonClick("UNDO", 1);  // the group's first cell
  settle();
  EXPECT_EQ(live_of_type(ot_dimension_), dims - 1);
  mdi->ribbon()->model().ButtonClick("UNDO", 2);  // the group's second cell
  settle();
  EXPECT_EQ(live_of_type(ot_dimension_), dims);
}

TEST_F(ribbon_session, a_text_typed_into_the_real_text_dialog_is_placed_by_the_text_tool) {
  mdi->dialogs_.real_in_scripts_ = true;
  ASSERT_TRUE(click_ribbon("TEXT"));
  ASSERT_EQ(mdi->tool_name_(), "TEXT");
  const int32_t id = mdi->panel().key2id_("AD_TEXTV.TEXT");
  ASSERT_GE(id, 1);
  bool seen = false;
  const std::string typed = "Room 1";
  when_modal(
      [this, &typed](window_& w) {
        // The dialog opens with its text box focused and its text selected.
        type_text(typed);
        key(key_escape_);
        if (w.visible_()) w.hide_();
      },
      seen);
  mdi->panel().ButtonClick("AD_TEXTV.TEXT", id);
  settle();
  ASSERT_TRUE(seen);
  EXPECT_NE(mdi->ddraw_text_.find(typed), std::string::npos) << mdi->ddraw_text_;
  const int32_t steps = engine().state_active_();
  click_at(5, 5);
  key(key_escape_);
  ASSERT_EQ(live_of_type(ot_text_), 1);
  EXPECT_EQ(engine().store.live.texts[size_t(engine().object_(last_record()).index)].text, mdi->ddraw_text_);
  EXPECT_EQ(engine().state_active_(), steps + 1);
  EXPECT_EQ(engine().state_name_(1), lang_text_("change.draw.text"));
}

TEST_F(ribbon_session, a_block_made_from_the_selection_is_inserted_from_the_blocks_list) {
  engine().state_begin_();
  engine().add_line_(0, 0, 10, 0);
  engine().add_circle_(5, 5, 3);
  engine().state_save_("parts");
  engine().select_all_();
  ASSERT_TRUE(click_ribbon("BLOCK_ADD"));
  ASSERT_EQ(engine().blocks_count_(), 1);
  EXPECT_EQ(engine().state_name_(1), lang_text_("change.block.create"));

  ASSERT_TRUE(click_ribbon("BLOCK_SHOW"));
  ASSERT_EQ(mdi->side_panel_mode_, 1);
  // The block's cell in the list, found as the list answers for its own pixels.
  window_& list = mdi->panel2();
  int32_t bx = -1, by = -1;
  for (int32_t y = 2; y < list.client_height_() && bx < 0; y += 3)
    for (int32_t x = 2; x < list.client_width_() && bx < 0; x += 3)
      if (mdi->ref_blocks_(x, y) == 1) bx = x, by = y;
  ASSERT_GE(bx, 0);
  inject_mouse_at_(list, mouse_type_::move, bx, by);
  inject_mouse_at_(list, mouse_type_::down, bx, by, button_left_);
  inject_mouse_at_(list, mouse_type_::up, bx, by, button_left_);
  settle();
  EXPECT_EQ(mdi->tool_name_(), "BLOCK");
  EXPECT_EQ(mdi->block_to_insert_, 1);
  const int32_t inserts = live_of_type(ot_block_insert_), steps = engine().state_active_();
  click_at(60, 40);
  key(key_escape_);
  EXPECT_EQ(live_of_type(ot_block_insert_), inserts + 1);
  EXPECT_EQ(engine().state_active_(), steps + 1);
  EXPECT_EQ(engine().state_name_(1), lang_text_("change.draw.block"));
}

}  // namespace
