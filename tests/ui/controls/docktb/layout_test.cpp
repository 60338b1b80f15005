// Button sizes, the slot walk, tool window sizes and showing tool windows docked or floating.
#include "docktb_fixture.h"

namespace {

using docktb_layout = docktb_host;

// Two icon buttons, a separator before the second.
int32_t two_buttons(docktb_host& h, xdocktb_& tb, int32_t dock) {
  const int32_t t = tb.add_toolbar_("two", dock);
  (void)h;
  std::string k1 = "a", k2 = "b", t1 = "A", t2 = "B";
  int32_t icon = 4;
  tb.add_button_(t, k1, t1, 1, &icon);
  tb.add_button_(t, k2, t2, 1, &icon, false, "", false, true);
  return t;
}

TEST_F(docktb_layout, two_icon_buttons_with_a_separator_in_each_kind_of_area) {
  dock_all();
  const int32_t t = two_buttons(*this, *tb_, dock_top_);
  tb_->show_toolbar_all_();
  struct row {
    dock_area_code_ a;
    int32_t cx, cy, x1, x2, y1, y2;
  };
  const row rows[] = {
      {dock_top_, 79, 28, 12, 41, 1, 1},
      {dock_floating_, 60, 48, 3, 32, 20, 20},
      {dock_left_, 28, 79, 1, 1, 12, 41},
  };
  for (const row& r : rows) {
    tb_->measure_toolbar_(t, r.a);
    tb_->layout_slots_(t, r.a);
    EXPECT_EQ(rec(t).cx, r.cx) << r.a;
    EXPECT_EQ(rec(t).cy, r.cy) << r.a;
    const auto& s = tb_->toolbars[size_t(t)].slots;
    EXPECT_EQ(s[1].x, r.x1) << r.a;
    EXPECT_EQ(s[2].x, r.x2) << r.a;
    EXPECT_EQ(s[1].y, r.y1) << r.a;
    EXPECT_EQ(s[2].y, r.y2) << r.a;
    EXPECT_EQ(rec(t).dock, r.a);
  }
}

TEST_F(docktb_layout, button_sizes_by_type_and_area) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("sizes", dock_top_);
  struct row {
    int32_t type, icon;
    bool show_text;
    std::string text;
    int32_t csize;
    int32_t hw, hh, vw, vh;
  };
  // Text widths are 7 pixels a character; 30 pixels of text make t = 40.
  const row rows[] = {
      {1, 0, false, "abcd", 100, 24, 24, 24, 24},
      {1, 3, false, "abcd", 100, 24, 24, 24, 24},
      {0, 0, true, "abcd", 100, 38, 24, 24, 38},
      {1, 3, true, "abcd", 100, 62, 24, 24, 62},
      {2, 0, false, "", 100, 36, 24, 36, 24},
      {2, 3, true, "abcd", 100, 74, 24, 36, 62},
      {3, 0, true, "abcd", 100, 50, 24, 36, 38},
      {4, 0, false, "abcd", 80, 80, 24, 24, 80},
      {5, 0, false, "abcd", 100, 42, 19, 19, 42},
      {5, 0, false, "", 100, 4, 19, 19, 4},
      {6, 0, false, "text", 10, 24, 24, 24, 24},
  };
  for (const row& r : rows) {
    std::string k = "K" + std::to_string(&r - rows), text = r.text;
    int32_t icon = r.icon;
    tb_->add_button_(t, k, text, r.type, &icon, r.show_text, "", false, false, r.csize);
  }
  tb_->show_toolbar_all_();
  for (const row& r : rows) {
    const int32_t i = int32_t(&r - rows) + 1;
    EXPECT_EQ(tb_->button_width_(t, dock_top_, i), r.hw) << i;
    EXPECT_EQ(tb_->button_height_(t, dock_top_, i), r.hh) << i;
    EXPECT_EQ(tb_->button_width_(t, dock_floating_, i), r.hw) << i;
    EXPECT_EQ(tb_->button_width_(t, dock_right_, i), r.vw) << i;
    EXPECT_EQ(tb_->button_height_(t, dock_right_, i), r.vh) << i;
  }
  EXPECT_EQ(tb_->button_width_(t, dock_top_, 0), 0);
  EXPECT_EQ(tb_->button_width_(t, dock_top_, 12), 0);
}

TEST_F(docktb_layout, an_embedded_window_sizes_its_slot_one_pixel_smaller) {
  dock_all();
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = main_.get();
  o.width = 301;
  o.height = 41;
  auto panel = create_window_(o);
  const int32_t t = tb_->add_toolbar_("cmd", dock_bottom_);
  std::string k = "cmdbox", text = "";
  int32_t icon = 9;
  tb_->add_button_(t, k, text, 7, &icon, false, "", false, false, 100, 0, 0, "", panel->handle_());
  EXPECT_EQ(icon, 0);
  tb_->show_toolbar_all_();
  EXPECT_EQ(tb_->button_width_(t, dock_bottom_, 1), 300);
  EXPECT_EQ(tb_->button_height_(t, dock_bottom_, 1), 40);
  EXPECT_EQ(panel->parent_(), tb_->tool_window_(t));  // re-parented into its tool window
  EXPECT_EQ(rec(t).cx, 301 + 13 + 12);
  EXPECT_EQ(rec(t).cy, 44);
  tb_.reset();  // hands the panel back before the tool window goes
  EXPECT_TRUE(panel->exists_());
}

