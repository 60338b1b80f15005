// The bar's mouse input and the drop-down windows, driven through injected events.
#include "ribbon_screen_fixture.h"

// Font configuration keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

using ribbon_input = ribbon_screen;

TEST_F(ribbon_input, plain_button_clicks_once_and_a_release_elsewhere_raises_nothing) {
  build();
  window_& bar = rc->bar();
  ribbon_rect_ big = on_bar(ids.big), cut = on_bar(ids.cut);
  click(bar, big.x + big.w / 2, big.y + big.h / 2);
  EXPECT_EQ(take_log(), "button NEW 0");
  press(bar, big.x + big.w / 2, big.y + big.h / 2);
  release(bar, cut.x + cut.w / 2, cut.y + cut.h / 2);
  press(bar, cut.x + cut.w / 2, cut.y + cut.h / 2);
  release(bar, big.x + big.w / 2, big.y + big.h / 2);
  EXPECT_EQ(take_log(), "");
  // Any mouse button acts alike.
  move(bar, cut.x + 3, cut.y + 3);
  inject_mouse_at_(bar, mouse_type_::down, cut.x + 3, cut.y + 3, button_right_);
  inject_mouse_at_(bar, mouse_type_::up, cut.x + 3, cut.y + 3, button_right_);
  EXPECT_EQ(take_log(), "button CUT 0");
}

TEST_F(ribbon_input, split_button_drop_part_opens_on_press_and_its_release_raises_nothing) {
  build();
  window_& bar = rc->bar();
  ribbon_rect_ s = on_bar(ids.split);
  const int32_t drop_y = s.y + s.h - 4, main_y = s.y + 6;
  press(bar, s.x + s.w / 2, drop_y);
  EXPECT_TRUE(rc->win_ex2_().visible_());
  EXPECT_EQ(rc->model().dropdown.mode, dropdown_popup_);
  EXPECT_EQ(popup_open_, -1);
  release(bar, s.x + s.w / 2, drop_y);
  EXPECT_EQ(take_log(), "showex");
  EXPECT_TRUE(rc->win_ex2_().visible_());
  // The popup lies under the control's left edge + 2, 6 below the tab row past its bottom.
  const pixel_point_ at = in_host(rc->win_ex2_());
  EXPECT_EQ(at.x, s.x);  // the toolbar's left edge + the control's x + 2
  EXPECT_EQ(at.y, s.y + s.h);
  // A row picked: the window closes, then the event.
  window_& ex2 = rc->win_ex2_();
  click(ex2, 30, 2 + 23 + 10);
  EXPECT_EQ(take_log(), "popup PASTE_LINK 0");
  EXPECT_FALSE(ex2.visible_());
  EXPECT_EQ(popup_open_, 0);
  EXPECT_EQ(popup_background_(2), nullptr);
  // The main part clicks.
  click(bar, s.x + s.w / 2, main_y);
  EXPECT_EQ(take_log(), "button PASTE 0");
}

TEST_F(ribbon_input, second_press_on_the_application_button_only_closes_the_menu) {
  build();
  window_& bar = rc->bar();
  click(bar, 20, 12);
  EXPECT_TRUE(rc->win_ex1_().visible_());
  EXPECT_EQ(rc->model().dropdown.mode, dropdown_main_menu_);
  EXPECT_EQ(popup_open_, 0);  // the application menu does not count as a popup
  EXPECT_EQ(take_log(), "showex");
  click(bar, 20, 12);
  EXPECT_FALSE(rc->win_ex1_().visible_());
  EXPECT_EQ(rc->model().dropdown.mode, dropdown_none_);
  EXPECT_EQ(take_log(), "");
}

TEST_F(ribbon_input, application_menu_items_and_buttons_raise_their_events) {
  build();
  window_& bar = rc->bar();
  window_& ex1 = rc->win_ex1_();
  app_menu_insets_rec_ in;
  draw_main_menu_frame_(0, nullptr, 0, 0, 0, 0, in, "", "", 0, 0);
  struct {
    int32_t x, y;
    const char* event;
  } cases[] = {
      {in.left + 50, in.top + 38 + 2, ""},                   // the separator: the menu stays open
      {in.left + 50, in.top + 38 + 5 + 10, "menu M_OPEN"},  // the third item
      {in.left + 50, in.top + 10, "menu M_NEW"},
  };
  for (const auto& c : cases) {
    click(bar, 20, 12);
    take_log();
    ASSERT_TRUE(ex1.visible_());
    click(ex1, c.x, c.y);
    EXPECT_EQ(take_log(), c.event) << c.y;
    EXPECT_EQ(ex1.visible_(), std::string(c.event).empty()) << c.y;
    rc->hide_winex_();
  }
  // The exit button ends 1 pixel past the frame's right edge, in the bottom band.
  click(bar, 20, 12);
  take_log();
  const int32_t R = ex1.client_width_() - 5, bottom = ex1.client_height_() - 5;
  click(ex1, R - in.right - 3, bottom - in.bottom - 4 + 3);
  EXPECT_EQ(take_log(), "main 2");
}

