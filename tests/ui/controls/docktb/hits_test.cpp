// Hit tests: slots, the parts of split buttons, the end button, the caret in a text box; and
// the timer's sweep of hot buttons the cursor has left.
#include "docktb_screen_fixture.h"

namespace {

using docktb_hits = docktb_screen;

TEST_F(docktb_hits, the_79_pixel_toolbar_slots_gap_and_end_button) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("two", dock_top_);
  icon_button(t, "a");
  icon_button(t, "b", true);
  show_all();
  ASSERT_EQ(rec(t).cx, 79);
  struct row {
    int32_t x, toolbar, slot;
  };
  const row rows[] = {{12, t, 1}, {36, t, 1}, {37, 0, 0}, {41, t, 2}, {65, t, 2}, {66, 0, 0}, {67, -t, -t},
                      {70, -t, -t}, {79, -t, -t}, {80, 0, 0}};
  for (const row& r : rows) {
    const dock_hit_rec_ h = tb_->hit_test_toolbar_(t, r.x, 10, false_);
    EXPECT_EQ(h.toolbar, r.toolbar) << r.x;
    EXPECT_EQ(h.slot, r.slot) << r.x;
    EXPECT_EQ(h.part, 0) << r.x;
  }
  const dock_hit_rec_ h = tb_->hit_test_toolbar_(t, 50, 10, false_);
  EXPECT_EQ(h.x, 41);
  EXPECT_EQ(h.y, 1);
  EXPECT_EQ(h.width, 24);
  EXPECT_EQ(h.height, 24);
  // Floating, the end button is gone.
  EXPECT_EQ(tb_->hit_test_toolbar_(0, 70, 10, false_).toolbar, 0);
}

TEST_F(docktb_hits, split_and_drop_down_parts) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("parts", dock_top_);
  plain(t, "split", dock_btn_split_);
  plain(t, "drop", dock_btn_dropdown_);
  show_all();
  for (int32_t i : {1, 2}) {
    const auto& s = tb_->toolbars[size_t(t)].slots[size_t(i)];
    ASSERT_EQ(s.width, 36);
    EXPECT_EQ(tb_->hit_test_toolbar_(t, s.x + s.width, 5, false_).part, 2) << i;
    EXPECT_EQ(tb_->hit_test_toolbar_(t, s.x + s.width - 11, 5, false_).part, 2) << i;
    EXPECT_EQ(tb_->hit_test_toolbar_(t, s.x + s.width - 12, 5, false_).part, 1) << i;
    EXPECT_EQ(tb_->hit_test_toolbar_(t, s.x, 5, false_).part, 1) << i;
  }
}

TEST_F(docktb_hits, caret_index_in_a_three_character_box) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("box", dock_top_);
  plain(t, "box", dock_btn_textbox_, false, "abc");
  const int32_t v = tb_->add_toolbar_("vbox", dock_left_);
  plain(v, "box", dock_btn_textbox_, false, "abc");
  show_all();
  const auto& s = tb_->toolbars[size_t(t)].slots[1];
  const auto& sv = tb_->toolbars[size_t(v)].slots[1];
  // Characters are 7 pixels wide: an offset on a character's right edge goes after it.
  const int32_t cases[][2] = {{0, 0}, {6, 0}, {7, 1}, {13, 1}, {14, 2}, {20, 2}, {21, 3}, {90, 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(tb_->hit_test_toolbar_(t, s.x + c[0], s.y + 3, true_).caret, c[1]) << c[0];
    EXPECT_EQ(tb_->hit_test_toolbar_(v, sv.x + 3, sv.y + c[0], true_).caret, c[1]) << "vertical " << c[0];
  }
  EXPECT_EQ(tb_->hit_test_toolbar_(t, s.x + 7, s.y + 3, false_).caret, 0);  // not asked for
}

TEST_F(docktb_hits, the_sweep_clears_a_hot_button_the_cursor_has_left) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  plain(t, "a");
  plain(t, "b");
  show_all();
  activate_main();
  move(tw(t), 20, 10);
  EXPECT_EQ(tb_->hover_hit.toolbar, t);
  EXPECT_EQ(tb_->hover_hit.slot, 1);
  EXPECT_EQ(tb_->toolbars[size_t(t)].cursor_inside, true_);
  const uint32_t hot = colour_of(dock_button_sprites_[1].part[6]);
  EXPECT_EQ(pixel(t, 24, 12), hot);
  // Still inside: nothing changes.
  tb_->timer_tick_();
  EXPECT_EQ(tb_->hover_hit.slot, 1);
  inject_mouse_(mouse_type_::move, main_x + 400, main_y + 300);
  tb_->timer_tick_();
  EXPECT_EQ(tb_->hover_hit.toolbar, 0);
  EXPECT_EQ(tb_->hover_hit.slot, 0);
  EXPECT_EQ(tb_->toolbars[size_t(t)].cursor_inside, false_);
  EXPECT_NE(pixel(t, 24, 12), hot);
}

}  // namespace
