// Drop-downs, sub-menus and end-button menus: size, place, rows picked by the cursor's height,
// owner-drawn rows, the end-button list toggling slots, and the check marks.
#include "docktb_screen_fixture.h"
#include "platform/services/screen.h"

namespace {

class docktb_menus : public docktb_screen {
 protected:
  // One drop-down button (slot 1) in a tool window of the given area.
  int32_t drop_bar(dock_area_code_ a, int32_t x = -1, int32_t y = -1, int32_t cwidth = 0) {
    const int32_t t = tb_->add_toolbar_("menu", a, 1, x, y);
    std::string k = "drop" + std::to_string(t), s = "Drop";
    int32_t icon = 0;
    bid_ = tb_->add_button_(t, k, s, dock_btn_dropdown_, &icon, false, "", false, false, 100, cwidth);
    return t;
  }
  pixel_rect_ menu_rect(int which) { return (which == 1 ? tb_->menu1_ : tb_->menu2_)->window_rect_(); }
  bool shown(int which) { return tb_->menu_shown_(which); }
  // Moves onto a row of the drop-down (twice, so that a sub-menu follows the highlight).
  void hover_row(int32_t x, int32_t y) {
    move(*tb_->menu1_, x, y);
    move(*tb_->menu1_, x, y);
  }
  int32_t bid_ = 0;
};

TEST_F(docktb_menus, an_empty_drop_down_is_90_by_14_and_cwidth_fixes_the_width) {
  dock_all();
  const int32_t t = drop_bar(dock_top_);
  const int32_t u = drop_bar(dock_top_, -1, -1, 150);
  tb_->add_menu_(bid_, "long", std::string(40, 'x'), "Ctrl+L");
  show_all();
  activate_main();
  click(tw(t), 20, 10);
  ASSERT_TRUE(shown(1));
  EXPECT_EQ(tb_->menu_width, 90);
  EXPECT_EQ(tb_->menu_height, 14);
  const pixel_rect_ r = menu_rect(1);
  EXPECT_EQ(r, (pixel_rect_{main_x + 12, main_y + 25, main_x + 12 + 95, main_y + 25 + 19}));
  EXPECT_EQ(tb_->menu1_->owner_(), main_.get());
  EXPECT_EQ(tb_->menu_tb, t);
  EXPECT_EQ(tb_->menu_slot, 1);
  // The same press closes it again.
  click(tw(t), 20, 10);
  EXPECT_FALSE(shown(1));
  click(tw(u), 20, 10);
  ASSERT_TRUE(shown(1));
  EXPECT_EQ(tb_->menu_width, 150);
  EXPECT_EQ(tb_->menu_height, 23 + 4);
  EXPECT_EQ(menu_rect(1).width_(), 155);
}

TEST_F(docktb_menus, items_set_the_width_text_and_shortcut_together) {
  dock_all();
  const int32_t t = drop_bar(dock_top_);
  tb_->add_menu_(bid_, "open", "Open", "Ctrl+O");  // 10 characters of 7 pixels
  tb_->add_menu_(bid_, "sep", "-");
  tb_->add_menu_(bid_, "x", "X");
  show_all();
  tb_->open_dropdown_(t, 1);
  EXPECT_EQ(tb_->menu_width, 70 + 80);
  EXPECT_EQ(tb_->menu_height, 23 + 3 + 23 + 4);
}

TEST_F(docktb_menus, placed_by_area_and_never_moved_back_from_a_screen_edge) {
  dock_all();
  const int32_t sw = screen_width_px_();
  const int32_t top = drop_bar(dock_top_), bottom = drop_bar(dock_bottom_), left = drop_bar(dock_left_),
                right = drop_bar(dock_right_), floating = drop_bar(dock_floating_, sw - 30, 200);
  show_all();
  const int32_t mw = 95, mh = 19;
  struct row {
    int32_t t;
    const char* name;
  };
  for (const row& r : {row{top, "top"}, {bottom, "bottom"}, {left, "left"}, {right, "right"}, {floating, "floating"}}) {
    tb_->open_dropdown_(r.t, 1);
    ASSERT_TRUE(shown(1)) << r.name;
    const pixel_rect_ w = tw(r.t).window_rect_();
    const auto& s = tb_->toolbars[size_t(r.t)].slots[1];
    const int32_t x1 = w.left + s.x, y1 = w.top + s.y, x2 = x1 + s.width, y2 = y1 + s.height;
    pixel_point_ want{x1, y2};
    if (r.t == bottom) want = {x1, y1 - 14 + 1};
    if (r.t == left) want = {x2, y1};
    if (r.t == right) want = {x1 - 90 + 1, y1};
    EXPECT_EQ(menu_rect(1), (pixel_rect_{want.x, want.y, want.x + mw, want.y + mh})) << r.name;
  }
  EXPECT_GT(menu_rect(1).right, sw);  // the floating one runs off the screen
}

TEST_F(docktb_menus, the_end_button_menu_comes_back_from_the_screen_edges) {
  dock_all();
  const int32_t sw = screen_width_px_(), sh = screen_height_px_();
  const int32_t t = tb_->add_toolbar_("edge", dock_floating_, 1, sw - 40, sh - 30);
  plain(t, "a");
  const int32_t u = tb_->add_toolbar_("inside", dock_floating_, 1, 300, 300);
  plain(u, "b");
  show_all();
  tb_->open_endbtn_menu_(u);
  const pixel_rect_ ru = tw(u).window_rect_();
  EXPECT_EQ(menu_rect(1).left, ru.right - 12);
  EXPECT_EQ(menu_rect(1).top, ru.bottom);
  tb_->open_endbtn_menu_(t);
  const pixel_rect_ r = tw(t).window_rect_();
  const int32_t w = tb_->menu_width, h = tb_->menu_height;
  EXPECT_EQ(menu_rect(1).left, r.right - 12 - w + 12);
  EXPECT_EQ(menu_rect(1).top, r.bottom - h + 12);
  EXPECT_EQ(tb_->menu_tb, -t);
}

TEST_F(docktb_menus, end_button_menus_open_at_the_end_button_of_each_area) {
  dock_all();
  dock_area_code_ areas[] = {dock_top_, dock_bottom_, dock_left_, dock_right_};
  int32_t bars[4];
  for (int n = 0; n < 4; ++n) {
    bars[n] = tb_->add_toolbar_("bar", areas[n]);
    plain(bars[n], "k" + std::to_string(n));
  }
  show_all();
  for (int n = 0; n < 4; ++n) {
    tb_->open_endbtn_menu_(bars[n]);
    ASSERT_TRUE(shown(1)) << n;
    const pixel_rect_ r = tw(bars[n]).window_rect_();
    const int32_t w = tb_->menu_width, h = tb_->menu_height;
    pixel_point_ want{r.right - 12, r.bottom};
    if (areas[n] == dock_bottom_) want = {r.right - 12, r.top - h + 1};
    if (areas[n] == dock_left_) want = {r.right, r.bottom - 12};
    if (areas[n] == dock_right_) want = {r.left - w + 1, r.bottom - 12};
    // The host reaches past the offscreen screen's right edge: a list there comes back.
    if (want.x + w >= screen_width_px_()) want.x -= w - 12;
    if (want.y + h >= screen_height_px_()) want.y -= h - 12;
    EXPECT_EQ(menu_rect(1).left, want.x) << n;
    EXPECT_EQ(menu_rect(1).top, want.y) << n;
  }
}

TEST_F(docktb_menus, rows_are_picked_by_height_alone) {
  dock_all();
  const int32_t t = drop_bar(dock_top_);
  tb_->add_menu_(bid_, "one", "One");
  tb_->add_menu_(bid_, "sep", "-");
  tb_->add_menu_(bid_, "two", "Two");
  show_all();
  activate_main();
  struct row {
    int32_t x, y;
    std::string want;  // empty: no event
  };
  // Rows: One 2..25, the separator 25..28, Two 28..51.
  const row rows[] = {{10, 10, "pick 1 1 1 ONE"}, {10, 30, "pick 1 1 1 TWO"}, {10, 26, ""},
                      {10, 53, ""},  // below the last row
                      {0, 0, ""}};   // the frame
  for (const row& r : rows) {
    click(tw(t), 20, 10);
    ASSERT_TRUE(shown(1));
    log.clear();
    hover_row(r.x, r.y);
    down(*tb_->menu1_, r.x, r.y);
    EXPECT_FALSE(shown(1)) << r.y;
    EXPECT_EQ(tb_->menu_open, 0);
    if (r.want.empty())
      EXPECT_TRUE(log.empty()) << r.y;
    else
      EXPECT_EQ(log, std::vector<std::string>{r.want + " " + std::to_string(r.x - 2) + " " +
                                              std::to_string(r.y - (r.y < 25 ? 2 : 28))})
          << r.y;
  }
  // In the shadow band beside a row, the row's height still picks it.
  click(tw(t), 20, 10);
  const int32_t bx = tb_->menu_width + 2;
  log.clear();
  hover_row(bx, 30);
  down(*tb_->menu1_, bx, 30);
  EXPECT_EQ(log, std::vector<std::string>{"pick 1 1 1 TWO " + std::to_string(bx - 2) + " 2"});
}

TEST_F(docktb_menus, owner_drawn_rows_report_where_and_stay_open) {
  dock_all();
  const int32_t t = drop_bar(dock_top_);
  tb_->add_menu_(bid_, "swatch", "", "", false, 0, false, true, true, true, 7);
  show_all();
  activate_main();
  std::vector<std::string> drawn;
  tb_->ItmDraw = [&](int32_t b, const std::string& k, const std::string& item, int32_t value, const std::string&,
                     dc_*, int32_t x, int32_t y, int32_t w, int32_t h, int32_t m) {
    drawn.push_back(std::to_string(b) + " " + k + " " + item + " " + std::to_string(value) + " " +
                    std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(w) + " " + std::to_string(h) +
                    " " + std::to_string(m));
  };
  click(tw(t), 20, 10);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), "1 DROP1 SWATCH 7 2 2 86 23 25");
  log.clear();
  hover_row(30, 12);
  down(*tb_->menu1_, 30, 12);
  EXPECT_EQ(log, std::vector<std::string>{"pick 1 1 1 SWATCH 28 10"});
  EXPECT_TRUE(shown(1));
  EXPECT_EQ(tb_->menu_open, true_);
}

