// Presses, moves and releases on tool windows: clicks by button type, activation first, the
// close box, text boxes taking the focus, and menu-bar tracking.
#include "docktb_screen_fixture.h"

namespace {

class docktb_mouse : public docktb_screen {
 protected:
  pixel_point_ centre(int32_t t, int32_t i) {
    const auto& s = tb_->toolbars[size_t(t)].slots[size_t(i)];
    return {s.x + s.width / 2, s.y + s.height / 2};
  }
  void click_slot(int32_t t, int32_t i) {
    const pixel_point_ c = centre(t, i);
    click(tw(t), c.x, c.y);
  }
};

TEST_F(docktb_mouse, clicks_by_button_type) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("types", dock_top_);
  for (int32_t type = 0; type <= 5; ++type) plain(t, "k" + std::to_string(type), type);
  tb_->button_key2_(2, "second");
  show_all();
  activate_main();
  struct row {
    int32_t slot;
    bool arrow;  // press on the arrow part
    std::string want;
  };
  const row rows[] = {{1, false, "click 1 1 K0 K0"}, {2, false, "click 1 2 K1 SECOND"}, {3, false, ""},
                      {4, false, "click 1 4 K3 K3"}, {4, true, ""},   {5, false, ""},
                      {6, false, "click 1 6 K5 K5"}};
  for (const row& r : rows) {
    tb_->hide_menu_();
    log.clear();
    const auto& s = tb_->toolbars[size_t(t)].slots[size_t(r.slot)];
    const int32_t x = r.arrow ? s.x + s.width - 3 : s.x + 4;
    click(tw(t), x, 10);
    EXPECT_EQ(log, r.want.empty() ? std::vector<std::string>{} : std::vector<std::string>{r.want}) << r.slot;
    // Drop-down (2), fixed (4) and menu title (5) buttons and the split button's arrow open
    // their drop-down at the press; the others close any.
    const int32_t type = r.slot - 1;
    const bool opens = type == 2 || type == 4 || type == 5 || (type == 3 && r.arrow);
    EXPECT_EQ(tb_->menu_shown_(1), opens) << r.slot << (r.arrow ? " arrow" : "");
    EXPECT_EQ(tb_->menu_slot, opens ? r.slot : 0) << r.slot;
  }
}

TEST_F(docktb_mouse, a_release_over_another_button_raises_nothing) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("two", dock_top_);
  plain(t, "a");
  plain(t, "b");
  show_all();
  activate_main();
  std::vector<std::string> downs;
  tb_->MouseDown = [&](int16_t b, int16_t s, float x, float y) {
    downs.push_back(std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(int(x)) + " " +
                    std::to_string(int(y)));
  };
  down(tw(t), 15, 10);
  EXPECT_EQ(downs, std::vector<std::string>{"1 0 15 10"});
  EXPECT_EQ(tb_->button_down, true_);
  move(tw(t), 45, 10);
  up(tw(t), 45, 10);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(tb_->button_down, false_);
  EXPECT_EQ(tb_->press_hit.slot, 0);
  // Back over the pressed button before the release: a click.
  down(tw(t), 15, 10);
  move(tw(t), 45, 10);
  move(tw(t), 16, 10);
  up(tw(t), 16, 10);
  EXPECT_EQ(log, std::vector<std::string>{"click 1 1 A A"});
}

TEST_F(docktb_mouse, a_press_while_another_window_is_active_only_activates_the_main_window) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  plain(t, "a");
  show_all();
  window_options_ o;
  o.title = "dialog";
  o.x = 300;
  o.y = 300;
  o.width = 100;
  o.height = 100;
  o.in_taskbar = false;
  auto dialog = create_window_(o);
  dialog->show_();
  dialog->activate_();
  do_events_();
  ASSERT_EQ(active_window_(), dialog.get());
  int downs = 0;
  tb_->MouseDown = [&](int16_t, int16_t, float, float) { ++downs; };
  down(tw(t), 15, 10);
  do_events_();
  EXPECT_EQ(active_window_(), main_.get());
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(tb_->press_hit.slot, 0);
  EXPECT_EQ(tb_->button_down, 0);
  up(tw(t), 15, 10);
  EXPECT_TRUE(log.empty());
}

