// Placement of controls in both layouts, the fit to the width, the bar's layout, the hit tests
// and the widths the host sets.
#include "ribbon_fixture.h"

namespace {

using ribbon_layout = ribbon_test;

std::string chars(int n) { return std::string(n, 'x'); }  // n * 2 pixels wide

// A ribbon with one tab, one toolbar and the given bar size.
struct one_toolbar {
  explicit one_toolbar(const ui_metrics_rec_& m, int32_t width = 1000) : r(m) {
    r.set_scale_size_(width, m.ribbon_base_h_);
    r.add_tabtop_("T", "Tab");
    r.add_toolbar_(1, "TB", "Toolbar", true);
  }
  xribbon_ r;
};

TEST_F(ribbon_layout, placement_of_large_and_small_buttons_and_a_separator) {
  for (const ui_metrics_rec_* m : {&metrics_96, &metrics_large}) {
    const int32_t big = m->large_button_h_, row = m->small_row_h_;
    one_toolbar t(*m);
    xribbon_& r = t.r;
    r.add_button_(1, "L", chars(19));  // 38 + 12 = 50
    r.add_button_(1, "S1", chars(24), 0, 2, 2);
    r.add_button_(1, "S2", chars(14), 0, 2, 2);
    r.add_button_(1, "S3", chars(29), 0, 2, 2);
    EXPECT_EQ(r.toolbars[1].std_width, 125);
    r.add_button_(1, "S4", chars(4), 0, 2, 2);
    r.add_separator_(1, "SEP");
    for (bool standard : {true, false}) {
      auto rect = [&](int id) { return standard ? r.controls[id].std_rect : r.controls[id].min_rect; };
      EXPECT_EQ(rect(1), (ribbon_rect_{0, 0, 50, big}));
      EXPECT_EQ(rect(2), (ribbon_rect_{50, 0, 60, row}));
      EXPECT_EQ(rect(3), (ribbon_rect_{50, row, 40, row}));
      EXPECT_EQ(rect(4), (ribbon_rect_{50, 2 * row, 70, row}));
      EXPECT_EQ(rect(5), (ribbon_rect_{120, 0, 20, row}));
      EXPECT_EQ(rect(6), (ribbon_rect_{140, 2, 4, big - 4}));
    }
    EXPECT_EQ(r.toolbars[1].std_width, 149);
    EXPECT_EQ(r.toolbars[1].min_width, 149);
  }
}

TEST_F(ribbon_layout, button_widths_by_size_code_icon_and_type) {
  struct {
    const char* what;
    std::string text;
    int16_t icon;
    int32_t size, type;
    int32_t std_96, min_96, std_large, min_large;
  } cases[] = {
      {"large, one word", chars(9), 0, 1, 1, 30, 30, 30, 30},
      {"large, one word, icon", chars(9), 1, 1, 1, 40, 40, 40, 40},
      {"large split, one word", chars(9), 0, 1, 3, 30, 30, 30, 30},
      {"large split, second word wider", chars(3) + " " + chars(10), 0, 1, 3, 42, 42, 42, 42},
      {"large split, first word wider", chars(10) + " " + chars(3), 0, 1, 3, 37, 37, 37, 37},
      {"small with caption and icon", chars(5), 2, 2, 1, 44, 46, 49, 50},
      {"small icon only drop-down", chars(5), 2, 3, 2, 32, 34, 37, 38},
      {"small icon only without icon", chars(5), 0, 3, 1, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    for (bool large : {false, true}) {
      one_toolbar t(large ? metrics_large : metrics_96);
      t.r.add_button_(1, "B", c.text, c.icon, c.size, c.size, c.type);
      EXPECT_EQ(t.r.controls[1].std_rect.w, large ? c.std_large : c.std_96) << c.what;
      EXPECT_EQ(t.r.controls[1].min_rect.w, large ? c.min_large : c.min_96) << c.what;
    }
  }
}

TEST_F(ribbon_layout, combos_and_groups_take_row_bands) {
  one_toolbar t(metrics_96);
  xribbon_& r = t.r;
  r.add_button_(1, "L", chars(19));                // large: belongs to no band
  r.add_combo_(1, "C1", chars(10), 2, 3);          // standard row 2, minimal row 3
  r.add_group_(1, "G", "bBc", 0, 2, 0);            // after the combo in row 2; row 0 counts as 1
  r.add_combo_(1, "C2", chars(10), 4, 1, 24, 25);  // row 4 counts as 1; 24 keeps, 25 replaces
  EXPECT_EQ(r.controls[2].std_rect, (ribbon_rect_{0, 36, 45, 22}));
  EXPECT_EQ(r.controls[2].min_rect, (ribbon_rect_{0, 44, 45, 22}));
  EXPECT_EQ(r.controls[3].std_rect, (ribbon_rect_{48, 36, 78, 22}));
  EXPECT_EQ(r.controls[3].min_rect, (ribbon_rect_{0, 0, 78, 22}));
  EXPECT_EQ(r.controls[4].std_rect, (ribbon_rect_{0, 7, 45, 22}));
  EXPECT_EQ(r.controls[4].min_rect, (ribbon_rect_{78, 0, 25, 22}));
  EXPECT_EQ(r.toolbars[1].std_width, 48 + 78 + 5);
  EXPECT_EQ(r.toolbars[1].min_width, 78 + 25 + 5);
}

// Three toolbars of standard widths 200, 150, 100 and minimal 120, 90, 60.
struct three_toolbars {
  explicit three_toolbars(int32_t width) : r(metrics_96) {
    r.set_scale_size_(width, 117);
    r.add_tabtop_("T");
    const int32_t std_w[] = {200, 150, 100}, min_w[] = {120, 90, 60};
    for (int i = 0; i < 3; ++i) {
      int id = r.add_toolbar_(1, "TB" + std::to_string(i + 1));
      r.toolbars[id].std_width = std_w[i];
      r.toolbars[id].min_width = min_w[i];
    }
    r.fit_toolbars_();
  }
  std::vector<int32_t> states() const {
    return {r.toolbars[1].fit_state, r.toolbars[2].fit_state, r.toolbars[3].fit_state};
  }
  xribbon_ r;
};

TEST_F(ribbon_layout, fit_shrinks_from_the_right) {
  struct {
    int32_t width;
    std::vector<int32_t> states;
  } cases[] = {
      {463, {1, 1, 1}},                    // 450 + 12 < 463
      {462, {1, 1, 2}},                    // exactly S + 12 does not fit
      {400, {1, 2, 2}}, {362, {1, 2, 2}},  // 350 + 12 = 362: the last pass's move is not applied
      {100, {1, 2, 2}},                    // three toolbars allow two moves: the leftmost keeps its width
  };
  for (const auto& c : cases) EXPECT_EQ(three_toolbars(c.width).states(), c.states) << c.width;
}

TEST_F(ribbon_layout, fit_collapses_a_lone_toolbar_and_leaves_the_others) {
  xribbon_ r(metrics_96);
  r.add_tabtop_("A");
  r.add_tabtop_("B");
  r.add_toolbar_(2, "ON_B");
  r.add_toolbar_(1, "ON_A", "A");
  r.add_toolbar_(1, "HIDDEN");
  r.add_toolbar_(2, "ON_B2");  // four toolbars in all allow the three moves to collapsed
  r.toolbars[2].std_width = 300;
  r.toolbars[2].min_width = 200;
  r.toolbars[1].fit_state = 7;
  r.toolbars[3].fit_state = 9;
  r.toolbarvisible_("HIDDEN", false);
  struct {
    int32_t width, state;
  } cases[] = {{313, 1}, {312, 2}, {213, 2}, {212, 3}, {10, 3}};
  for (auto c : cases) {
    r.set_scale_size_(c.width, 117);
    r.fit_toolbars_();
    EXPECT_EQ(r.toolbars[2].fit_state, c.state) << c.width;
    EXPECT_EQ(r.toolbars[1].fit_state, 7);  // another tab
    EXPECT_EQ(r.toolbars[3].fit_state, 9);  // hidden
  }
}

TEST_F(ribbon_layout, tabs_shrink_in_proportion_on_a_narrow_bar) {
  xribbon_ r(metrics_96);
  r.add_tabtop_("A", chars(13));  // 26 + 24 = 50
  r.add_tabtop_("B", chars(13));
  struct {
    int32_t width;
    bool help;
    int32_t left2, right2;
  } cases[] = {
      {1000, false, 107, 157},  {1000, true, 107, 157}, {120, false, 57 + 25, 107},  // available 50 of 100: half
      {120, true, 57 + 15, 87},                                                      // available 30: 0.3
      {30, false, 57 + 20, 97},  // available -40: the absolute value 0.4
  };
  for (auto c : cases) {
    r.set_scale_size_(c.width, 117);
    r.helpicon_(c.help);
    r.layout_bar_();
    EXPECT_EQ(r.tabs[1].left, 57) << c.width;
    EXPECT_EQ(r.tabs[2].left, c.left2) << c.width << c.help;
    EXPECT_EQ(r.tabs[2].right, c.right2) << c.width << c.help;
    EXPECT_EQ(r.hit.help_left, c.help ? c.width - 25 : -1);
    EXPECT_EQ(r.hit.help_bottom, c.help ? 22 : -1);
  }
}

// Toolbar 1 holds a group "BBC" over a group "CC"; toolbar 2 a large and a small split button.
struct hit_bench {
  explicit hit_bench(const ui_metrics_rec_& m) : t(m) {
    xribbon_& r = t.r;
    r.add_group_(1, "BBC", "BBC");
    r.add_group_(1, "CC", "cc", 0, 2, 2);
    r.add_toolbar_(1, "SPLITS", "Splits");
    r.add_button_(2, "LARGE", chars(10), 0, 1, 1, 3);
    r.add_button_(2, "SMALL", chars(10), 0, 2, 2, 3);
    r.fit_toolbars_();
    r.layout_bar_();
  }
  struct answer {
    int32_t id, cell;
    flag16_ arrow;
    int32_t drop;
    std::string key;
  };
  answer at(int32_t control, int32_t dx, int32_t dy) {
    ribbon_rect_ rc;
    EXPECT_TRUE(t.r.control_rect_on_bar_(control, rc));
    answer a{};
    a.id = t.r.control_at_(rc.x + dx, rc.y + dy, false, a.key, a.cell, a.arrow);
    a.drop = t.r.hit.drop_control;
    return a;
  }
  one_toolbar t;
};

TEST_F(ribbon_layout, group_cells_and_arrow_parts) {
  struct {
    const ui_metrics_rec_* m;
    int32_t control, dx, cell;
    bool arrow;
  } cases[] = {
      {&metrics_96, 1, 0, 1, false},     {&metrics_96, 1, 21, 1, false},    {&metrics_96, 1, 22, 2, false},
      {&metrics_96, 1, 43, 2, false},    {&metrics_96, 1, 44, 3, false},    {&metrics_96, 1, 65, 3, false},
      {&metrics_96, 1, 66, 3, true},     {&metrics_96, 1, 77, 3, true},     {&metrics_96, 2, 21, 1, false},
      {&metrics_96, 2, 22, 1, true},     {&metrics_96, 2, 33, 1, true},     {&metrics_96, 2, 34, 2, false},
      {&metrics_96, 2, 56, 2, true},     {&metrics_96, 2, 67, 2, true},     {&metrics_large, 1, 27, 1, false},
      {&metrics_large, 1, 28, 2, false}, {&metrics_large, 1, 83, 3, false}, {&metrics_large, 1, 84, 3, true},
      {&metrics_large, 1, 95, 3, true},
  };
  for (auto c : cases) {
    hit_bench b(*c.m);
    auto a = b.at(c.control, c.dx, 1);
    EXPECT_EQ(a.id, c.control) << c.dx;
    EXPECT_EQ(a.key, c.control == 1 ? "BBC" : "CC");
    EXPECT_EQ(a.cell, c.cell) << c.control << " " << c.dx;
    EXPECT_EQ(a.arrow, to_flag_(c.arrow)) << c.control << " " << c.dx;
    EXPECT_EQ(a.drop, c.arrow ? c.control : 0) << c.control << " " << c.dx;
    flag16_ arrow = 5;
    int32_t cell = 9;
    b.t.r.group_cell_at_(c.dx, 1000, c.control, arrow, cell);
    EXPECT_EQ(cell, c.cell);
  }
  hit_bench b(metrics_96);
  flag16_ arrow;
  int32_t cell;
  b.t.r.group_cell_at_(78, 0, 1, arrow, cell);
  EXPECT_EQ(cell, 0);
  b.t.r.group_cell_at_(5, 0, 3, arrow, cell);  // not a group
  EXPECT_EQ(cell, 0);
}

TEST_F(ribbon_layout, split_drop_parts_and_edges) {
  for (const ui_metrics_rec_* m : {&metrics_96, &metrics_large}) {
    hit_bench b(*m);
    ribbon_rect_ small, large;
    ASSERT_TRUE(b.t.r.control_rect_on_bar_(4, small));
    ASSERT_TRUE(b.t.r.control_rect_on_bar_(3, large));
    EXPECT_EQ(small.h, m->small_row_h_);
    EXPECT_EQ(large.h, m->large_button_h_);
    struct {
      int32_t control, dx, dy, id, drop;
    } cases[] = {
        {4, 0, 0, 4, 0},
        {4, small.w - 14, 0, 4, 0},
        {4, small.w - 13, 0, 4, 4},
        {4, small.w - 1, small.h - 1, 4, 4},
        {4, small.w, 0, 0, 0},  // the right edge is outside
        {4, 0, small.h, 0, 0},  // so is the bottom edge
        {3, large.w - 1, large.h - m->split_drop_h_ - 1, 3, 0},
        {3, 0, large.h - m->split_drop_h_, 3, 3},
        {3, large.w - 1, large.h - 1, 3, 3},
        {3, large.w, large.h - 1, 0, 0},
        {3, 0, large.h, 0, 0},
    };
    for (auto c : cases) {
      auto a = b.at(c.control, c.dx, c.dy);
      EXPECT_EQ(a.id, c.id) << c.control << " " << c.dx << "," << c.dy;
      EXPECT_EQ(a.drop, c.drop) << c.control << " " << c.dx << "," << c.dy;
      EXPECT_EQ(a.cell, 0);
    }
  }
}

TEST_F(ribbon_layout, toolbar_edges_and_corner_buttons_on_the_bar) {
  for (const ui_metrics_rec_* m : {&metrics_96, &metrics_large}) {
    hit_bench b(*m);
    xribbon_& r = b.t.r;
    r.hooks.frame_top_inset = [](int32_t) { return 2; };
    const int32_t w = r.toolbars[1].std_width, h = r.scale_height_(), pad = m->launcher_inset_;
    const int32_t top = m->ribbon_top_row_h_ + 4;
    EXPECT_EQ(r.toolbar_at_(4, top, false), 1);
    EXPECT_EQ(r.toolbar_at_(4 + w, top, false), 1);  // the right edge belongs to the toolbar
    EXPECT_EQ(r.toolbar_at_(4 + w + 1, top, false), 2);
    EXPECT_EQ(r.toolbar_at_(3, top, false), 0);
    EXPECT_EQ(r.toolbar_at_(10, top - 1, false), 0);
    EXPECT_EQ(r.toolbar_at_(10, h - 4, false), 0);
    const int32_t cx = 4 + w - 17 - pad, cy = h - 19 - pad - 2;
    struct {
      int32_t x, y;
      bool corner;
    } cases[] = {
        {cx, cy, true}, {cx + 15, cy + 14, true}, {cx - 1, cy, false}, {cx + 16, cy, false}, {cx, cy - 1, false}};
    for (auto c : cases) {
      r.toolbar_at_(c.x, c.y, false);
      EXPECT_EQ(r.hit.corner_toolbar, c.corner ? 1 : 0) << c.x << "," << c.y;
    }
  }
}

TEST_F(ribbon_layout, collapsed_toolbar_shows_its_controls_only_in_its_window) {
  for (const ui_metrics_rec_* m : {&metrics_96, &metrics_large}) {
    hit_bench b(*m);
    xribbon_& r = b.t.r;
    r.add_toolbar_(1, "NEXT", "Next");
    r.add_toolbar_(1, "LAST", "Last");
    r.add_tabtop_("OTHER");  // toolbars elsewhere give the fit the passes to collapse the leftmost
    for (int i = 0; i < 8; ++i) r.add_toolbar_(2, "O" + std::to_string(i));
    r.set_scale_size_(60, m->ribbon_base_h_);
    r.fit_toolbars_();
    ASSERT_EQ(r.toolbars[1].fit_state, toolbar_collapsed_);
    std::string key;
    int32_t cell;
    flag16_ arrow;
    ribbon_rect_ rc;
    EXPECT_FALSE(r.control_rect_on_bar_(1, rc));
    for (int32_t x = 4; x < 4 + r.toolbars[1].collapsed_width; x += 3)
      EXPECT_EQ(r.control_at_(x, m->ribbon_top_row_h_ + 10, false, key, cell, arrow), 0) << x;
    EXPECT_EQ(r.toolbar_at_(10, m->ribbon_top_row_h_ + 10, false), 1);
    EXPECT_EQ(r.hit.corner_toolbar, 0);  // a collapsed toolbar shows no corner button

    // Its window: minimal rectangles moved 2 right and 2 down; the corner button where the
    // window paints it, at the painted (minimal) width.
    const int32_t body = r.scale_height_() - (m->ribbon_top_row_h_ + 8);
    r.dropdown.collapsed_toolbar = 1;
    r.dropdown.ex1_width = r.toolbars[1].min_width + 5;
    r.dropdown.ex1_height = body + 1 + 5;
    EXPECT_FALSE(r.control_rect_in_window_(3, rc));  // another toolbar's control
    for (int32_t id = 1; id <= 2; ++id) {
      ASSERT_TRUE(r.control_rect_in_window_(id, rc));
      const ribbon_rect_& mr = r.controls[id].min_rect;
      EXPECT_EQ(rc, (ribbon_rect_{mr.x + 2, mr.y + 2, mr.w, mr.h}));
      EXPECT_EQ(r.control_at_(rc.x + rc.w / 2, rc.y + rc.h / 2, true, key, cell, arrow), id);
      EXPECT_EQ(r.control_at_(rc.x + rc.w / 2, rc.y + rc.h / 2, false, key, cell, arrow), 0);
    }
    const int32_t painted_w = r.toolbars[1].min_width, wh = r.dropdown.ex1_height, pad = m->launcher_inset_;
    // The painter puts the glyph at (x + width - 15 - 2 - pad, y + height - 14 - 1 - pad)
    // for the frame at (1, 1) over the client less its 5-pixel band.
    const int32_t gx = 1 + painted_w - 17 - pad, gy = 1 + (wh - 5) - 15 - pad;
    struct {
      int32_t x, y;
      bool corner;
    } cases[] = {{gx, gy, true}, {gx + 15, gy + 14, true}, {gx - 1, gy, false}, {gx + 16, gy + 14, false}};
    for (auto c : cases) {
      EXPECT_EQ(r.toolbar_at_(c.x, c.y, true), 1);
      EXPECT_EQ(r.hit.corner_toolbar, c.corner ? 1 : 0) << c.x << "," << c.y;
    }
    EXPECT_EQ(r.toolbar_at_(1 + painted_w + 1, 10, true), 0);
    r.dropdown.collapsed_toolbar = 3;  // a toolbar without controls
    EXPECT_EQ(r.control_at_(10, 10, true, key, cell, arrow), 0);
  }
}

TEST_F(ribbon_layout, second_row_width_moves_the_next_column_only) {
  for (const ui_metrics_rec_* m : {&metrics_96, &metrics_large}) {
    one_toolbar t(*m);
    xribbon_& r = t.r;
    for (const char* k : {"A1", "A2", "A3", "B1", "B2", "B3"}) r.add_button_(1, k, chars(5), 0, 2, 2);
    r.add_button_(1, "BIG", chars(5));
    const int32_t b_x = r.controls[4].std_rect.x, big_x = r.controls[7].std_rect.x;
    ASSERT_EQ(b_x, 22);
    ASSERT_EQ(big_x, 44);
    r.buttonwidth_("A2", true, 50);
    EXPECT_EQ(r.controls[2].std_rect.w, 50);
    EXPECT_EQ(r.controls[3].std_rect.x, 0);  // its own column's third row stays
    for (int id : {4, 5, 6}) EXPECT_EQ(r.controls[id].std_rect.x, 50);
    EXPECT_EQ(r.controls[7].std_rect.x, big_x + 50 - b_x);
    EXPECT_EQ(r.controls[4].min_rect.x, b_x);  // the other layout does not move
    EXPECT_EQ(r.toolbars[1].std_width, r.controls[7].std_rect.right() + 7);
    EXPECT_EQ(r.buttonwidth_("A2", true), 50);

    // A third-row button moves what follows it and stays in its column at both resolutions.
    r.buttonwidth_("A3", true, 60);
    EXPECT_EQ(r.controls[3].std_rect.x, 0);
    EXPECT_EQ(r.controls[4].std_rect.x, 60);
    EXPECT_EQ(r.controls[7].std_rect.x, big_x + 60 - b_x);
  }
}

TEST_F(ribbon_layout, measured_widths_of_the_host) {
  struct {
    const char* what;
    std::string text;
    int16_t icon;
    int32_t size, type;
    bool standard;
    int32_t width;
  } cases[] = {
      {"large, two words", chars(3) + " " + chars(8), 0, 1, 1, true, 28},
      {"large drop-down, second wider", chars(3) + " " + chars(8), 0, 1, 2, true, 38},
      {"large drop-down, first wider", chars(8) + " " + chars(3), 0, 1, 2, true, 33},
      {"large, icon, one letter", "x", 5, 1, 1, true, 40},
      {"small, icon, minimal", chars(5), 5, 2, 1, false, 10 + 12 + 22},
      {"small split", chars(5), 0, 2, 3, true, 10 + 12 + 10},
  };
  for (const auto& c : cases) {
    for (const ui_metrics_rec_* m : {&metrics_96, &metrics_large}) {
      one_toolbar t(*m);
      t.r.add_button_(1, "B", c.text, c.icon, c.size, c.size, c.type);
      t.r.buttonwidth_("B", c.standard, 999);
      t.r.buttonwidth_("B", c.standard, 0);
      EXPECT_EQ(t.r.buttonwidth_("B", c.standard), c.width) << c.what;
    }
  }
}

TEST_F(ribbon_layout, unknown_key_width_only_refits) {
  one_toolbar t(metrics_96);
  t.r.add_button_(1, "B", chars(5));
  const ribbon_control_rec_ before = t.r.controls[1];
  const int32_t std_w = t.r.toolbars[1].std_width;
  EXPECT_EQ(t.r.toolbars[1].fit_state, 0);
  t.r.buttonwidth_("NONE", true, 80);
  EXPECT_EQ(t.r.controls[1].std_rect, before.std_rect);
  EXPECT_EQ(t.r.toolbars[1].std_width, std_w);
  EXPECT_EQ(t.r.toolbars[1].fit_state, toolbar_standard_);
  EXPECT_EQ(t.r.buttonwidth_("NONE", true), 0);
}

}  // namespace
