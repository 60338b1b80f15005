// The page manager driven as a user drives it: moves and clicks on the list, typed text and
// focus changes in the panel, the buttons, with scripted message boxes over a real engine.
#include "dialogs/pages/ex_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "../manager_fixture.h"
#include "platform/input/key_codes.h"
#include "platform/services/printer.h"

// Fontconfig keeps the interface font's registration until exit, as every GUI test program here.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

// Three pages of one layer each, the first active.
class ex_pages_test : public manager_fixture_ {
 protected:
  void SetUp() override {
    manager_fixture_::SetUp();
    eng.file_new_(false_, "");
    for (const char* t : {"Ground", "First", "Roof"}) {
      eng.page_add_(t, 297, 210);
      eng.layer_add_("L", true_, true_, -1, -2, 0, 0);
    }
    eng.page_active_(1);
  }
  std::unique_ptr<ex_pages_> open() { return open_<ex_pages_>(); }
  // A click on the list at a point of its visible rows.
  static void click(ex_pages_& d, int32_t x, int32_t y) { manager_fixture_::click(d.pages_list(), x, y); }
  static void type_and_leave(ex_pages_& d, xctextbox_& box, const std::string& text) {
    manager_fixture_::type_and_leave(box, text, *d.text_title_);
  }
};

TEST_F(ex_pages_test, first_click_activates_second_renames_trimmed) {
  auto d = open();
  click(*d, 30, 23 + 8);  // page 2's row
  EXPECT_EQ(eng.page_active_(), 2);
  EXPECT_EQ(d->text_title_->text(), "First");
  EXPECT_GE(refs, 1);
  EXPECT_FALSE(d->edit_->win_()->visible_());

  click(*d, 30, 23 + 8);
  ASSERT_TRUE(d->edit_->win_()->visible_());
  EXPECT_EQ(d->edit_->text(), "First");
  d->edit_->text("  Plan  ");
  inject_key_(key_type_::character, key_return_, 0, '\r');
  do_events_();
  EXPECT_EQ(eng.page_title_(2), "Plan");
  EXPECT_EQ(d->text_title_->text(), "Plan");
  EXPECT_FALSE(d->edit_->win_()->visible_());
}

TEST_F(ex_pages_test, hover_rule_leaves_the_gap_and_the_far_right_free) {
  auto d = open();
  struct { int32_t x; int32_t hot; } cases[] = {{5, 1}, {19, 1}, {20, 0}, {21, 1}, {280, 0}};
  for (auto c : cases) {
    inject_mouse_at_(d->pages_list(), mouse_type_::move, c.x, 10);
    do_events_();
    EXPECT_EQ(d->hot_row_, c.hot) << "x " << c.x;
  }
}

TEST_F(ex_pages_test, sheet_counts_round_to_even) {
  auto d = open();
  struct { const char* text; int32_t sheets; } cases[] = {{"1.5", 2}, {"4.5", 4}, {"3", 3}};
  for (auto c : cases) {
    type_and_leave(*d, *d->p_cx_, c.text);
    EXPECT_EQ(eng.page_cx_(1), c.sheets) << c.text;
  }
  EXPECT_TRUE(take_dialog_requests_().empty());
}

TEST_F(ex_pages_test, bad_numbers_are_refused_with_a_message_naming_the_field) {
  auto d = open();
  struct { xctextbox_* box; const char* text; } cases[] = {
      {d->pwidth_.get(), "-1"}, {d->pwidth_.get(), "abc"}, {d->pheight_.get(), "0"},
      {d->p_cx_.get(), "1000"}, {d->p_cy_.get(), "0"}};
  for (auto c : cases) {
    type_and_leave(*d, *c.box, c.text);
    auto asked = take_dialog_requests_();
    ASSERT_EQ(asked.size(), 1u) << c.text;
    EXPECT_EQ(asked[0].kind, dialog_kind_::message_box);
    EXPECT_NE(asked[0].text.find(" must be a number from "), std::string::npos) << asked[0].text;
    EXPECT_EQ(c.box->text(), c.text);  // the box keeps what was typed
  }
  EXPECT_EQ(eng.page_width_(1), 297.0f);
  EXPECT_EQ(eng.page_height_(1), 210.0f);
  EXPECT_EQ(eng.page_cx_(1), 1);
  EXPECT_EQ(eng.page_cy_(1), 1);
}

TEST_F(ex_pages_test, an_edit_keeps_codes_no_list_item_shows) {
  eng.page_unit_(1, 9);  // from a file: no item has it
  eng.page_scale_(1, 40);
  auto d = open();
  type_and_leave(*d, *d->pwidth_, "420");
  EXPECT_EQ(eng.page_width_(1), 420.0f);
  EXPECT_EQ(eng.page_unit_(1), 9);
  EXPECT_EQ(eng.page_scale_(1), 40);
  d->combo_scale_->ListIndex(11);  // a pick writes the scale alone
  d->combo_scale_->ItemClick(11);
  EXPECT_EQ(eng.page_scale_(1), 11);
  EXPECT_EQ(eng.page_unit_(1), 9);
}