TEST_F(docktb_layout, hidden_slots_count_for_thickness_not_length) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("t", dock_top_);
  icon_button(t, "a");
  std::string k = "tall", text = "x";
  tb_->add_button_(t, k, text, 4, nullptr, false, "", false, false, 50);  // 50 x 24
  std::string k3 = "title", t3 = "File";
  tb_->add_button_(t, k3, t3, 5);
  tb_->show_toolbar_all_();
  const int32_t full = rec(t).cx;
  EXPECT_EQ(full, 12 + 25 + 51 + (4 * 7 + 10 + 4 + 1) + 13);
  tb_->btn_visible_(t, 2, false_);
  EXPECT_EQ(tb_->btn_visible_(t, 2), false_);
  EXPECT_EQ(rec(t).cx, full - 51);
  EXPECT_EQ(tb_->tool_window_(t)->window_rect_().width_(), full - 51);  // the window follows
  // Only the 19-pixel title left visible: the hidden buttons still set the thickness.
  tb_->btn_visible_(t, 1, false_);
  EXPECT_EQ(rec(t).cx, 12 + 43 + 13);
  EXPECT_EQ(rec(t).cy, 28);
  EXPECT_EQ(tb_->btn_visible_(t, 9), 0);
}

TEST_F(docktb_layout, a_docked_menu_bar_spans_its_area) {
  dock_all();
  const int32_t m = tb_->add_toolbar_("Menu", dock_top_, 1, -1, -1, true);
  std::string k = "file", text = "File";
  tb_->add_button_(m, k, text, 5);
  tb_->show_toolbar_all_();
  tb_->update_(true, true);
  stretch();
  tb_->resize_tools_(false);
  EXPECT_EQ(rec(m).cx, main_w + 12);
  EXPECT_EQ(rec(m).cy, 19 + 4);
  EXPECT_EQ(area_[1]->client_height_(), 23);
}

TEST_F(docktb_layout, tool_windows_of_a_row_follow_each_other_and_rows_stack) {
  dock_all();
  const int32_t a = two_buttons(*this, *tb_, dock_top_);
  const int32_t b = two_buttons(*this, *tb_, dock_top_);
  const int32_t c = tb_->add_toolbar_("second row", dock_top_, 2);
  icon_button(c, "c");
  const int32_t l = two_buttons(*this, *tb_, dock_left_);
  EXPECT_EQ(tb_->show_toolbar_all_(), 4);
  tb_->update_(true, true);
  stretch();
  EXPECT_EQ(rec(a).x, 0);
  EXPECT_EQ(rec(b).x, 79);
  EXPECT_EQ(rec(b).y, 0);
  EXPECT_EQ(rec(c).x, 0);
  EXPECT_EQ(rec(c).y, 28);
  EXPECT_EQ(rec(c).centre_y, 42);
  EXPECT_EQ(tb_->rows.count[dock_top_], 2);
  EXPECT_EQ(area_[1]->client_height_(), 56);
  EXPECT_EQ(area_[3]->client_width_(), 28);
  // The windows sit where their records say, inside their dock-area windows.
  const pixel_rect_ wb = tb_->tool_window_(b)->window_rect_(), top = area_rect(1);
  EXPECT_EQ(wb.left - top.left, 79);
  EXPECT_EQ(wb.width_(), 79);
  EXPECT_EQ(tb_->tool_window_(l)->parent_(), area_[3].get());
  EXPECT_EQ(tb_->toolbar_of_window_(tb_->toolbars[size_t(b)].window), b);
  EXPECT_EQ(tb_->toolbar_of_window_(0), 0);
}

TEST_F(docktb_layout, show_toolbar_places_a_floating_window_and_raises_toolbar_show) {
  dock_all();
  const int32_t t = two_buttons(*this, *tb_, dock_floating_);
  int shown = 0;
  tb_->ToolbarShow = [&](int32_t id) { shown = id; };
  EXPECT_EQ(tb_->show_toolbar_(0), 0);
  EXPECT_EQ(tb_->show_toolbar_(t, 300, 250), 1);
  EXPECT_EQ(shown, t);
  window_* w = tb_->tool_window_(t);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->window_rect_(), (pixel_rect_{300, 250, 360, 298}));
  EXPECT_EQ(w->owner_(), main_.get());
  EXPECT_TRUE(w->visible_());
  // Shown again: a new window takes the old one's place and the record follows it.
  EXPECT_EQ(tb_->show_toolbar_(t), 2);
  EXPECT_EQ(tb_->windows_loaded, 2);
  EXPECT_EQ(rec(t).hwnd, tb_->tool_window_(t)->handle_());
  EXPECT_EQ(tb_->tool_[1], nullptr);
  tb_->update_();
  EXPECT_EQ(tb_->tool_window_(t)->window_rect_(), (pixel_rect_{300, 250, 360, 298}));
}

TEST_F(docktb_layout, update_moves_windows_back_to_their_records) {
  dock_all();
  const int32_t t = two_buttons(*this, *tb_, dock_floating_);
  tb_->show_toolbar_(t, 200, 150);
  tb_->tool_window_(t)->move_(10, 10, 30, 30);
  tb_->toolbars[size_t(t)].posx = 1;
  tb_->update_(false, false);
  EXPECT_EQ(tb_->tool_window_(t)->window_rect_(), (pixel_rect_{200, 150, 260, 198}));
  EXPECT_EQ(tb_->toolbars[size_t(t)].posx, 200);
  EXPECT_EQ(tb_->toolbars[size_t(t)].posy, 150);
  // A window already where its record says is not touched, so posx is not rewritten.
  tb_->toolbars[size_t(t)].posx = 1;
  tb_->update_(false, false);
  EXPECT_EQ(tb_->toolbars[size_t(t)].posx, 1);
  tb_->update_(true, false);
  EXPECT_EQ(tb_->toolbars[size_t(t)].posx, 200);
}

}  // namespace
