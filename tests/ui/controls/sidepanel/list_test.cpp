// Drop lists: opening by a press on the combo, size and place, painting, picking rows and
// value cells, and closing.
#include "panel_fixture.h"
#include "shell/colors.h"
#include "ui/skin/popup_background.h"

namespace {

class panel_list : public panel_host {
 protected:
  void SetUp() override {
    panel_host::SetUp();
    set_popup_screen_source_([](const pixel_rect_& r, surface_& out) {
      out = surface_(int32_t(r.width_()), int32_t(r.height_()));
      out.fill_colour_(0x00C0C0C0);
      return true;
    });
  }
  void TearDown() override {
    set_popup_screen_source_(nullptr);
    panel_host::TearDown();
  }
  void open_colours() {
    build_tool_panel();
    log.clear();
    click(centre("COL").x, centre("COL").y);
  }
  window_& lw() { return *panel->list_window_(); }
};

// Rows of the tool panel's colour list: "By layer" at y 2, the separator at 25, the three
// value cells at 31 and "Red" at 54, each list row 23 high.
TEST_F(panel_list, a_press_on_the_combo_opens_its_list_below_it) {
  open_colours();
  ASSERT_TRUE(panel->list_open_());
  EXPECT_EQ(popup_open_, true_);
  EXPECT_EQ(log, (std::vector<std::string>{"show", "off"}));
  const panel_item_rec_& c = panel->item_(panel->key2id_("COL"));
  const pixel_rect_ r = lw().window_rect_();
  const pixel_point_ at_combo = pw().client_to_screen_({c.painted_x, c.painted_y + c.painted_h});
  EXPECT_EQ(r.left, at_combo.x);
  EXPECT_EQ(r.top, at_combo.y);
  EXPECT_EQ(r.width_(), 150 + 5);  // the combo's width beats 69 + 25 + 10
  EXPECT_EQ(r.height_(), 23 * 3 + 6 + 4 + 5);
  EXPECT_EQ(lw().owner_(), main.get());
}

TEST_F(panel_list, a_value_row_is_as_wide_as_its_cells) {
  const int32_t g = panel->add_group_("G", "");
  panel->add_item_(g, "FILL", 4, "", false_, "", 0, 0, 0, 30, 22);
  panel->add_comboitem_("FILL", "FC.V", "%:1|2|3");
  panel->refresh_();
  click(centre("FILL").x, centre("FILL").y);
  ASSERT_TRUE(panel->list_open_());
  EXPECT_EQ(lw().window_rect_().width_(), 3 * 23 + 25 + 10 + 5);
}

TEST_F(panel_list, a_list_of_hidden_rows_keeps_its_least_size) {
  const int32_t g = panel->add_group_("G", "");
  panel->add_item_(g, "W", 4, "", false_, "", 0, 0, 0, 60, 22);
  panel->add_comboitem_("W", "W.1", "One", "", false_, -1, -1, false_, "", false_);
  panel->refresh_();
  click(centre("W").x, centre("W").y);
  ASSERT_TRUE(panel->list_open_());
  EXPECT_EQ(lw().window_rect_().height_(), 10 + 5);
  EXPECT_EQ(lw().window_rect_().width_(), 60 + 5);
}

TEST_F(panel_list, picking_a_value_cell_or_a_plain_row) {
  struct row {
    int32_t x, y;
    std::string event;
    int32_t selected;  // row id the combo shows afterwards
  };
  for (const row& r : {row{36, 42, "pick DC.VALS 2", 3}, row{60, 66, "pick DC.RED 0", 4}, row{13, 35, "pick DC.VALS 1", 3}}) {
    make_panel();
    open_colours();
    ASSERT_TRUE(panel->list_open_());
    list_move(r.x, r.y);
    list_click(r.x, r.y);
    EXPECT_FALSE(panel->list_open_());
    EXPECT_EQ(popup_open_, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"show", "off", r.event}));
    EXPECT_EQ(panel->item_(panel->key2id_("COL")).combo_value, r.selected);
    // The panel takes clicks again at once, also where showing the list moved the activation.
    settle();
    log.clear();
    click(centre("OK").x, centre("OK").y);
    EXPECT_EQ(log, (std::vector<std::string>{"off", "button OK 3"}));
  }
}

