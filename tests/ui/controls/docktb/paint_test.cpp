// Tool windows and menus painted on the flat test skin: each sprite is one colour, so a pixel
// tells which part was drawn in which state.
#include "docktb_screen_fixture.h"
#include "ui/skin/skin_palette.h"

namespace {

class docktb_paint : public docktb_screen {
 protected:
  const dock_button_slot_rec_& slot(int32_t t, int32_t i) { return tb_->toolbars[size_t(t)].slots[size_t(i)]; }
  // A pixel inside a button's face, clear of its corners, icon and text.
  uint32_t face(int32_t t, int32_t i) {
    const auto& s = slot(t, i);
    return pixel(t, s.x + dock_button_sprites_[1].part[0].width, s.y + 12);
  }
  static uint32_t body(int m) { return colour_of(dock_button_sprites_[m].part[6]); }
  void make_dialog() {
    window_options_ o;
    o.title = "dialog";
    o.x = 300, o.y = 300, o.width = 100, o.height = 100;
    o.in_taskbar = false;
    dialog_ = create_window_(o);
    dialog_->show_();
  }
  std::unique_ptr<window_> dialog_;
};

TEST_F(docktb_paint, the_close_box_by_state) {
  dock_all();
  const int32_t plain_bar = tb_->add_toolbar_("no box", dock_floating_, 1, 200, 300);
  plain(plain_bar, "p");
  const int32_t t = tb_->add_toolbar_("box", dock_floating_, 1, 400, 300, false, 0, true);
  plain(t, "a");
  show_all();
  activate_main();
  const int32_t cw = tw(t).client_width_();
  const int32_t bx = cw - 18 + 1, by = 4 + 1;  // inside the box, beside its glyph
  const uint32_t title = uint32_t(skin_palette_.color_tbbgtitle);
  const uint32_t hot = colour_of(dock_button_sprites_[1].part[0]), pressed = colour_of(dock_button_sprites_[3].part[0]);
  EXPECT_EQ(pixel(plain_bar, tw(plain_bar).client_width_() - 17, 5), title);
  EXPECT_EQ(pixel(t, bx, by), title);
  move(tw(t), cw - 10, 10);
  EXPECT_EQ(pixel(t, bx, by), hot);
  down(tw(t), cw - 10, 10);
  EXPECT_EQ(pixel(t, bx, by), pressed);
  move(tw(t), 10, 30);  // off the box with the button held: hot again
  EXPECT_EQ(tb_->close_press_tb, t);
  EXPECT_EQ(pixel(t, bx, by), hot);
  tb_->endbtn_menu_tb = 5;
  tb_->paint_toolbar_(t, -1, -1);
  EXPECT_EQ(pixel(t, bx, by), title);
  tb_->endbtn_menu_tb = 0;
  up(tw(t), 10, 30);
}

TEST_F(docktb_paint, the_end_button_by_state) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("one", dock_top_);
  plain(t, "a");
  const int32_t u = tb_->add_toolbar_("two", dock_top_);
  plain(u, "b");
  show_all();
  const int32_t w = rec(t).cx;
  auto end_of = [&](int32_t bar) { return pixel(bar, rec(bar).cx - 6, 2); };
  EXPECT_EQ(end_of(t), colour_of(dock_end_button_sprites_[1]));
  activate_main();
  move(tw(t), w - 6, 10);
  EXPECT_EQ(end_of(t), colour_of(dock_end_button_sprites_[2]));
  click(tw(t), w - 6, 10);  // opens the list
  ASSERT_EQ(tb_->endbtn_menu_tb, t);
  tb_->refresh(0);
  EXPECT_EQ(end_of(t), colour_of(dock_end_button_sprites_[3]));
  tb_->paint_toolbar_(u, rec(u).cx - 6, 10);
  EXPECT_EQ(end_of(u), colour_of(dock_end_button_sprites_[1]));
  tb_->hide_menu_();
  // With the main window inactive nothing lights.
  make_dialog();
  dialog_->activate_();
  do_events_();
  tb_->timer_tick_();
  ASSERT_EQ(tb_->main_active, 0);
  tb_->paint_toolbar_(t, w - 6, 10);
  EXPECT_EQ(end_of(t), colour_of(dock_end_button_sprites_[1]));
}

