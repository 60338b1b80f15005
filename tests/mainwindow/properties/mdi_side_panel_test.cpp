// The property editor and the blocks list in the real main window: presses and keys injected
// into its side panel, values written to its engine, blocks picked for its BLOCK tool.
#include "../mdi_fixture.h"
#include "grid_input.h"
#include "shell/focus_state.h"
#include "shell/key_dispatch.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/controls/textbox/textbox.h"

namespace {

// Keys pass the program's shortcut dispatcher on their way, as in the running program.
struct mdi_side_panel : mdi_fixture {
  void SetUp() override {
    mdi_fixture::SetUp();
    open("0");
    mdi->form().activate_();
    install_keyboard_hook_();
  }
  void TearDown() override {
    remove_keyboard_hook_();
    mdi_fixture::TearDown();
  }
  zaz_class_& e() { return *engine; }
  window_& panel() { return mdi->panel2(); }
  void press_row(const char* key, int32_t button = button_left_) { press_grid_row_(e(), panel(), key, button); }
  void type_enter(const std::string& text) { type_enter_(mdi->form(), *mdi->tedit().win_(), text); }
  bool box_visible() { return mdi->tedit().win_()->visible_(); }
  // Selects one new object and shows the editor as the word "edit" opens it.
  int32_t edit_selected(int32_t rec) {
    e().select_clear_();
    e().select_record_(rec, true_);
    mdi->side_panel_open_(2);
    do_events_();
    return rec;
  }
  const line_rec_& line(int32_t r) { return e().store.live.lines[e().store.live.objects[r].index]; }
};

TEST_F(mdi_side_panel, LengthTypedIntoTheBoxIsOneUndoStep) {
  const int32_t r = edit_selected(e().add_line_(0, 0, 3, 4));
  ASSERT_TRUE(panel().visible_());
  EXPECT_EQ(panel().client_width_(), 210);
  const int32_t steps = e().state_active_();
  press_row("LE");
  ASSERT_TRUE(box_visible());
  EXPECT_EQ(focus_state_code_, focus_property_box_);
  type_enter("25");
  EXPECT_NEAR(line(r).x2, 15, 1e-4);
  EXPECT_NEAR(line(r).y2, 20, 1e-4);
  EXPECT_EQ(e().state_active_(), steps + 1);
  EXPECT_FALSE(box_visible());
  EXPECT_EQ(focus_state_code_, focus_view_);
  EXPECT_EQ(e().edit_value_(e().edit_selected_()), "25");  // the rebuilt grid reads it back
  mdi->gocmd_("undo");
  EXPECT_NEAR(line(r).x2, 3, 1e-5);
  EXPECT_NEAR(line(r).y2, 4, 1e-5);
}

TEST_F(mdi_side_panel, RedPickedInTheColourListIsWritten) {
  const int32_t r = edit_selected(e().add_line_(0, 0, 3, 4));
  press_row("C1", button_right_);  // every button opens the editors
  xccombobox_& c = mdi->cedit();
  ASSERT_TRUE(c.win_()->visible_());
  ASSERT_TRUE(c.list_visible_());
  EXPECT_EQ(c.ListIndex(), c.FindIdByValue(-1));  // automatic, the line's colour
  const int32_t red = c.FindIdByValue(255);
  ASSERT_GE(red, c.state_().top_row);
  const int32_t steps = e().state_active_();
  // A press on the red row of the drop list.
  window_& list = *c.list_window_();
  const int32_t y = (red - c.state_().top_row) * ui_metrics_.list_row_h_ + ui_metrics_.list_row_h_ / 2 + 2;
  move_at_(list, 20, y);
  press_at_(list, 20, y);
  release_at_(list, 20, y);
  do_events_();
  EXPECT_EQ(e().store.live.objects[r].draw_color, 255);
  EXPECT_EQ(e().state_active_(), steps + 1);
  EXPECT_FALSE(c.win_()->visible_());
}

TEST_F(mdi_side_panel, PageSheetsRoundAndClamp) {
  mdi->side_panel_open_(2);
  struct Case { const char* text; int32_t sheets; } cases[] = {{"7.5", 8}, {"250", 100}};
  for (const Case& c : cases) {
    press_row("PAGE.PPY");
    type_enter(c.text);
    EXPECT_EQ(e().page_cy_(e().page_active_()), c.sheets) << c.text;
  }
}

TEST_F(mdi_side_panel, ClassicInterfaceEditsToo) {
  close();
  open("1");
  mdi->form().activate_();
  mdi->side_panel_open_(2);
  ASSERT_TRUE(panel().visible_());
  EXPECT_EQ(panel().client_width_(), 210);
  press_row("PAGE.PPX");
  type_enter("3");
  EXPECT_EQ(e().page_cx_(e().page_active_()), 3);
}

TEST_F(mdi_side_panel, TextThatDoesNotConvertIsRefused) {
  const int32_t p = edit_selected(e().add_point_(2, 3));
  const int32_t steps = e().state_active_();
  take_dialog_requests_();
  press_row("X");
  type_enter("abc");
  const std::vector<dialog_request_> asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.invalidvalue", lang_text_("edit.x")));
  EXPECT_EQ(e().state_active_(), steps);
  EXPECT_FLOAT_EQ(e().store.live.points[e().store.live.objects[p].index].x, 2);
  EXPECT_TRUE(box_visible());
  EXPECT_EQ(mdi->tedit().text(), "abc");
}

// The editor follows the window: a layout rebuilds the rows, other modes leave them alone.
TEST_F(mdi_side_panel, RebuildsOnlyInItsOwnMode) {
  const int32_t r = e().add_circle_(0, 0, 3);
  mdi->side_panel_open_(2);
  EXPECT_EQ(e().edit_item_(1)->key, "proj.bgcol");  // nothing selected: the drawing and the page
  e().select_record_(r, true_);
  mdi->mdi_resize_();
  EXPECT_EQ(e().edit_item_(1)->key, "c1");
  mdi->side_panel_open_(1);
  e().select_clear_();
  mdi->ref_edit_(true_, true_);
  EXPECT_EQ(e().edit_item_(1)->key, "c1");
}

struct mdi_blocks : mdi_side_panel {
  void SetUp() override {
    mdi_side_panel::SetUp();
    for (int i = 1; i <= 5; ++i) {
      const int32_t r = e().add_line_(0, 0, float(i), 1);
      e().select_clear_();
      e().select_record_(r, true_);
      ASSERT_EQ(e().block_create_("b" + std::to_string(i), 0, 0, false_), i);
    }
    e().select_clear_();
    e().blocks_hidden_(1, true_);
    e().blocks_hidden_(2, true_);
    mdi->side_panel_open_(1);
    do_events_();
  }
  void press(int32_t x, int32_t y, int32_t button) {
    press_at_(panel(), x, y, button);
    release_at_(panel(), x, y, button);
    do_events_();
  }
  bool popup_open() { return mdi->ribbon()->win_ex2_().visible_(); }
};

TEST_F(mdi_blocks, PressesPickTheBlockToInsert) {
  ASSERT_TRUE(panel().visible_());
  EXPECT_EQ(panel().client_width_(), 140);
  ASSERT_TRUE(mdi->p2vsc().win_()->visible_());
  // Blocks 3 and 4 fill the first row; block 5 sits alone in the second, first column.
  EXPECT_EQ(mdi->ref_blocks_(6 + 25, 6 + 71 + 30), 5);
  mdi->ds_.tool_name_ = "LINE";
  mdi->ds_tn_(2);
  mdi->panel().add_group_("ADRAW", "tool");
  const int32_t items = mdi->panel().item_count_();
  press(20, 90, button_left_);
  EXPECT_EQ(mdi->block_to_insert_, 5);
  EXPECT_EQ(mdi->tool_name_(), "BLOCK");
  EXPECT_EQ(mdi->ds_tn_(), 0);
  EXPECT_GT(mdi->panel().item_count_(), items);  // the tool panel shows the BLOCK tool's rows
  EXPECT_FALSE(popup_open());
  press(80, 20, button_right_);  // block 4: picked, the tool stays, the popup opens
  EXPECT_EQ(mdi->block_to_insert_, 4);
  EXPECT_EQ(mdi->tool_name_(), "BLOCK");
  EXPECT_TRUE(popup_open());
  mdi->ribbon()->hide_winex_();
  press(60, 20, button_left_);  // the gap between the columns
  EXPECT_EQ(mdi->block_to_insert_, 0);
  EXPECT_EQ(mdi->tool_name_(), "");
  press(60, 20, button_right_);
  EXPECT_FALSE(popup_open());  // no popup without a block
}

TEST_F(mdi_blocks, SetBlockChoosesOrClears) {
  mdi->ds_.tool_name_ = "LINE";
  mdi->ds_tn_(1);
  mdi->set_block_(3);
  EXPECT_EQ(mdi->block_to_insert_, 3);
  EXPECT_EQ(mdi->tool_name_(), "BLOCK");
  EXPECT_EQ(mdi->ds_tn_(), 0);
  mdi->ds_.tool_name_ = "LINE";
  mdi->set_block_(e().blocks_count_() + 1);
  EXPECT_EQ(mdi->block_to_insert_, 0);
  EXPECT_EQ(mdi->tool_name_(), "LINE");
  EXPECT_EQ(MDI_::unit_key_(4), lang_text_("unit.ex.km"));
  EXPECT_EQ(MDI_::unit_key_(7), "");
}

}  // namespace
