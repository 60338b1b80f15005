// The ribbon's page and undo lists, the popup menus and the keys left to the main window.
#include "mdi_fixture.h"
#include "platform/input/key_codes.h"
#include "platform/window/inject.h"
#include "shell/focus_state.h"
#include "shell/key_dispatch.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/statusbar/statusbar.h"

namespace {
// The keys and texts of the popup rows that a control shows, in order.
std::vector<std::string> rows(xribbon_& r, const char* control, bool texts = false) {
  std::vector<std::string> out;
  const int32_t id = r.btnkey2id_(control);
  for (int32_t i = 1; i <= r.popup_count; ++i)
    if (r.popup[size_t(i)].owner_id == id) out.push_back(texts ? r.popup[size_t(i)].text : r.popup[size_t(i)].key);
  return out;
}
void add_numbered_states(zaz_class_& e, int n) {
  for (int i = 0; i < n; ++i) {
    e.state_begin_();
    e.add_line_(0, float(i), 10, float(i));
    e.state_save_("step " + std::to_string(i + 1));
  }
}
}  // namespace

TEST_F(mdi_fixture, page_items_show_number_and_title_or_the_numbered_no_title_text) {
  open("0");
  engine->page_title_(1, "");
  engine->page_add_("Plan", 210, 297);
  engine->page_add_("  ", 210, 297);
  ASSERT_EQ(engine->pages_count_(), 3);
  engine->page_active_(2);
  mdi->ref_pages_();
  xribbon_& r = mdi->ribbon()->model();
  EXPECT_EQ(rows(r, "PAGE_SEL"), (std::vector<std::string>{"PAGE_1", "PAGE_2", "PAGE_3"}));
  EXPECT_EQ(rows(r, "PAGE_SEL", true), (std::vector<std::string>{lang_text_("common.page.nr", "1"), "2 - Plan",
                                                                   lang_text_("common.page.nr", "3")}));
  EXPECT_EQ(r.buttontext_("PAGE_SEL"), "2 - Plan");
  EXPECT_EQ(list_item_text_(3, "", "common.page.nr").find('%'), std::string::npos);
}

TEST_F(mdi_fixture, snap_tracking_shows_off_after_the_page_list_is_refilled) {
  open("0");
  engine->view_snap2track_(true_);
  engine->view_snap2grid_(true_);
  mdi->ref_pages_();
  EXPECT_EQ(mdi->statusbar().button_checked_("SNAP_TRCK_"), false_);
  EXPECT_EQ(mdi->statusbar().button_checked_("SNAP_GRID_"), true_);
}

TEST_F(mdi_fixture, undo_list_holds_at_most_ten_of_each_and_nothing_to_redo_when_empty) {
  open("0");
  xribbon_& r = mdi->ribbon()->model();
  mdi->ref_states_();
  EXPECT_TRUE(rows(r, "UNDO").empty());
  add_numbered_states(*engine, 12);
  for (int i = 0; i < 4; ++i) engine->state_undo_(1);
  mdi->ref_states_();
  std::vector<std::string> want;
  for (int n = 1; n <= 8; ++n) want.push_back("UNDO." + std::to_string(n));
  for (int n = 1; n <= 4; ++n) want.push_back("REDO." + std::to_string(n));
  EXPECT_EQ(rows(r, "UNDO"), want);
  const std::vector<std::string> texts = rows(r, "UNDO", true);
  EXPECT_EQ(texts.front(), "1. step 8");
  EXPECT_EQ(texts[8], "1. step 9");
  add_numbered_states(*engine, 20);
  mdi->ref_states_();
  EXPECT_EQ(rows(r, "UNDO").size(), 10u);
  EXPECT_EQ(rows(r, "UNDO", true).front(), "1. step 20");
}

TEST_F(mdi_fixture, ctrl_y_redoes_with_the_ribbon_only_and_a_key_during_a_busy_one_is_dropped) {
  for (const char* type : {"0", "1"}) {
    SCOPED_TRACE(type);
    open(type);
    add_numbered_states(*engine, 2);
    engine->state_undo_(1);
    const int32_t active = engine->state_active_();
    mdi->key_busy_ = true_;
    mdi->common_keydown_('Y', 2);
    EXPECT_EQ(engine->state_active_(), active);
    mdi->key_busy_ = false_;
    mdi->common_keydown_('Y', 2);
    EXPECT_EQ(engine->state_active_(), std::string(type) == "0" ? active + 1 : active);
    mdi->common_keydown_('Z', 2);
    EXPECT_EQ(engine->state_active_(), active);
    mdi->common_keydown_('Z', 3);  // Ctrl+Shift+Z is neither
    EXPECT_EQ(engine->state_active_(), active);
    close();
  }
}

TEST_F(mdi_fixture, popup_menus_and_status_toggles_in_their_order) {
  open("0");
  xribbon_& r = mdi->ribbon()->model();
  std::vector<std::string> view, blocks;
  for (int32_t i = 1; i <= r.popup_count; ++i) {
    if (r.popup[size_t(i)].owner_id == -1) view.push_back(r.popup[size_t(i)].key);
    if (r.popup[size_t(i)].owner_id == -2) blocks.push_back(r.popup[size_t(i)].key);
  }
  EXPECT_EQ(view, (std::vector<std::string>{"POPUP.CANCEL", "-", "POPUP.END", "POPUP.OK"}));
  EXPECT_EQ(blocks, (std::vector<std::string>{"BLOCK.INSERT", "BLOCK.RENAME", "-", "BLOCK.DELETE"}));
  std::vector<std::string> toggles;
  for (const status_button_rec_& b : mdi->statusbar().state_().buttons) {
    toggles.push_back(b.key);
    EXPECT_GE(b.icon, 2) << b.key;
    EXPECT_EQ(b.title.find('%'), std::string::npos) << b.title;
  }
  EXPECT_EQ(toggles, (std::vector<std::string>{"SNAP_AN45_", "SNAP_TRCK_", "SNAP_2POI_", "SNAP_GRID_", "GRID_VISIBLE_"}));
}

TEST_F(mdi_fixture, esc_drops_the_figure_in_progress_and_keeps_the_selection_in_both_interfaces) {
  for (const char* type : {"0", "1"}) {
    SCOPED_TRACE(type);
    open(type);
    const int32_t r = engine->add_line_(0, 0, 10, 0);
    engine->select_record_(r, true_);
    ASSERT_TRUE(mdi->gocmd_("line"));
    mdi->ds_tn_(1);
    install_keyboard_hook_();
    for (int i = 0; i < 100 && focused_window_() != &mdi->client(); ++i) {
      mdi->form().activate_();
      mdi->client().set_focus_();
      do_events_();
    }
    focus_state_code_ = focus_view_;
    inject_key_(key_type_::down, key_escape_, 0, 27);
    inject_key_(key_type_::up, key_escape_, 0, 27);
    remove_keyboard_hook_();
    EXPECT_EQ(mdi->ds_tn_(), 0);
    EXPECT_EQ(mdi->tool_name_(), "LINE");
    EXPECT_EQ(engine->select_record_(r), true_);
    // Tab moves no focus: the drawing view is the one place that takes it.
    install_keyboard_hook_();
    inject_key_(key_type_::down, key_tab_, 0, 9);
    inject_key_(key_type_::up, key_tab_, 0, 9);
    remove_keyboard_hook_();
    EXPECT_EQ(focused_window_(), &mdi->client());
    close();
  }
}