TEST_F(docktb_paint, hot_pressed_inactive_and_open_buttons) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  plain(t, "a");
  plain(t, "drop", dock_btn_dropdown_, true);
  const int32_t u = tb_->add_toolbar_("other", dock_top_);
  plain(u, "b");
  show_all();
  activate_main();
  const uint32_t band = face(t, 1);
  EXPECT_NE(band, body(1));
  move(tw(t), slot(t, 1).x + 12, 12);
  EXPECT_EQ(face(t, 1), body(1));
  down(tw(t), slot(t, 1).x + 12, 12);
  EXPECT_EQ(face(t, 1), body(3));
  move(tw(t), slot(t, 2).x + 5, 12);  // held, off the button: hot
  EXPECT_EQ(face(t, 1), body(1));
  EXPECT_EQ(face(t, 2), band);
  up(tw(t), slot(t, 2).x + 5, 12);
  // The separator before the second slot.
  EXPECT_EQ(pixel(t, slot(t, 2).x - 3, slot(t, 2).y + 5), colour_of(dock_separator_sprites_[1]));
  // An open drop-down keeps its button pressed and lights nothing in other tool windows.
  click(tw(t), slot(t, 2).x + 5, 12);
  ASSERT_TRUE(tb_->menu_shown_(1));
  move(tw(u), slot(u, 1).x + 12, 12);
  EXPECT_EQ(tb_->hover_hit.toolbar, u);
  EXPECT_EQ(face(t, 2), body(3));
  EXPECT_EQ(face(u, 1), band);
  tb_->hide_menu_();
  move(tw(t), slot(t, 1).x + 12, 12);
  EXPECT_EQ(face(t, 1), body(1));
  make_dialog();
  dialog_->activate_();
  do_events_();
  tb_->timer_tick_();
  tb_->refresh(t);
  EXPECT_EQ(tb_->hover_hit.slot, 1);
  EXPECT_EQ(face(t, 1), band);
}

TEST_F(docktb_paint, vertical_windows_turn_separators_and_the_end_button) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("side", dock_left_);
  plain(t, "a");
  plain(t, "b", dock_btn_plain_, true);
  show_all();
  const auto& s = slot(t, 2);
  ASSERT_EQ(s.x, 1);
  ASSERT_EQ(s.y, 12 + 25 + 4);
  EXPECT_EQ(pixel(t, s.x + 5, s.y - 3), colour_of(dock_separator_sprites_[2]));
  EXPECT_EQ(pixel(t, 2, rec(t).cy - 6), colour_of(dock_end_button_sprites_[6]));
  activate_main();
  move(tw(t), 10, rec(t).cy - 6);
  EXPECT_EQ(pixel(t, 2, rec(t).cy - 6), colour_of(dock_end_button_sprites_[7]));
  EXPECT_EQ(tb_->hit_test_toolbar_(t, 10, rec(t).cy - 6, false_).slot, -t);
}

TEST_F(docktb_paint, the_menu_bar_and_an_open_title) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("menu", dock_top_, 1, -1, -1, true);
  title(t, "file", "File");
  show_all();
  activate_main();
  ASSERT_GE(skin_palette_.color_bgmenu, 1);
  EXPECT_EQ(pixel(t, rec(t).cx - 3, 2), uint32_t(skin_palette_.color_bgmenu));
  click(tw(t), slot(t, 1).x + 5, 10);
  ASSERT_TRUE(tb_->menu_shown_(1));
  EXPECT_EQ(face(t, 1), body(5));
  // The drop-down: its frame, and the row under the cursor.
  EXPECT_EQ(tb_->menu1_->client_surface_().colour_(0, 0), uint32_t(skin_palette_.color_popup_border));
}

TEST_F(docktb_paint, a_highlighted_row_and_the_shadow_band) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  std::string k = "drop", s = "Drop";
  int32_t icon = 0;
  const int32_t b = tb_->add_button_(t, k, s, dock_btn_dropdown_, &icon);
  tb_->add_menu_(b, "one", "One");
  tb_->add_menu_(b, "two", "Two");
  show_all();
  activate_main();
  click(tw(t), slot(t, 1).x + 5, 10);
  const surface_& m = tb_->menu1_->client_surface_();
  const uint32_t lit = colour_of(menu_row_sprites_[1].part[5]);
  move(*tb_->menu1_, 40, 30);
  EXPECT_EQ(m.colour_(80, 25 + 11), lit);
  EXPECT_NE(m.colour_(80, 2 + 11), lit);
  EXPECT_EQ(tb_->menu_hot_item, 2);
  EXPECT_EQ(tb_->menu_hot_key, "TWO");
  // The band right of and below the content holds the captured background, not the menu.
  EXPECT_NE(m.colour_(tb_->menu_width + 2, 30), lit);
  EXPECT_NE(m.colour_(tb_->menu_width + 2, 30), uint32_t(skin_palette_.color_popup_border));
  // Once the cursor is elsewhere, the timer's sweep takes the highlight away.
  inject_mouse_(mouse_type_::move, main_x + 400, main_y + 400);
  tb_->timer_tick_();
  EXPECT_EQ(tb_->menu_hot_shown, 0);
  EXPECT_NE(m.colour_(80, 25 + 11), lit);
}