TEST_F(ribbon_input, a_press_on_a_tab_activates_it_and_raises_its_event) {
  build();
  window_& bar = rc->bar();
  const ribbon_tab_rec_& view = rc->model().tabs[2];
  click(bar, (view.left + view.right) / 2, 10);
  EXPECT_EQ(rc->model().tab_id_(), 2);
  EXPECT_EQ(take_log(), "tab VIEW");
}

TEST_F(ribbon_input, combo_shows_ten_rows_and_a_scroll_bar_past_ten) {
  struct {
    int32_t rows;
    bool bar;
    int32_t max;
  } cases[] = {{10, false, 1}, {11, true, 2}};
  for (const auto& c : cases) {
    build(c.rows);
    window_& bar = rc->bar();
    ribbon_rect_ q = on_bar(ids.combo);
    press(bar, q.x + q.w / 2, q.y + q.h / 2);
    release(bar, q.x + q.w / 2, q.y + q.h / 2);
    const ribbon_dropdown_state_& d = rc->model().dropdown;
    ASSERT_TRUE(rc->win_ex2_().visible_()) << c.rows;
    EXPECT_EQ(d.mode, dropdown_list_);
    EXPECT_EQ(is_set_(d.list_scroll_shown), c.bar) << c.rows;
    EXPECT_EQ(d.list_rows, 10);
    EXPECT_EQ(d.list_min, 1);
    EXPECT_EQ(d.list_max, c.max) << c.rows;  // top rows 1..max
    EXPECT_EQ(rc->win_ex2_().client_height_(), 10 * 23 + 4 + 5) << c.rows;
    int32_t unused = 0;
    EXPECT_EQ(rc->paint_drop_list_(unused), c.bar ? 0 : -1) << c.rows;  // no part without a press
    take_log();
    rc.reset();
  }
}

TEST_F(ribbon_input, list_arrow_steps_at_once_then_repeats_only_after_the_delay) {
  build(14);  // top rows 1..5
  window_& bar = rc->bar();
  ribbon_rect_ q = on_bar(ids.combo);
  press(bar, q.x + q.w / 2, q.y + q.h / 2);
  release(bar, q.x + q.w / 2, q.y + q.h / 2);
  window_& ex2 = rc->win_ex2_();
  ASSERT_TRUE(ex2.visible_());
  const int32_t W = ex2.client_width_(), H = ex2.client_height_();
  const int32_t ax = W - 23 + 8, ay = 1 + (H - 7) - 3;  // inside the down arrow
  xribbon_& r = rc->model();
  std::vector<int32_t> tops;
  double now = 100.0;
  rc->clock = [&] {
    tops.push_back(r.dropdown.list_top);
    if (tops.size() == 10) release(ex2, ax, ay);
    if (tops.size() > 40) r.dropdown.ex2_mouse.down = false_;  // a runaway loop ends; the check fails
    now += 0.1;
    return now;
  };
  press(ex2, ax, ay);
  // Clock reads: the press time, the loop's start, then one per turn after the first. The
  // first step comes at once; the next waits until more than 0.33 s have passed.
  EXPECT_EQ(tops, (std::vector<int32_t>{1, 1, 2, 2, 2, 2, 3, 4, 5, 5}));
  EXPECT_EQ(r.dropdown.list_top, 5);
  EXPECT_TRUE(ex2.visible_());
  EXPECT_EQ(take_log(), "showex");
  // A row picked after scrolling: the combo takes its text and the list closes.
  move(ex2, 20, 2 + 10);
  press(ex2, 20, 2 + 10);
  EXPECT_EQ(take_log(), "list L5 0");
  EXPECT_EQ(r.buttontext_("LAYER"), "Layer 5");
  EXPECT_FALSE(ex2.visible_());
}

