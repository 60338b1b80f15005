// Tool-window visibility (hiding floats a docked window) and the cursor over floating windows
// and open menus.
#include "docktb_fixture.h"

namespace {

using docktb_queries = docktb_host;

int32_t bar(xdocktb_& tb, dock_area_code_ a, int32_t r, int32_t x = -1, int32_t y = -1) {
  const int32_t t = tb.add_toolbar_("bar", a, r, x, y);
  std::string k = "K" + std::to_string(t), text = "x";
  int32_t icon = 2;
  tb.add_button_(t, k, text, 1, &icon);
  return t;
}

TEST_F(docktb_queries, hiding_the_only_window_of_the_second_top_row_removes_the_row) {
  dock_all();
  bar(*tb_, dock_top_, 1);
  bar(*tb_, dock_top_, 1);
  const int32_t t = bar(*tb_, dock_top_, 2);
  tb_->show_toolbar_all_();
  tb_->update_(true, true);
  stretch();
  ASSERT_EQ(tb_->rows.count[dock_top_], 2);
  ASSERT_EQ(area_[1]->client_height_(), 56);
  ASSERT_EQ(tb_->tbvisible_(t), true_);
  tb_->seed_random_(7);
  tb_->tbvisible_(t, false_);
  EXPECT_EQ(resize_docks_, 1);
  EXPECT_EQ(tb_->tbvisible_(t), false_);
  EXPECT_EQ(tb_->rows.count[dock_top_], 1);
  EXPECT_EQ(area_[1]->client_height_(), 28);
  EXPECT_EQ(tb_->toolbars[size_t(t)].dock, 0);
  EXPECT_EQ(rec(t).dock, 0);
  EXPECT_EQ(rec(t).row, 0);
  // Shown again it floats where the hiding put it, 100 to 200 pixels from the screen's corner.
  tb_->tbvisible_(t, true_);
  window_* w = tb_->tool_window_(t);
  EXPECT_TRUE(w->visible_());
  EXPECT_EQ(w->parent_(), nullptr);
  EXPECT_EQ(w->owner_(), main_.get());
  const pixel_rect_ r = w->window_rect_();
  EXPECT_GE(r.left, 100);
  EXPECT_LE(r.left, 200);
  EXPECT_GE(r.top, 100);
  EXPECT_LE(r.top, 200);
  EXPECT_EQ(r, (pixel_rect_{rec(t).x, rec(t).y, rec(t).x + 31, rec(t).y + 48}));  // floating size
  EXPECT_EQ(resize_docks_, 1);
}

TEST_F(docktb_queries, the_random_place_follows_its_seed) {
  dock_all();
  const int32_t t = bar(*tb_, dock_top_, 1);
  const int32_t u = bar(*tb_, dock_top_, 1);
  tb_->show_toolbar_all_();
  tb_->seed_random_(42);
  tb_->tbvisible_(t, false_);
  tb_->seed_random_(42);
  tb_->tbvisible_(u, false_);
  EXPECT_EQ(rec(t).x, rec(u).x);
  EXPECT_EQ(rec(t).y, rec(u).y);
}

TEST_F(docktb_queries, a_tool_window_never_shown_stays_hidden) {
  dock_all();
  const int32_t t = bar(*tb_, dock_top_, 1);
  EXPECT_EQ(tb_->tbvisible_(t), 0);
  tb_->tbvisible_(t, true_);
  EXPECT_EQ(tb_->tbvisible_(t), 0);
  EXPECT_EQ(tb_->tbvisible_(0), 0);
  EXPECT_EQ(tb_->tbvisible_(65), 0);
  EXPECT_EQ(resize_docks_, 0);
}

TEST_F(docktb_queries, cursortb_over_floating_windows_and_open_menus_only) {
  dock_all();
  const int32_t docked = bar(*tb_, dock_top_, 1);
  const int32_t floating = bar(*tb_, dock_floating_, 1, 400, 300);
  tb_->show_toolbar_all_();
  tb_->update_(true, true);
  stretch();
  const pixel_rect_ d = tb_->tool_window_(docked)->window_rect_();
  inject_mouse_(mouse_type_::move, d.left + 5, d.top + 5);
  EXPECT_EQ(tb_->cursortb_(), 0);
  inject_mouse_(mouse_type_::move, 400, 300);
  EXPECT_EQ(tb_->cursortb_(), true_);
  inject_mouse_(mouse_type_::move, 400 + 31 + 1, 300);  // the window is 31 wide
  EXPECT_EQ(tb_->cursortb_(), 0);
  tb_->tbvisible_(floating, false_);
  inject_mouse_(mouse_type_::move, rec(floating).x, rec(floating).y);
  EXPECT_EQ(tb_->cursortb_(), 0);  // hidden
  window_options_ o;
  o.kind = window_kind_::popup;
  o.parent = main_.get();
  o.x = 600;
  o.y = 500;
  o.width = 95;
  o.height = 19;
  tb_->menu1_ = create_window_(o);
  inject_mouse_(mouse_type_::move, 650, 510);
  EXPECT_EQ(tb_->cursortb_(), 0);  // not open yet
  tb_->menu1_->show_no_activate_();
  EXPECT_EQ(tb_->cursortb_(), true_);
}

}  // namespace