TEST_F(docktb_menus, sub_menus_follow_the_row_and_open_left_in_the_right_area) {
  dock_all();
  const int32_t top = drop_bar(dock_top_);
  const int32_t top_bid = bid_;
  const int32_t right = drop_bar(dock_right_);
  for (int32_t b : {top_bid, bid_}) {
    tb_->add_menu_(b, "plain", "Plain");
    tb_->add_menu_(b, "more", "More");
    tb_->add_submenu_(b, 2, "sub1", "Sub one");
    tb_->add_submenu_(b, 2, "sep", "-");
    tb_->add_submenu_(b, 2, "sub2", "Sub two");
  }
  show_all();
  activate_main();
  for (int32_t t : {top, right}) {
    const auto& slot = tb_->toolbars[size_t(t)].slots[1];
    click(tw(t), slot.x + 5, slot.y + 5);
    ASSERT_TRUE(shown(1)) << t;
    hover_row(10, 30);
    ASSERT_TRUE(shown(2)) << t;
    const pixel_rect_ m1 = menu_rect(1), m2 = menu_rect(2);
    EXPECT_EQ(tb_->submenu_width, 50 + 80);  // "Sub one" is 49 pixels
    EXPECT_EQ(m2.width_(), 135);
    EXPECT_EQ(m2.top, m1.top + 25 - 2);
    EXPECT_EQ(m2.left, t == right ? m1.left - 130 + 2 : m1.right - 7) << t;
    // Back onto a row without sub-items: the sub-menu goes.
    hover_row(10, 10);
    EXPECT_FALSE(shown(2));
    hover_row(10, 30);
    ASSERT_TRUE(shown(2));
    // Pick the second sub-item (below the separator).
    log.clear();
    move(*tb_->menu2_, 10, 30);
    down(*tb_->menu2_, 10, 30);
    EXPECT_FALSE(shown(1));
    EXPECT_FALSE(shown(2));
    EXPECT_EQ(log, std::vector<std::string>{"pick " + std::to_string(t) + " 1 " +
                                            std::to_string(t == top ? top_bid : bid_) + " SUB2 0 0"});
  }
}