TEST_F(ribbon_input, show_popupmenu_keeps_four_pixels_inside_the_host_and_starts_a_tall_one_at_the_top) {
  build();
  xribbon_& r = rc->model();
  for (int i = 1; i <= 3; ++i) r.add_popupmenuitem_(-7, 0, "P" + std::to_string(i), "Row");
  for (int i = 1; i <= 30; ++i) r.add_popupmenuitem_(-8, 0, "T" + std::to_string(i), "Row");
  window_& ex2 = rc->win_ex2_();
  const int32_t right = host->client_width_(), bottom = host->client_height_();
  rc->show_popupmenu_(-7, right - 10, bottom - 10);
  const int32_t w = ex2.client_width_() - 5, h = ex2.client_height_() - 5;
  EXPECT_EQ(h, 3 * 23 + 4);
  EXPECT_EQ(in_host(ex2).x, right - w - 4);
  EXPECT_EQ(in_host(ex2).y, bottom - h - 4);
  rc->show_popupmenu_(-7, 30, 40);  // room enough: where asked
  EXPECT_EQ(in_host(ex2).x, 30);
  EXPECT_EQ(in_host(ex2).y, 40);
  rc->show_popupmenu_(-8, -3, 50);  // taller than the host; the left edge is never corrected
  EXPECT_EQ(in_host(ex2).y, 0);
  EXPECT_EQ(in_host(ex2).x, -3);
  EXPECT_EQ(take_log(), "showex; showex; showex");
}

TEST_F(ribbon_input, multi_select_popup_highlights_rows_above_and_reports_the_lowest) {
  build();
  xribbon_& r = rc->model();
  for (int i = 1; i <= 5; ++i)
    r.add_popupmenuitem_(-9, 0, "U" + std::to_string(i), "Undo", {}, false, -1, false, {}, true, 0, false, true);
  rc->show_popupmenu_(-9, 10, 150);
  window_& ex2 = rc->win_ex2_();
  move(ex2, 40, 2 + 2 * 23 + 10);  // over the third row
  const surface_& s = ex2.client_surface_();
  const uint32_t hover = sprite_colour_(menu_row_sprites_[1].part[5]);
  const int32_t x = 2 + menu_row_sprites_[1].part[4].width + 1;  // the hover box's middle, left of the text
  for (int row = 0; row < 5; ++row) {
    const int32_t y = 2 + row * 23 + 11;
    EXPECT_EQ(s.colour_(x, y) == hover, row <= 2) << row;
  }
  inject_mouse_at_(ex2, mouse_type_::down, 40, 2 + 2 * 23 + 10, button_left_);
  EXPECT_EQ(take_log(), "showex; popup U3 0");
}

TEST_F(ribbon_input, focus_moving_into_a_drop_down_keeps_it_open_and_elsewhere_closes_it) {
  build();
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = host.get();
  o.x = 10, o.y = 300, o.width = 50, o.height = 20;
  other = create_window_(o);
  other->show_();
  window_& bar = rc->bar();
  bar.set_focus_();
  settle();
  ribbon_rect_ s = on_bar(ids.split);
  press(bar, s.x + s.w / 2, s.y + s.h - 4);
  release(bar, s.x + s.w / 2, s.y + s.h - 4);
  ASSERT_TRUE(rc->win_ex2_().visible_());
  rc->win_ex2_().set_focus_();
  settle();
  EXPECT_TRUE(rc->win_ex2_().visible_());
  bar.set_focus_();
  settle();
  EXPECT_TRUE(rc->win_ex2_().visible_());
  other->set_focus_();
  settle();
  EXPECT_FALSE(rc->win_ex2_().visible_());
  EXPECT_EQ(popup_open_, 0);
}

TEST_F(ribbon_input, collapsed_toolbar_opens_on_press_and_its_control_clicks_on_release) {
  build();
  xribbon_& r = rc->model();
  window_& bar = rc->bar();
  ASSERT_EQ(r.toolbars[ids.tools].fit_state, toolbar_collapsed_);
  const ribbon_toolbar_rec_& t = r.toolbars[ids.tools];
  click(bar, (t.left + t.right) / 2, 60);
  window_& ex1 = rc->win_ex1_();
  ASSERT_TRUE(ex1.visible_());
  EXPECT_EQ(popup_open_, -1);
  EXPECT_EQ(in_host(ex1).y, 117 - 4);
  EXPECT_EQ(r.dropdown.ex1_width, t.min_width + 5);
  EXPECT_EQ(take_log(), "showex");
  ribbon_rect_ q;
  ASSERT_TRUE(r.control_rect_in_window_(ids.measure, q));
  click(ex1, q.x + q.w / 2, q.y + q.h / 2);
  EXPECT_EQ(take_log(), "button MEASURE 0");
  EXPECT_FALSE(ex1.visible_());
}

TEST_F(ribbon_input, keys_on_the_bar_pass_on_as_events) {
  build();
  std::string keys;
  rc->model().KeyDown = [&](int16_t code, int16_t shift) {
    keys += "down " + std::to_string(code) + "/" + std::to_string(shift) + ";";
  };
  rc->model().KeyPress = [&](int16_t ch) { keys += "press " + std::to_string(ch) + ";"; };
  rc->bar().set_focus_();
  settle();
  inject_key_(key_type_::down, 'A', 0);
  EXPECT_EQ(keys, "down 65/0;press 97;");
}

}  // namespace

