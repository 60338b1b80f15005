// Rows of the dock areas: removing and inserting rows, pushing neighbours along a row, choosing
// rows and the dock area under the cursor.
#include "docktb_fixture.h"

namespace {

using docktb_rows = docktb_host;

// A tool window of one icon button (one plain button of type t_type) in area a, row r.
int32_t row_bar(xdocktb_& tb, dock_area_code_ a, int32_t r, int32_t type = 1, const std::string& key = "") {
  const int32_t t = tb.add_toolbar_("bar", a, r);
  std::string k = key.empty() ? "K" + std::to_string(t) : key, text = "x";
  int32_t icon = 2;
  tb.add_button_(t, k, text, type, &icon);
  return t;
}

void move_cursor(int32_t x, int32_t y) { inject_mouse_(mouse_type_::move, x, y); }

TEST_F(docktb_rows, removing_the_only_window_of_a_middle_row_closes_the_gap) {
  dock_all();
  const int32_t wide = row_bar(*tb_, dock_left_, 1, 2);  // a drop-down button: 40 across
  const int32_t middle = row_bar(*tb_, dock_left_, 2);
  const int32_t last = row_bar(*tb_, dock_left_, 3);
  tb_->show_toolbar_all_();
  tb_->update_(true, true);
  ASSERT_EQ(rec(wide).cx, 40);
  ASSERT_EQ(rec(last).x, 40 + 28);
  ASSERT_EQ(tb_->rows.count[dock_left_], 3);
  tb_->windows[size_t(tb_->find_window_rec_(middle))].dock = 0;
  tb_->relayout_dock_area_(0, dock_left_, 0);
  tb_->size_dock_area_(dock_left_);
  EXPECT_EQ(rec(last).row, 2);
  EXPECT_EQ(rec(last).x, 40);
  EXPECT_EQ(rec(last).centre_x, 54);
  EXPECT_EQ(tb_->rows.count[dock_left_], 2);
  EXPECT_EQ(tb_->rows.table[dock_left_][2].position, 40);
  EXPECT_EQ(area_[3]->client_width_(), 68);
}

TEST_F(docktb_rows, insert_row_moves_the_rows_after_it_down) {
  dock_all();
  const int32_t a = row_bar(*tb_, dock_top_, 1);
  const int32_t b = row_bar(*tb_, dock_top_, 2);
  tb_->show_toolbar_all_();
  auto& table = tb_->rows.table[dock_top_];
  table[1].thickness = 30;  // tell the rows apart
  const dock_row_rec_ old1 = table[1], old2 = table[2];
  const auto before = tb_->rows;
  EXPECT_EQ(tb_->insert_row_(dock_top_, 0), 0);
  EXPECT_EQ(tb_->insert_row_(dock_top_, 3), 0);
  EXPECT_EQ(tb_->rows.count, before.count);
  EXPECT_EQ(tb_->rows.table, before.table);
  EXPECT_EQ(tb_->insert_row_(dock_top_, 1), 1);
  EXPECT_EQ(rec(a).row, 2);
  EXPECT_EQ(rec(b).row, 3);
  EXPECT_EQ(tb_->rows.count[dock_top_], 3);
  EXPECT_EQ(table[2].thickness, old1.thickness);
  EXPECT_EQ(table[3].thickness, old2.thickness);
  EXPECT_EQ(table[2].position, table[1].thickness);
}

TEST_F(docktb_rows, the_cursor_near_an_area_picks_it_by_snap_and_left_before_top) {
  dock_all();
  const int32_t any = row_bar(*tb_, dock_floating_, 1);
  const int32_t sides = tb_->add_toolbar_("sides", 0, 1, 0, 0, false, 2);
  const int32_t bands = tb_->add_toolbar_("bands", 0, 1, 0, 0, false, 1);
  area_[1]->move_(0, 0, main_w, 30);
  area_[3]->move_(0, 30, 30, 400);
  const pixel_rect_ left = area_rect(3), top = area_rect(1);
  // 5 pixels left of the left area, far from the others.
  move_cursor(left.left - 5, left.top + 200);
  EXPECT_EQ(tb_->dock_area_at_cursor_(sides), dock_left_);
  EXPECT_EQ(tb_->dock_area_at_cursor_(bands), 0);
  EXPECT_EQ(tb_->dock_area_at_cursor_(any), dock_left_);
  // 10 pixels right of the left area's last column and 5 inside the top area.
  move_cursor(left.right + 9, top.bottom - 5);
  EXPECT_EQ(tb_->dock_area_at_cursor_(any), dock_left_);
  EXPECT_EQ(tb_->dock_area_at_cursor_(bands), dock_top_);
  move_cursor(left.right + 30, left.top + 200);
  EXPECT_EQ(tb_->dock_area_at_cursor_(any), 0);
  EXPECT_EQ(tb_->dock_area_at_cursor_(0), 0);
}

struct docktb_row_of_three : docktb_host {
  int32_t a = 0, b = 0, c = 0;
  void build() {
    dock_all();
    for (int32_t* t : {&a, &b, &c}) {
      *t = tb_->add_toolbar_("t", dock_top_);
      for (const char* key : {"p", "q"}) {
        std::string k = std::string(key) + std::to_string(*t), text = "x";
        int32_t icon = 2;
        tb_->add_button_(*t, k, text, 1, &icon, false, "", false, std::string(key) == "q");
      }
    }
    tb_->show_toolbar_all_();
    tb_->update_(true, true);
    stretch();
  }
  int32_t x(int32_t t) { return rec(t).x; }
  void place(int32_t t, int32_t along) { tb_->place_in_dock_(-1, dock_top_, t, area_rect(1).left + along, 0); }
};

TEST_F(docktb_row_of_three, placing_a_window_pushes_the_windows_it_meets) {
  build();
  ASSERT_EQ(x(a), 0);
  ASSERT_EQ(x(b), 79);
  ASSERT_EQ(x(c), 158);
  place(a, 100);  // meets c ahead and b behind
  EXPECT_EQ(x(a), 100);
  EXPECT_EQ(x(c), 179);
  EXPECT_EQ(x(b), 21);
  EXPECT_EQ(rec(c).centre_x, 218);  // 179 + 39.5, halves to even
}

TEST_F(docktb_row_of_three, a_window_pushed_past_the_far_edge_comes_back_and_packs_the_others) {
  build();
  place(c, 700);
  place(b, 680);
  EXPECT_EQ(x(c), main_w - 79);
  EXPECT_EQ(x(b), main_w - 79 - 79);
}

TEST_F(docktb_row_of_three, a_window_pushed_before_the_start_packs_the_windows_after_it) {
  build();
  place(b, 60);
  EXPECT_EQ(x(a), 0);
  EXPECT_EQ(x(b), 79);
  EXPECT_EQ(x(c), 158);
}

TEST_F(docktb_rows, a_menu_bar_stays_at_the_start_of_its_row) {
  dock_all();
  const int32_t m = tb_->add_toolbar_("menu", dock_top_, 1, -1, -1, true);
  std::string k = "file", text = "File";
  tb_->add_button_(m, k, text, 5);
  const int32_t other = row_bar(*tb_, dock_top_, 1);
  tb_->show_toolbar_all_();
  tb_->update_(true, true);
  stretch();
  tb_->windows[size_t(tb_->find_window_rec_(other))].row = 1;  // share the menu bar's row
  tb_->windows[size_t(tb_->find_window_rec_(other))].x = 10;
  tb_->place_in_dock_(-1, dock_top_, m, area_rect(1).left + 300, 0);
  EXPECT_EQ(rec(m).x, 0);
  EXPECT_EQ(rec(other).x, 10);  // overlapped, yet not pushed
}

TEST_F(docktb_rows, choose_row_by_centre_and_by_cursor) {
  dock_all();
  const int32_t a = row_bar(*tb_, dock_top_, 1);
  const int32_t b = row_bar(*tb_, dock_top_, 1);
  const int32_t c = row_bar(*tb_, dock_top_, 2);
  tb_->show_toolbar_all_();
  tb_->update_(true, true);
  stretch();
  EXPECT_EQ(tb_->choose_row_(b, dock_top_, -1), 1);
  EXPECT_EQ(tb_->choose_row_(c, dock_top_, -1), 2);
  const pixel_rect_ top = area_rect(1);
  move_cursor(top.left + 5, top.top + 40);  // over row 2
  EXPECT_EQ(tb_->choose_row_(a, dock_top_, 0), 2);
  // Dragged below every row out of a shared row: a new last row.
  move_cursor(top.left + 5, top.top + 200);
  EXPECT_EQ(tb_->choose_row_(b, dock_top_, 0), 2);
  EXPECT_EQ(tb_->choose_row_(c, dock_top_, 0), 2);  // alone in its row: it stays
  EXPECT_EQ(tb_->choose_row_(a, dock_floating_, 0), 1);
}

TEST_F(docktb_rows, a_window_that_needs_a_256th_row_joins_row_255) {
  dock_all();
  const int32_t a = row_bar(*tb_, dock_top_, 1);
  const int32_t b = row_bar(*tb_, dock_top_, 1);
  tb_->show_toolbar_all_();
  // As a loaded layout may leave it: every row in use, both windows in the last one.
  tb_->rows.count[dock_top_] = 255;
  for (int32_t t : {a, b}) tb_->windows[size_t(tb_->find_window_rec_(t))].row = 255;
  EXPECT_EQ(tb_->insert_row_(dock_top_, 1), 0);
  EXPECT_EQ(rec(a).row, 255);
  const pixel_rect_ top = area_rect(1);
  move_cursor(top.left + 300, top.top + 5000);
  EXPECT_EQ(tb_->choose_row_(b, dock_top_, 0), 255);
  EXPECT_EQ(tb_->rows.count[dock_top_], 255);
  tb_->relayout_dock_area_(b, dock_top_, 0);
  EXPECT_LE(tb_->rows.count[dock_top_], 255);
}

}  // namespace