// A press on a separator or in the margin picks nothing, also after a row was lit before.
TEST_F(panel_list, a_press_off_the_rows_picks_nothing) {
  for (const pixel_point_ off : {pixel_point_{60, 27}, pixel_point_{152, 12}, pixel_point_{-30, 12}}) {
    make_panel();
    open_colours();
    list_move(60, 12);  // "By layer" lit
    list_move(off.x, off.y);
    list_click(off.x, off.y);
    EXPECT_FALSE(panel->list_open_());
    EXPECT_EQ(log, (std::vector<std::string>{"show", "off"})) << off.x << "," << off.y;
    EXPECT_EQ(panel->item_(panel->key2id_("COL")).combo_value, 1);
  }
  // Nor does a press in a list that was closed by the host while a row was lit.
  make_panel();
  open_colours();
  list_move(60, 12);
  panel->hide_winex_();
  panel->show_combolist_(main->handle_(), "COL");
  list_click(60, 40);
  EXPECT_EQ(log.back(), "show");
}

TEST_F(panel_list, the_list_paints_rows_cells_swatches_and_frame) {
  open_colours();
  list_move(60, 12);
  const skin_palette_rec_& p = skin_palette_;
  EXPECT_EQ(list_at(100, 12), colour_of(menu_row_sprites_[1].part[5]));  // the lit row
  EXPECT_EQ(list_at(13, 42), 255u);                                       // cell 1 swatch
  EXPECT_EQ(list_at(2 + 23 * 2 + 11, 42), 16711680u);                     // cell 3 swatch
  EXPECT_EQ(list_at(2 + 23 * 2 + 4, 42), uint32_t(blend_colors_(p.color_popup_margin, p.color_popup_border, 0.25f)));
  EXPECT_EQ(list_at(13, 65), 255u);  // the "Red" row's swatch
  EXPECT_EQ(list_at(60, 27), uint32_t(blend_colors_(p.color_menu_text_dis, p.color_main_menu, 0.5f)));
  EXPECT_EQ(list_at(60, 28), uint32_t(blend_colors_(p.color_menu_text_dis, p.color_main_menu, 0.95f)));
  EXPECT_EQ(list_at(0, 40), uint32_t(blend_colors_(p.color_popup_border, p.color_text_border, 0.5f)));
  // The shadow band: the captured grey, darkened.
  const int32_t w = lw().client_width_();
  EXPECT_NE(list_at(w - 2, 40), 0x00C0C0C0u);
  EXPECT_NE(list_at(w - 2, 40), uint32_t(p.color_popup_menu));
  list_move(36, 42);  // a lit cell, and the row above no longer lit
  EXPECT_EQ(list_at(26, 32), colour_of(menu_row_sprites_[1].part[1]));
  EXPECT_EQ(list_at(100, 12), uint32_t(p.color_popup_menu));
}

TEST_F(panel_list, the_panel_is_still_while_the_list_is_open_and_a_press_on_it_closes_it) {
  open_colours();
  const surface_ before = pw().client_surface_();
  panel->rborder_(true_);
  panel->refresh_();
  EXPECT_EQ(pw().client_surface_().colour_(panel_w - 1, 3), before.colour_(panel_w - 1, 3));
  // With the list holding the capture, a press on the panel reaches the list and closes it.
  click(centre("OK").x, centre("OK").y);
  EXPECT_FALSE(panel->list_open_());
  EXPECT_EQ(log, (std::vector<std::string>{"show", "off"}));
}

TEST_F(panel_list, opening_a_key_no_item_has_shows_nothing) {
  build_tool_panel();
  log.clear();
  panel->show_combolist_(main->handle_(), "NONE");
  EXPECT_EQ(log, (std::vector<std::string>{"show"}));
  EXPECT_FALSE(panel->list_open_());
  EXPECT_EQ(popup_open_, 0);
}

TEST_F(panel_list, a_screen_point_places_the_list) {
  build_tool_panel();
  panel->show_combolist_(main->handle_(), "COL", 300, 200);
  ASSERT_TRUE(panel->list_open_());
  EXPECT_EQ(lw().window_rect_().left, 300);
  EXPECT_EQ(lw().window_rect_().top, 200);
  panel->hide_winex_();
}

}  // namespace