TEST_F(ex_pages_test, swap_exchanges_width_and_height) {
  eng.page_width_(1, 420);
  eng.page_height_(1, 297);
  auto d = open();
  d->btn_pgvh_->Click();
  EXPECT_EQ(eng.page_width_(1), 297.0f);
  EXPECT_EQ(eng.page_height_(1), 420.0f);
  EXPECT_EQ(eng.page_cx_(1), 1);
}

TEST_F(ex_pages_test, add_makes_one_undo_step_of_page_and_layer) {
  eng.file_new_(false_, "");
  for (int i = 0; i < 2; ++i) {
    eng.page_add_("P", 297, 210);
    eng.layer_add_("L", true_, true_, -1, -2, 0, 0);
  }
  auto d = open();
  d->page_addnew_->Click();
  ASSERT_EQ(eng.pages_count_(), 3);
  EXPECT_EQ(eng.page_active_(), 3);
  EXPECT_EQ(eng.layers_count_(), 1);
  EXPECT_EQ(eng.layer_title_(1), lang_text_("common.layer.new"));
  EXPECT_EQ(eng.layer_atr_width_(1), 1);
  EXPECT_EQ(d->selected_page_, 3);
  eng.state_undo_(1);
  EXPECT_EQ(eng.pages_count_(), 2);
}

TEST_F(ex_pages_test, add_beyond_the_page_limit_refuses_with_a_message) {
  while (eng.pages_count_() < 255) eng.page_add_("P", 10, 10);
  auto d = open();
  d->page_addnew_->Click();
  EXPECT_EQ(eng.pages_count_(), 255);
  auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].style, box_ok_ + box_icon_info_);
  EXPECT_EQ(asked[0].text, lang_text_("message.toomanypages", "255"));
}

TEST_F(ex_pages_test, delete_asks_and_removes_the_active_page_in_one_step) {
  auto d = open();
  eng.page_active_(3);
  reply(answer_no_);
  d->page_delete__Click();
  EXPECT_EQ(eng.pages_count_(), 3);
  reply(answer_yes_);
  d->page_delete__Click();
  auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].text, lang_text_("message.removepagequestion", "Roof"));
  EXPECT_EQ(asked[1].style, box_yes_no_);
  EXPECT_EQ(eng.pages_count_(), 2);
  EXPECT_EQ(eng.page_active_(), 2);
  eng.state_undo_(1);
  EXPECT_EQ(eng.pages_count_(), 3);
}

TEST_F(ex_pages_test, size_from_the_printer) {
  printer_ pr;
  ASSERT_GT(pr.paper_width_mm_(), 0);
  auto d = open();
  d->get_printer__Click();
  // The boxes show two decimals, and the page takes what they show.
  EXPECT_NEAR(eng.page_width_(1), pr.paper_width_mm_(), 0.006);
  EXPECT_NEAR(eng.page_height_(1), pr.paper_height_mm_(), 0.006);
}

TEST_F(ex_pages_test, the_scroll_bar_follows_the_rows) {
  auto d = open();
  EXPECT_EQ(d->vsc_->Enabled(), false_);
  EXPECT_EQ(d->vsc_->scrollmax_(), 0);
  while (eng.pages_count_() < 30) eng.page_add_("P", 10, 10);
  d->paint_page_list_();
  const int32_t visible = d->pages_list().client_height_();
  EXPECT_EQ(d->vsc_->Enabled(), true_);
  EXPECT_EQ(d->vsc_->scrollmax_(), 30 * 23 - visible);
  // Scrolled by two rows, a move over the top row hovers page 3.
  d->vsc_->scrollcurrent_(46);
  d->vsc_->Scroll();
  inject_mouse_at_(d->pages_list(), mouse_type_::move, 30, 5);
  do_events_();
  EXPECT_EQ(d->hot_row_, 3);
}

TEST_F(ex_pages_test, the_layer_manager_opens_below_and_right_of_the_page_manager) {
  auto d = open();
  d->form().move_to_(200, 150);
  do_events_();
  const pixel_rect_ mine = d->form().window_rect_();
  bool seen = false;
  post_task_([&] {
    window_* w = window_at_(mine.left + 25 + 30, mine.top + 45 + 10);
    while (w && w->parent_()) w = w->parent_();
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w, &d->form());
    seen = true;
    EXPECT_EQ(w->window_rect_().left, mine.left + 25);
    EXPECT_EQ(w->window_rect_().top, mine.top + 45);
    EXPECT_TRUE(w->is_modal_());
    w->close_();
  });
  d->page_layers_->Click();
  EXPECT_TRUE(seen);
}

TEST_F(ex_pages_test, shown_modally_and_closed_by_its_button) {
  ex_pages_ d(eng, host);
  bool ran = false;
  d.show_modal_([&] {
    ran = true;
    EXPECT_TRUE(d.form().is_modal_());
    EXPECT_EQ(d.form().title_(), lang_text_("window.pages.title"));
    d.close_btn_->Click();
  });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(d.form().visible_());
}

}  // namespace
