// A whole host on the screen: a menu bar, docked and floating toolbars and an open drop-down,
// photographed from the screen and compared with what the painters put on the windows'
// surfaces; then a session of injected events through menus, drags and a close box. Runs
// offscreen, and on a real X server (scripts/test runs it again under xvfb-run).
#include "docktb_screen_fixture.h"
#include "platform/services/screen.h"

namespace {

class docktb_session : public docktb_screen {
 protected:
  void SetUp() override {
    docktb_screen::SetUp();
    dock_all();
    bar = tb_->add_toolbar_("Menu", dock_top_, 1, -1, -1, true);
    file = title(bar, "file", "File");
    tb_->add_menu_(file, "new", "New", "Ctrl+N");
    tb_->add_menu_(file, "sep", "-");
    tb_->add_menu_(file, "more", "More");
    tb_->add_submenu_(file, 3, "first", "First");
    tb_->add_submenu_(file, 3, "second", "Second");
    edit = title(bar, "edit", "Edit");
    tb_->add_menu_(edit, "undo", "Undo");
    tools = tb_->add_toolbar_("Tools", dock_top_, 2);
    plain(tools, "line");
    plain(tools, "arc", dock_btn_plain_, true);
    plain(tools, "drop", dock_btn_dropdown_);
    side = tb_->add_toolbar_("Side", dock_left_);
    plain(side, "zoom");
    floating = tb_->add_toolbar_("Float", dock_floating_, 1, main_x + 500, main_y + 350, false, 0, true);
    plain(floating, "hatch");
    show_all();
    activate_main();
    for (int i = 0; i < 100 && active_window_() != main_.get(); ++i) wait_events_(5);
    // Without a window manager, X stacks the activated main window over the windows it owns.
    tw(floating).raise_();
  }

  pixel_point_ centre(int32_t t, int32_t i) {
    const auto& s = tb_->toolbars[size_t(t)].slots[size_t(i)];
    return {s.x + s.width / 2, s.y + s.height / 2};
  }

  // Pixels where the screen differs from the window's own surface, leaving out what lies
  // under the covering window (when given) and, for a docked window, beyond its dock area
  // (a menu bar runs 12 pixels past the area's end).
  int32_t screen_mismatches(window_& w, const window_* cover) {
    const pixel_rect_ r = w.window_rect_();
    surface_ shot;
    if (!capture_screen_(r, shot) || shot.width_() != r.width_() || shot.height_() != r.height_()) return -1;
    const surface_& own = w.client_surface_();
    const pixel_rect_ c = cover ? cover->window_rect_() : pixel_rect_{};
    const window_* p = w.parent_();
    const pixel_rect_ pr = p ? p->client_rect_() : pixel_rect_{};
    int32_t bad = 0;
    for (int32_t y = 0; y < shot.height_(); ++y)
      for (int32_t x = 0; x < shot.width_(); ++x) {
        const int32_t sx = r.left + x, sy = r.top + y;
        if (cover && sx >= c.left && sx < c.right && sy >= c.top && sy < c.bottom) continue;
        if (p && (sx < pr.left || sx >= pr.right || sy < pr.top || sy >= pr.bottom)) continue;
        bad += shot.colour_(x, y) != own.colour_(x, y);
      }
    return bad;
  }

  // Waits until the screen shows every window as painted.
  int32_t settle(const std::vector<window_*>& windows, const window_* cover) {
    int32_t bad = -1;
    for (int i = 0; i < 100 && bad != 0; ++i) {
      bad = 0;
      for (window_* w : windows) {
        const int32_t m = screen_mismatches(*w, w == cover ? nullptr : cover);
        bad += m < 0 ? 1000000 : m;
      }
      if (bad != 0) wait_events_(5);
    }
    return bad;
  }

  int32_t bar = 0, tools = 0, side = 0, floating = 0, file = 0, edit = 0;
};

TEST_F(docktb_session, the_screen_shows_what_the_painters_drew) {
  const pixel_point_ f = centre(bar, 1);
  click(tw(bar), f.x, f.y);
  ASSERT_TRUE(tb_->menu_shown_(1));
  window_* menu = tb_->menu1_.get();
  EXPECT_EQ(settle({&tw(bar), &tw(tools), &tw(side), &tw(floating), menu}, menu), 0);
  // The drop-down's rows lie in its content; its frame is the popup border colour.
  EXPECT_EQ(menu->client_surface_().colour_(0, 0), uint32_t(skin_palette_.color_popup_border));
}

TEST_F(docktb_session, menus_drags_and_the_close_box) {
  // Open File, slide to Edit and back.
  const pixel_point_ f = centre(bar, 1), e = centre(bar, 2);
  click(tw(bar), f.x, f.y);
  ASSERT_TRUE(tb_->menu_shown_(1));
  move(tw(bar), e.x, e.y);
  EXPECT_EQ(tb_->menu_slot, 2);
  ASSERT_TRUE(tb_->menu_shown_(1));
  move(tw(bar), f.x, f.y);
  EXPECT_EQ(tb_->menu_slot, 1);
  // Down to "More" (third row, y 28..51): its sub-menu opens; pick "Second".
  move(*tb_->menu1_, 20, 40);
  move(*tb_->menu1_, 20, 40);
  ASSERT_TRUE(tb_->menu_shown_(2));
  log.clear();
  move(*tb_->menu2_, 20, 30);
  down(*tb_->menu2_, 20, 30);
  up(*tb_->menu2_, 20, 30);
  EXPECT_EQ(log, std::vector<std::string>{"pick 1 1 1 SECOND 0 0"});
  EXPECT_FALSE(tb_->menu_shown_(1));
  EXPECT_FALSE(tb_->menu_shown_(2));

  // Drag the tools from the top area to the left one, to floating and back to the top.
  const pixel_rect_ start = tw(tools).window_rect_();
  down(tw(tools), 5, 10);
  inject_mouse_(mouse_type_::move, main_x + 5, main_y + 300);
  EXPECT_EQ(tb_->toolbars[size_t(tools)].dock, dock_left_);
  EXPECT_EQ(tw(tools).parent_(), area_[3].get());
  inject_mouse_(mouse_type_::move, main_x + 400, main_y + 300);
  EXPECT_EQ(tb_->toolbars[size_t(tools)].dock, dock_floating_);
  EXPECT_EQ(tw(tools).window_rect_().left, main_x + 400 - 5);
  inject_mouse_(mouse_type_::move, main_x + 300, start.top + 10);
  EXPECT_EQ(tb_->toolbars[size_t(tools)].dock, dock_top_);
  inject_mouse_(mouse_type_::up, main_x + 300, start.top + 10, button_left_);
  EXPECT_EQ(tb_->toolbars[size_t(tools)].row, 2);
  EXPECT_EQ(tw(tools).window_rect_(),
            (pixel_rect_{main_x + 295, start.top, int32_t(main_x + 295 + start.width_()), start.bottom}));
  EXPECT_GE(resize_docks_, 3);

  // Close the floating window by its close box.
  log.clear();
  const int32_t cw = tw(floating).client_width_();
  move(tw(floating), cw - 10, 10);
  click(tw(floating), cw - 10, 10);
  EXPECT_FALSE(tw(floating).visible_());
  EXPECT_EQ(log, std::vector<std::string>{"hide " + std::to_string(floating)});
}

}  // namespace
