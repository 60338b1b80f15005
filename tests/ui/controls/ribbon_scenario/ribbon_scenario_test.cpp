// A small ribbon shown as a desktop shows it: what the screen shows of the bar is what the bar
// painter painted, with the test skin's sprite colours in their places, and a scripted round of
// clicks raises exactly the expected events in order. Runs offscreen and again on an X server.
#include "ui/controls/ribbon/ribbon_screen_fixture.h"

#include "platform/services/screen.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

class ribbon_scenario : public ribbon_screen {
 public:
  // Lets the platform show what was asked: events, and on a real server some time.
  void show_settle() {
    for (int i = 0; i < 20; ++i) {
      do_events_();
      sleep_ms_(2);
    }
  }
  // What the screen shows of a window's client area; offscreen, the window's own rendering.
  bool photo(window_& w, surface_& out) {
    const pixel_rect_ r = w.client_rect_();
    if (capture_screen_(r, out)) return out.width_() == r.width_() && out.height_() == r.height_();
    return w.grab_(out);
  }
  // Pixels where the photograph differs from the painted surface; -1 without a photograph.
  int32_t mismatches(window_& w) {
    int32_t bad = -1;
    for (int attempt = 0; attempt < 100 && bad != 0; ++attempt) {
      surface_ shot;
      if (!photo(w, shot)) return -1;
      const surface_& painted = w.client_surface_();
      bad = 0;
      for (int32_t y = 0; y < shot.height_(); ++y)
        for (int32_t x = 0; x < shot.width_(); ++x) bad += shot.colour_(x, y) != painted.colour_(x, y);
      if (bad) show_settle();
    }
    return bad;
  }
};

TEST_F(ribbon_scenario, the_screen_shows_the_painted_bar_with_the_skin_sprites) {
  build();
  window_& bar = rc->bar();
  host->activate_();
  show_settle();
  ribbon_rect_ big = on_bar(ids.big);
  move(bar, big.x + big.w / 2, big.y + big.h / 2);  // the large button in its hover member
  show_settle();
  surface_ shot;
  if (platform_name_() == "xcb") {
    EXPECT_TRUE(capture_screen_(bar.client_rect_(), shot));  // a real photograph
  }
  EXPECT_EQ(mismatches(bar), 0);
  ASSERT_TRUE(photo(bar, shot));
  const sprite9_set_rec_& app = app_button_sprites_[1];
  EXPECT_EQ(shot.colour_(1 + app.part[1].width + 1, 1 + app.part[1].height + 1), sprite_colour_(app.part[5]));
  const sprite9_set_rec_& hover = item_large_sprites_[1];
  EXPECT_EQ(shot.colour_(big.x + hover.part[1].width + 1, big.y + hover.part[1].height + 1),
            sprite_colour_(hover.part[5]));
  // The body below the tab row, left of the first toolbar: the body set of the window's state.
  const sprite12_set_rec_& body = ribbon_body_sprites_[rc->window_active() == true_ ? 1 : 2];
  bool body_seen = false;
  for (int i = 0; i < 12; ++i) body_seen |= shot.colour_(1, 60) == sprite_colour_(body.part[i]);
  EXPECT_TRUE(body_seen);
}

TEST_F(ribbon_scenario, scripted_clicks_raise_the_expected_events_in_order) {
  build(14);
  window_& bar = rc->bar();
  show_settle();
  xribbon_& r = rc->model();
  // The application menu's second item (after the separator).
  click(bar, 20, 12);
  app_menu_insets_rec_ in;
  draw_main_menu_frame_(0, nullptr, 0, 0, 0, 0, in, "", "", 0, 0);
  click(rc->win_ex1_(), in.left + 50, in.top + 38 + 5 + 10);
  // The second tab, then back to the first.
  const ribbon_tab_rec_& view = r.tabs[2];
  click(bar, (view.left + view.right) / 2, 10);
  const ribbon_tab_rec_& home = r.tabs[1];
  click(bar, (home.left + home.right) / 2, 10);
  // The split button's drop part, then its second row.
  ribbon_rect_ s = on_bar(ids.split);
  click(bar, s.x + s.w / 2, s.y + s.h - 4);
  click(rc->win_ex2_(), 30, 2 + 23 + 10);
  // The combo: one step down the list with its arrow, then the first row shown.
  ribbon_rect_ c = on_bar(ids.combo);
  click(bar, c.x + c.w / 2, c.y + c.h / 2);
  window_& ex2 = rc->win_ex2_();
  const int32_t ax = ex2.client_width_() - 23 + 8, ay = 1 + (ex2.client_height_() - 7) - 3;
  int reads = 0;
  rc->clock = [&] {
    if (++reads == 3) release(ex2, ax, ay);  // released before the repeat delay
    if (reads > 40) r.dropdown.ex2_mouse.down = false_;
    return 0.0;
  };
  press(ex2, ax, ay);
  EXPECT_EQ(r.dropdown.list_top, 2);
  click(ex2, 20, 2 + 10);
  // The collapsed toolbar's button.
  const ribbon_toolbar_rec_& t = r.toolbars[ids.tools];
  click(bar, (t.left + t.right) / 2, 60);
  ribbon_rect_ q;
  ASSERT_TRUE(r.control_rect_in_window_(ids.measure, q));
  click(rc->win_ex1_(), q.x + q.w / 2, q.y + q.h / 2);
  EXPECT_EQ(take_log(),
            "showex; menu M_OPEN; tab VIEW; tab HOME; showex; popup PASTE_LINK 0; showex; list L2 0; showex; "
            "button MEASURE 0");
  EXPECT_FALSE(rc->winex_visible_());
  EXPECT_EQ(popup_open_, 0);
}

}  // namespace