TEST_F(docktb_mouse, the_close_box_lights_presses_and_closes_with_any_button) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("float", dock_floating_, 1, 300, 300, false, 0, true);
  plain(t, "a");
  show_all();
  activate_main();
  const int32_t cw = tw(t).client_width_();
  for (int32_t button : {button_left_, button_right_}) {
    tb_->tbvisible_(t, true_);
    log.clear();
    move(tw(t), cw - 10, 10);
    EXPECT_EQ(tb_->close_hot_tb, t);
    down(tw(t), cw - 10, 10, button);
    EXPECT_EQ(tb_->close_press_tb, t);
    EXPECT_EQ(tb_->grip_down, 0);
    up(tw(t), cw - 10, 10, button);
    EXPECT_FALSE(tw(t).visible_());
    EXPECT_EQ(tb_->close_press_tb, 0);
    EXPECT_EQ(log, std::vector<std::string>{"hide 1"});
  }
  // The box's edges: 18 to 4 pixels from the right, 4 to 18 from the top.
  tb_->tbvisible_(t, true_);
  const int32_t cases[][3] = {{cw - 18, 4, 1}, {cw - 4, 18, 1}, {cw - 19, 10, 0}, {cw - 3, 10, 0}, {cw - 10, 3, 0},
                              {cw - 10, 19, 0}};
  for (const auto& c : cases) {
    move(tw(t), c[0], c[1]);
    EXPECT_EQ(tb_->close_hot_tb, c[2] ? t : 0) << c[0] << "," << c[1];
  }
}

// After a button of a floating window was pressed and released, its close box must light again
// at once (not only after the menus were closed by someone).
TEST_F(docktb_mouse, the_close_box_works_right_after_a_button_click) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("float", dock_floating_, 1, 300, 300, false, 0, true);
  plain(t, "a");
  show_all();
  activate_main();
  click_slot(t, 1);
  ASSERT_EQ(log, std::vector<std::string>{"click 1 1 A A"});
  ASSERT_EQ(tb_->last_hit.slot, 1);
  const int32_t cw = tw(t).client_width_();
  move(tw(t), cw - 10, 10);
  EXPECT_EQ(tb_->close_hot_tb, t);
  click(tw(t), cw - 10, 10);
  EXPECT_FALSE(tw(t).visible_());
  EXPECT_EQ(log.back(), "hide 1");
  // While a button is held, the close box stays dark.
  tb_->tbvisible_(t, true_);
  const pixel_point_ c = centre(t, 1);
  down(tw(t), c.x, c.y);
  move(tw(t), cw - 10, 10);
  EXPECT_EQ(tb_->close_hot_tb, 0);
  up(tw(t), cw - 10, 10);
  EXPECT_TRUE(tw(t).visible_());
}