namespace {

TEST_F(ribbon_input, corner_and_help_buttons_click_only_when_pressed_and_released_on_them) {
  build();
  xribbon_& r = rc->model();
  r.helpicon_(true);
  rc->refresh_();
  window_& bar = rc->bar();
  const ribbon_toolbar_rec_& t = r.toolbars[ids.edit];
  const int32_t kx = t.right - 15 - 2 + 7, ky = 117 - 14 - 5 + 7;  // the corner button's middle
  const int32_t hx = r.hit.help_left + 10, hy = 10;
  click(bar, kx, ky);
  click(bar, hx, hy);
  press(bar, kx, ky);
  release(bar, kx - 40, ky);
  press(bar, hx, hy);
  release(bar, hx - 40, hy);
  EXPECT_EQ(take_log(), "corner EDIT; help");
}

TEST_F(ribbon_input, user_drawn_combo_keeps_its_list_open_after_a_pick) {
  build(3);
  xribbon_& r = rc->model();
  r.buttonuserdraw_("LAYER", true);
  r.popup[r.popup_count].value = 77;
  std::vector<std::string> rows;
  r.UserDraw = [&](dc_* dc, const std::string& key, const std::string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                   int32_t value) {
    if (&dc->target_() != &rc->win_ex2_().client_surface_()) return;  // the bar's own combo
    rows.push_back(key + "|" + text + "|" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(h) +
                   "|" + std::to_string(value) + "|" + std::to_string(w > 0));
  };
  ribbon_rect_ q = on_bar(ids.combo);
  click(rc->bar(), q.x + 5, q.y + 5);
  ASSERT_TRUE(rc->win_ex2_().visible_());
  EXPECT_EQ(rows, (std::vector<std::string>{"LAYER|Layer 1|2,2,23|0|1", "LAYER|Layer 2|2,25,23|0|1",
                                            "LAYER|Layer 3|2,48,23|77|1"}));
  press(rc->win_ex2_(), 20, 30);
  EXPECT_EQ(take_log(), "showex; list L2 0");
  EXPECT_TRUE(rc->win_ex2_().visible_());
  EXPECT_EQ(r.buttontext_("LAYER"), "Layer 2");
}

}  // namespace

namespace {

// The rows the host's frame covers at the top: the layout moves down by them, and a press in
// them (above the bar's own y = 0) only drags the window.
TEST_F(ribbon_input, frame_inset_moves_the_bar_and_a_press_above_it_raises_nothing) {
  build();
  xribbon_& r = rc->model();
  frame_top_inset_[3] = 4;
  r.pWindowID(3);
  rc->refresh_();
  EXPECT_EQ(rc->grbh_(), 117 + 4);
  const surface_& s = rc->bar().client_surface_();
  const sprite9_set_rec_& app = app_button_sprites_[1];
  EXPECT_EQ(s.colour_(1 + app.part[1].width + 1, 4 + 1 + app.part[1].height + 1), sprite_colour_(app.part[5]));
  window_& bar = rc->bar();
  click(bar, 20, 2);  // inside the frame's rows
  ribbon_rect_ big = on_bar(ids.big);
  click(bar, big.x + big.w / 2, 4 + big.y + big.h / 2);
  EXPECT_EQ(take_log(), "button NEW 0");
  click(bar, 20, 4 + 12);
  EXPECT_EQ(in_host(rc->win_ex1_()).y, 4 + 24 + 1);
  EXPECT_EQ(take_log(), "showex");
}

TEST_F(ribbon_input, dragging_the_list_thumb_scrolls_and_picks_nothing) {
  build(14);
  ribbon_rect_ q = on_bar(ids.combo);
  click(rc->bar(), q.x + 5, q.y + 5);
  window_& ex2 = rc->win_ex2_();
  const int32_t W = ex2.client_width_(), H = ex2.client_height_(), sx = W - 23 + 8;
  const ribbon_dropdown_state_& d = rc->model().dropdown;
  press(ex2, sx, 40);  // the thumb runs from below the up arrow for 10 / 14 of the track
  EXPECT_EQ(d.list_pressed_part, 2);
  inject_mouse_at_(ex2, mouse_type_::move, sx, H + 40);  // held past the list's bottom
  EXPECT_EQ(d.list_top, 5);
  inject_mouse_at_(ex2, mouse_type_::move, sx, 40 - 400);
  EXPECT_EQ(d.list_top, 1);
  release(ex2, sx, 40);
  EXPECT_EQ(d.list_pressed_part, 0);
  EXPECT_TRUE(ex2.visible_());
  EXPECT_EQ(take_log(), "showex");
}

}  // namespace