TEST_F(docktb_paint, text_box_borders_follow_the_focus) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("box", dock_top_);
  std::string k = "cmd", text = "abc";
  tb_->add_button_(t, k, text, dock_btn_textbox_, nullptr, false, "", false, false, 80);
  show_all();
  activate_main();
  ASSERT_NE(skin_palette_.color_foc2_border, skin_palette_.color_text_border);
  const auto& s = slot(t, 1);
  EXPECT_EQ(pixel(t, s.x + 2, s.y + 2), uint32_t(skin_palette_.color_text_border));
  EXPECT_EQ(pixel(t, s.x + 10, s.y + 3), uint32_t(skin_palette_.color_main_menu));
  click(tw(t), s.x + 10, 10);
  EXPECT_EQ(pixel(t, s.x + 2, s.y + 2), uint32_t(skin_palette_.color_foc2_border));
}

TEST_F(docktb_paint, owner_drawn_buttons_stay_inside_their_face) {
  dock_all();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  std::string k = "color", s = "";
  tb_->add_button_(t, k, s, dock_btn_fixed_, nullptr, false, "", false, false, 60);
  tb_->button_cdraw_(1, true_);
  const int32_t v = tb_->add_toolbar_("vbar", dock_left_);
  tb_->add_button_(v, k, s, dock_btn_fixed_, nullptr, false, "", false, false, 60);
  std::vector<std::string> calls;
  constexpr uint32_t ink = 0x00FF00;
  tb_->UserDraw = [&](int32_t tb, int32_t b, const std::string& key, const std::string&, int32_t value, dc_* dc,
                      int32_t x, int32_t y, int32_t w, int32_t h, int32_t um, int16_t vert) {
    calls.push_back(std::to_string(tb) + " " + std::to_string(b) + " " + key + " " + std::to_string(value) + " " +
                    std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(w) + " " +
                    std::to_string(h) + " " + std::to_string(um) + " " + std::to_string(vert));
    dc->fill_rectangle_({0, 0, 1000, 1000}, ink);
  };
  show_all();
  calls.clear();
  tb_->refresh(0);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], "1 1 COLOR 0 12 1 60 24 25 0");
  EXPECT_EQ(calls[1], "2 1 COLOR 0 1 12 24 60 25 -1");
  struct probe {
    int32_t t, x, y;
    bool inked;
  };
  // Horizontal: x 14..55, y 3..20 (60 wide, 24 high at 12, 1). Vertical: x 3..20, y 14..55.
  const probe probes[] = {{t, 14, 3, true},  {t, 13, 10, false}, {t, 14, 2, false}, {t, 55, 20, true},
                          {t, 56, 10, false}, {t, 30, 21, false}, {v, 3, 14, true},  {v, 2, 20, false},
                          {v, 20, 55, true},  {v, 21, 30, false}, {v, 10, 56, false}};
  for (const probe& p : probes) EXPECT_EQ(pixel(p.t, p.x, p.y) == ink, p.inked) << p.t << " " << p.x << "," << p.y;
}

TEST_F(docktb_paint, embedded_windows_move_to_their_slot) {
  dock_all();
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = main_.get();
  o.width = 41, o.height = 21;
  auto box = create_window_(o);
  box->show_no_activate_();
  const int32_t t = tb_->add_toolbar_("bar", dock_top_);
  plain(t, "a");
  std::string k = "embed", s = "";
  tb_->add_button_(t, k, s, dock_btn_embedded_, nullptr, false, "", false, false, 100, 0, 0, "", box->handle_());
  show_all();
  ASSERT_EQ(box->parent_(), &tw(t));
  const pixel_rect_ r = box->window_rect_(), c = tw(t).client_rect_();
  EXPECT_EQ(r.left - c.left, slot(t, 2).x);
  EXPECT_EQ(r.top - c.top, slot(t, 2).y);
  EXPECT_EQ(slot(t, 2).x, 12 + 25);
}

}  // namespace
