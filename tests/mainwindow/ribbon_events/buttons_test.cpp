// Ribbon button events on the real main window: display switches, background, navigation,
// the style group, words by second key, and the steps every press ends with.
#include <string>

#include "ribbon_fixture.h"
#include "shell/language.h"

// Qt's font lookup (and, on a real display, its session bus) leave allocations behind at exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }

class ribbon_buttons : public ribbon_fixture {};

TEST_F(ribbon_buttons, display_switches_flip_one_letter_and_set_their_engine_switch) {
  struct case_ {
    int16_t button;
    const char* before;
    const char* after;
    flag16_ colour, style, width;  // the engine's switches afterwards
  };
  const case_ cases[] = {
      {3, "BBBB", "BBbB", true_, true_, false_},  {3, "BBbB", "BBBB", true_, true_, true_},
      {1, "BBBB", "bBBB", false_, true_, true_},  {2, "BbBB", "BBBB", true_, true_, true_},
      {2, "BBBB", "BbBB", true_, false_, true_},  {4, "BBBB", "BBBb", true_, true_, true_},
      {4, "bbbb", "bbbB", true_, true_, true_},   {2, "BB", "BB", true_, true_, true_},  // too short: nothing
  };
  for (const case_& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " button " + std::to_string(c.button));
    engine->attrib_color_(true_);
    engine->attrib_style_(true_);
    engine->attrib_width_(true_);
    rb().buttontext_("PVIEWG", c.before);
    const int32_t states = engine->state_active_();
    rb().ButtonClick("PVIEWG", c.button);
    EXPECT_EQ(rb().buttontext_("PVIEWG"), c.after);
    EXPECT_EQ(engine->attrib_color_(), c.colour);
    EXPECT_EQ(engine->attrib_style_(), c.style);
    EXPECT_EQ(engine->attrib_width_(), c.width);
    EXPECT_EQ(engine->state_active_(), states);
  }
}

TEST_F(ribbon_buttons, background_buttons_set_colour_and_state_text_and_greys_keep_the_text) {
  const int32_t states = engine->state_active_();
  rb().ButtonClick("PVCBG", 1);
  EXPECT_EQ(engine->backcolor_(), 0xFFFFFF);
  EXPECT_EQ(rb().buttontext_("PVCBG"), "Bbc");
  rb().ButtonClick("PVCBG", 3);
  EXPECT_EQ(engine->backcolor_(), 0xC8C8C8);
  EXPECT_EQ(rb().buttontext_("PVCBG"), "bbC");
  rb().PopupMenuClick("BGCOL.03", 3);
  EXPECT_EQ(engine->backcolor_(), 0x646464);  // RGB(100, 100, 100)
  EXPECT_EQ(rb().buttontext_("PVCBG"), "bbC");
  rb().PopupMenuClick("BGCOL.01", 1);
  EXPECT_EQ(engine->backcolor_(), 0xC8C8C8);
  EXPECT_EQ(engine->state_active_(), states);
}

TEST_F(ribbon_buttons, navigation_steps_within_the_tables_and_refills_the_lists) {
  engine->page_add_("second", 210, 297);
  engine->page_add_("third", 210, 297);
  engine->page_active_(1);
  mdi->ref_pages_();
  const int32_t states = engine->state_active_();
  struct case_ {
    const char* group;
    int16_t button;
    int16_t page;
  };
  const case_ cases[] = {{"PAGES_NAV", 2, 1}, {"PAGES_NAV", 4, 3}, {"PAGES_NAV", 3, 3}, {"PAGES_NAV_EX", 2, 2},
                         {"PAGES_NAV", 1, 1}, {"PAGES_NAV", 3, 2}, {"PAGES_NAV", 5, 2}};
  for (const case_& c : cases) {
    rb().ButtonClick(c.group, c.button);
    EXPECT_EQ(engine->page_active_(), c.page) << c.group << " " << c.button;
    EXPECT_EQ(rb().buttontext_("PAGE_SEL"), list_item_text_(c.page, engine->page_title_(c.page), "common.page.nr"));
  }
  engine->dimstyle_add_("second style");
  engine->dimstyle_active_(1);
  rb().ButtonClick("DIMSTYLES_NAV", 4);
  EXPECT_EQ(engine->dimstyle_active_(), engine->dimstyles_count_());
  EXPECT_EQ(rb().buttontext_("DIMSTYLES_LIST"), list_item_text_(engine->dimstyles_count_(), "second style", ""));
  rb().ButtonClick("DIMSTYLES_NAV", 1);
  EXPECT_EQ(engine->dimstyle_active_(), 1);
  EXPECT_EQ(engine->state_active_(), states);
}

TEST_F(ribbon_buttons, the_style_group_adds_and_deletes_a_style_as_one_step_each) {
  const int32_t styles = engine->dimstyles_count_(), states = engine->state_active_();
  rb().ButtonClick("DIMSTYLES_EDIT", 1);
  ASSERT_EQ(engine->dimstyles_count_(), styles + 1);
  EXPECT_EQ(engine->dimstyle_active_(), styles + 1);
  EXPECT_EQ(engine->dimstyles_title_(int16_t(styles + 1)), lang_text_("common.dims.new"));
  EXPECT_EQ(engine->state_active_(), states + 1);
  EXPECT_EQ(engine->state_item_(engine->state_active_() - 1), lang_text_("change.dimstyle.add"));
  // The delete asks first: No keeps the style and records nothing, Yes removes it in one step.
  push_dialog_reply_({.kind = dialog_kind_::message_box, .answer = answer_no_});
  rb().ButtonClick("DIMSTYLES_EDIT", 2);
  EXPECT_EQ(engine->dimstyles_count_(), styles + 1);
  EXPECT_EQ(engine->state_active_(), states + 1);
  push_dialog_reply_({.kind = dialog_kind_::message_box, .answer = answer_yes_});
  rb().ButtonClick("DIMSTYLES_EDIT", 2);
  EXPECT_EQ(engine->dimstyles_count_(), styles);
  EXPECT_EQ(engine->state_active_(), states + 2);
  EXPECT_EQ(engine->state_item_(engine->state_active_() - 1), lang_text_("change.dimstyle.del"));
}