TEST_F(docktb_mouse, text_boxes_take_the_focus_select_and_place_the_caret) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("box", dock_top_);
  plain(t, "a");
  std::string k = "cmd", text = "abcd";
  const int32_t box = tb_->add_button_(t, k, text, dock_btn_textbox_, nullptr, false, "", false, false, 100);
  show_all();
  activate_main();
  const auto& s = tb_->toolbars[size_t(t)].slots[2];
  ASSERT_EQ(s.width, 100);
  click(tw(t), s.x + 14, 10);
  EXPECT_EQ(log, std::vector<std::string>{"focus 1 " + std::to_string(box) + " CMD " + std::to_string(s.x) +
                                          " 1 100 24"});
  EXPECT_EQ(focus_state_code_, focus_toolbar_box_);
  EXPECT_EQ(focus_toolbar_, t);
  EXPECT_EQ(focus_item_, 2);
  EXPECT_EQ(focus_sel_anchor_, 0);  // the first press selects everything
  EXPECT_EQ(focus_caret_, 4);
  click(tw(t), s.x + 14, 10);  // the box has the focus: the caret goes to the pressed place
  EXPECT_EQ(focus_sel_anchor_, 2);
  EXPECT_EQ(focus_caret_, 2);
  // A drag selects from the press to the pointer.
  down(tw(t), s.x + 7, 10);
  move(tw(t), s.x + 21, 10);
  up(tw(t), s.x + 21, 10);
  EXPECT_EQ(focus_sel_anchor_, 1);
  EXPECT_EQ(focus_caret_, 3);
  EXPECT_EQ(tb_->tool_tips[size_t(tb_->toolbars[size_t(t)].window)], "");
  // A double click selects everything again.
  inject_mouse_at_(tw(t), mouse_type_::double_click, s.x + 7, 10, button_left_);
  inject_mouse_at_(tw(t), mouse_type_::up, s.x + 7, 10, button_left_);
  EXPECT_EQ(focus_sel_anchor_, 0);
  EXPECT_EQ(focus_caret_, 4);
  // A press elsewhere takes the focus away; a double click then selects nothing.
  click_slot(t, 1);
  EXPECT_EQ(focus_toolbar_, 0);
  inject_mouse_at_(tw(t), mouse_type_::double_click, 15, 10, button_left_);
  inject_mouse_at_(tw(t), mouse_type_::up, 15, 10, button_left_);
  EXPECT_EQ(focus_toolbar_, 0);
  EXPECT_EQ(focus_item_, 0);
  EXPECT_EQ(focus_caret_, 0);
  move(tw(t), 15, 10);
  EXPECT_EQ(tb_->tool_tips[size_t(tb_->toolbars[size_t(t)].window)], "tip a");
  EXPECT_EQ(tw(t).tooltip_(), "tip a");  // the window shows it as its tooltip
}

TEST_F(docktb_mouse, menu_titles_open_at_the_press_click_at_the_release_and_track_the_bar) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("menu", dock_top_, 1, -1, -1, true);
  const int32_t file = title(t, "file", "File");
  tb_->add_menu_(file, "new", "New");
  plain(t, "plain");
  const int32_t edit = title(t, "edit", "Edit");
  tb_->add_menu_(edit, "undo", "Undo");
  show_all();
  activate_main();
  click_slot(t, 1);
  EXPECT_EQ(log, std::vector<std::string>{"click 1 1 FILE FILE"});
  ASSERT_TRUE(tb_->menu_shown_(1));
  EXPECT_EQ(tb_->menu_slot, 1);
  const pixel_point_ p = centre(t, 2), e = centre(t, 3);
  move(tw(t), p.x, p.y);  // a plain button: the drop-down goes, the tracking stays
  EXPECT_FALSE(tb_->menu_shown_(1));
  EXPECT_EQ(tb_->menu_open, true_);
  EXPECT_EQ(tb_->menu_slot, 2);
  move(tw(t), e.x, e.y);
  ASSERT_TRUE(tb_->menu_shown_(1));
  EXPECT_EQ(tb_->menu_slot, 3);
  EXPECT_EQ(tb_->menu_height, 23 + 4);
  const pixel_rect_ m = tb_->menu1_->window_rect_();
  EXPECT_EQ(m.left, tw(t).window_rect_().left + tb_->toolbars[size_t(t)].slots[3].x);
  // Pressing the open title closes the menus.
  log.clear();
  down(tw(t), e.x, e.y);
  EXPECT_FALSE(tb_->menu_shown_(1));
  EXPECT_EQ(tb_->menu_open, 0);
  up(tw(t), e.x, e.y);
}

}  // namespace