TEST_F(docktb_menus, a_press_beside_the_rows_with_a_sub_menu_shown_keeps_both_open) {
  dock_all();
  const int32_t t = drop_bar(dock_top_);
  tb_->add_menu_(bid_, "more", "More");
  tb_->add_submenu_(bid_, 1, "sub1", "Sub one");
  show_all();
  activate_main();
  click(tw(t), 20, 10);
  hover_row(10, 10);
  ASSERT_TRUE(shown(2));
  log.clear();
  move(*tb_->menu1_, 10, 28);  // below the last row
  down(*tb_->menu1_, 10, 28);
  EXPECT_TRUE(shown(1));
  EXPECT_TRUE(shown(2));
  // A press on the sub-menu's frame closes both without an event.
  move(*tb_->menu2_, 0, 0);
  down(*tb_->menu2_, 0, 0);
  EXPECT_FALSE(shown(1));
  EXPECT_FALSE(shown(2));
  EXPECT_TRUE(log.empty());
}

// A button already in the store gets no row of its own in a second tool window's end-button
// list; the rows after it must still toggle their own slots.
TEST_F(docktb_menus, end_button_rows_toggle_the_slot_of_their_own_button) {
  dock_all();
  const int32_t first = tb_->add_toolbar_("first", dock_top_);
  plain(first, "shared");
  const int32_t t = tb_->add_toolbar_("second", dock_top_);
  const int32_t x = plain(t, "x");
  plain(t, "shared");
  const int32_t y = plain(t, "y");
  show_all();
  activate_main();
  const auto& rows = tb_->button_(-t).items;
  ASSERT_EQ(rows.size(), 2u);  // X and Y
  tb_->btn_visible_(t, 3, false_);
  tb_->open_endbtn_menu_(t);
  tb_->endbtn_menu_tb = t;
  EXPECT_EQ(rows[0].value, x);
  EXPECT_EQ(rows[1].value, y);
  EXPECT_EQ(rows[0].check, true_);
  EXPECT_EQ(rows[1].check, false_);  // slot 3 (Y) is hidden; slot 2 is not
  hover_row(10, 30);
  down(*tb_->menu1_, 10, 30);
  EXPECT_FALSE(shown(1));
  EXPECT_EQ(tb_->btn_visible_(t, 3), true_);
  EXPECT_EQ(tb_->btn_visible_(t, 2), true_);
  EXPECT_EQ(tb_->endbtn_menu_tb, 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(docktb_menus, the_end_button_opens_its_list_and_a_pick_hides_the_slot) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  plain(t, "a");
  plain(t, "b");
  show_all();
  activate_main();
  const int32_t cx = rec(t).cx;
  click(tw(t), cx - 4, 10);
  ASSERT_TRUE(shown(1));
  EXPECT_EQ(tb_->endbtn_menu_tb, t);
  EXPECT_EQ(tb_->menu_tb, -t);
  // The end button shows pressed while its list is open.
  EXPECT_EQ(pixel(t, cx - 6, 2), colour_of(dock_end_button_sprites_[3]));
  hover_row(10, 10);
  down(*tb_->menu1_, 10, 10);
  EXPECT_EQ(tb_->btn_visible_(t, 1), false_);
  EXPECT_EQ(tb_->btn_visible_(t, 2), true_);
  EXPECT_EQ(rec(t).cx, 79 - 25 - 4);  // one 24-pixel slot less
}

TEST_F(docktb_menus, menu_check_reaches_items_and_sub_items_and_unckeck_all_does_not_repaint) {
  dock_all();
  const int32_t t = drop_bar(dock_top_);
  tb_->add_menu_(bid_, "grid", "Grid", "", true);
  tb_->add_menu_(bid_, "more", "More");
  tb_->add_submenu_(bid_, 2, "GRID ", "Grid too");
  tb_->add_submenu_(bid_, 2, "snap", "Snap");
  show_all();
  EXPECT_EQ(tb_->menu_check_(" grid"), true_);
  tb_->menu_check_("grid", false_);
  EXPECT_EQ(tb_->button_(bid_).items[0].check, false_);
  EXPECT_EQ(tb_->button_(bid_).items[1].subs[0].check, false_);
  tb_->menu_check_("Grid", true_);
  EXPECT_EQ(tb_->button_(bid_).items[1].subs[0].check, true_);
  tb_->menu_check_("snap", true_);
  EXPECT_EQ(tb_->menu_check_("snap"), true_);
  EXPECT_EQ(tb_->menu_check_("none"), 0);
  tb_->button_ckeck_(bid_, true_);
  tb_->open_dropdown_(t, 1);
  ASSERT_TRUE(shown(1));
  surface_ before = tb_->menu1_->client_surface_();
  tb_->unckeck_all_();
  EXPECT_EQ(tb_->menu_check_("grid"), false_);
  EXPECT_EQ(tb_->menu_check_("snap"), false_);
  EXPECT_EQ(tb_->button_ckeck_(bid_), false_);
  EXPECT_EQ(tb_->button_(-t).items[0].check, true_);  // end-button rows keep theirs
  EXPECT_TRUE(same_pixels(tb_->menu1_->client_surface_(), before));
  dc_ dc(tb_->menu1_->client_surface_());
  tb_->paint_dropdown_(t, 1, *tb_->menu1_, dc, tb_->menu_width, tb_->menu_height, -1, -1);
  EXPECT_FALSE(same_pixels(tb_->menu1_->client_surface_(), before));
}

TEST_F(docktb_menus, hide_menu_ends_every_menu_state) {
  dock_all();
  const int32_t t = drop_bar(dock_top_);
  tb_->add_menu_(bid_, "more", "More");
  tb_->add_submenu_(bid_, 1, "sub1", "Sub one");
  show_all();
  activate_main();
  click(tw(t), 20, 10);
  hover_row(10, 10);
  ASSERT_TRUE(shown(2));
  tb_->hide_menu_();
  EXPECT_FALSE(shown(1));
  EXPECT_FALSE(shown(2));
  EXPECT_EQ(tb_->menu_open, 0);
  EXPECT_EQ(tb_->menu_tb, 0);
  EXPECT_EQ(tb_->last_hit.slot, 0);
  EXPECT_EQ(tb_->hover_hit.toolbar, 0);
}

}  // namespace