TEST_F(ribbon_buttons, a_press_runs_the_word_of_the_second_key) {
  struct case_ {
    const char* key;
    const char* key2;  // set before the press; "" keeps what the build gave
    const char* tool;  // the current tool afterwards
  };
  const case_ cases[] = {
      {"LINE", "", "LINE"},          {"ARC", "", "ARC.R"},           {"ARC", "ARC.3P", "ARC.3P"},
      {"CIRCLE", "CIRCLE.2P", "CIRCLE.2P"}, {"SELECT_STD", "", "SELECT"}, {"line", "", "SELECT"},  // case matters
      {"ZOOM_AREA", "", "ZOOM_AREA"}, {"DIM.F", "", "DIM.F"},          {"ARRAY", "ARRAY.CIRC", "ARRAY.CIRC"},
      {"PASTESPECIAL", "", "SELECT"},   // its commands are its items
  };
  for (const case_& c : cases) {
    mdi->gocmd_("select");
    if (*c.key2) rb().buttonkey2_(c.key, c.key2);
    rb().ButtonClick(c.key, 0);
    EXPECT_EQ(mdi->tool_name_(), c.tool) << c.key << " " << c.key2;
  }
}

TEST_F(ribbon_buttons, undo_group_undoes_and_redoes_and_a_missing_file_button_does_nothing) {
  line(0, 0, 10, 0);
  line(0, 5, 10, 5);
  const int32_t active = engine->state_active_();
  rb().ButtonClick("UNDO", 1);
  EXPECT_EQ(engine->state_active_(), active - 1);
  rb().ButtonClick("UNDO", 2);
  EXPECT_EQ(engine->state_active_(), active);
  rb().ButtonClick("FILE", 4);
  EXPECT_EQ(engine->state_active_(), active);
  EXPECT_TRUE(take_dialog_requests_().empty());
}

TEST_F(ribbon_buttons, every_press_ends_the_pending_block_and_checks_the_side_panel_buttons) {
  const char* const edits[] = {"EDIT1_SHOW", "EDIT2_SHOW", "EDIT3_SHOW", "EDIT4_SHOW", "EDIT5_SHOW"};
  auto checked = [&](const char* k) { return rb().buttonchecked_(k) == true_; };
  for (const char* k : edits) rb().buttonchecked_(k, false);
  rb().buttonchecked_("BLOCK_SHOW", false);
  // The command entry's refresh call keeps a block chosen in the blocks list.
  mdi->block_to_insert_ = 3;
  mdi->side_panel_mode_ = 2;
  mdi->xribbon_ButtonClick("", 0);
  EXPECT_EQ(mdi->block_to_insert_, 3);
  for (const char* k : edits) EXPECT_TRUE(checked(k)) << k;
  EXPECT_FALSE(checked("BLOCK_SHOW"));
  // Any press, even of a key without a row, cancels it.
  mdi->side_panel_mode_ = 1;
  rb().ButtonClick("PRINTING.PAGESIZE", 0);
  EXPECT_EQ(mdi->block_to_insert_, 0);
  EXPECT_TRUE(checked("BLOCK_SHOW"));
  for (const char* k : edits) rb().buttonchecked_(k, false);
  rb().buttonchecked_("BLOCK_SHOW", false);
  mdi->side_panel_mode_ = 0;
  rb().ButtonClick("NO_SUCH_KEY", 0);
  for (const char* k : edits) EXPECT_FALSE(checked(k)) << k;
  EXPECT_FALSE(checked("BLOCK_SHOW"));
}

TEST_F(ribbon_buttons, ribbon_keys_reach_tabs_and_buttons_of_the_main_window) {
  line(0, 0, 10, 0);
  line(0, 5, 10, 5);
  engine->select_box_(-1, -1, 11, 1);
  ASSERT_EQ(engine->select_info_(), 1);
  std::vector<std::string> pressed;
  auto own = rb().ButtonClick;
  rb().ButtonClick = [&](const std::string& k, int16_t i) {
    pressed.push_back(k);
    own(k, i);
  };
  mdi->block_to_insert_ = 2;
  rb().tab_id_(1);
  ASSERT_EQ(rb().tabid2key_(rb().tab_id_()), "STD");
  // Ctrl+K: ARRANGE's "to back" while STD is active, one step of its own.
  const int32_t steps = engine->state_active_();
  mdi->common_keydown_(int16_t('K'), 2);
  EXPECT_EQ(pressed, std::vector<std::string>{"ARR_BACK"});
  EXPECT_EQ(mdi->block_to_insert_, 0);
  EXPECT_EQ(engine->state_active_(), steps + 1);
  EXPECT_EQ(engine->state_item_(engine->state_active_() - 1), lang_text_("change.arrange.2back"));
  mdi->common_keydown_(119, 0);  // F8
  EXPECT_EQ(rb().tabid2key_(rb().tab_id_()), "VIEW");
  // Delete removes the selection, and only it.
  mdi->common_keydown_(46, 0);
  EXPECT_EQ(pressed, (std::vector<std::string>{"ARR_BACK", "DELETE"}));
  EXPECT_EQ(engine->select_info_(), 0);
  engine->select_all_();
  EXPECT_EQ(engine->select_info_(), 1);
}
