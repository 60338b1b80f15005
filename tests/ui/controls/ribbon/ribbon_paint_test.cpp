// The bar and drop-down painters on the flat test skin: a pixel tells which sprite member was
// drawn there, so each state shows as a colour.
#include "ribbon_screen_fixture.h"

#include "ui/skin/paint_items.h"
#include "ui/skin/skin_palette.h"

namespace {

using ribbon_paint = ribbon_screen;

// A pixel inside the middle part of a nine-part member drawn at (x, y), clear of captions.
pixel_point_ middle_of(const sprite9_set_rec_& s, int32_t x, int32_t y) {
  return {x + s.part[1].width + 1, y + s.part[1].height + 1};
}

TEST_F(ribbon_paint, controls_and_the_application_button_show_their_state_members) {
  build();
  window_& bar = rc->bar();
  const surface_& s = bar.client_surface_();
  ribbon_rect_ big = on_bar(ids.big), cut = on_bar(ids.cut);
  const pixel_point_ app = middle_of(app_button_sprites_[1], 1, 1);
  const uint32_t hover = sprite_colour_(item_large_sprites_[1].part[5]),
                 pressed = sprite_colour_(item_large_sprites_[2].part[5]);
  const pixel_point_ b = middle_of(item_large_sprites_[1], big.x, big.y);
  const int32_t bcx = big.x + big.w / 2, bcy = big.y + big.h / 2;

  move(bar, cut.x + 2, cut.y + 2);  // another control
  EXPECT_NE(s.colour_(b.x, b.y), hover);
  EXPECT_NE(s.colour_(b.x, b.y), pressed);
  EXPECT_EQ(s.colour_(app.x, app.y), sprite_colour_(app_button_sprites_[1].part[5]));
  move(bar, bcx, bcy);
  EXPECT_EQ(s.colour_(b.x, b.y), hover);
  EXPECT_EQ(rc->model().hit.hot_kind, hot_control_);
  EXPECT_EQ(rc->model().hit.hot_index, ids.big);
  inject_mouse_at_(bar, mouse_type_::down, bcx, bcy, button_left_);
  EXPECT_EQ(s.colour_(b.x, b.y), pressed);
  // Held and moved off: the pressed control keeps its hover member (-1), the one under the
  // mouse shows nothing.
  inject_mouse_at_(bar, mouse_type_::move, cut.x + 2, cut.y + 2);
  EXPECT_EQ(s.colour_(b.x, b.y), hover);
  const pixel_point_ c = middle_of(item_small_sprites_[1], cut.x, cut.y);
  EXPECT_NE(s.colour_(c.x, c.y), sprite_colour_(item_small_sprites_[1].part[5]));
  inject_mouse_at_(bar, mouse_type_::up, cut.x + 2, cut.y + 2, button_left_);
  EXPECT_EQ(take_log(), "");
  move(bar, 10, 10);
  EXPECT_EQ(s.colour_(app.x, app.y), sprite_colour_(app_button_sprites_[2].part[5]));
}

TEST_F(ribbon_paint, active_tab_and_hot_element_changes) {
  build();
  window_& bar = rc->bar();
  const surface_& s = bar.client_surface_();
  std::vector<std::string> hot;
  rc->model().ControlHotChange = [&](uint8_t kind, int32_t index, int32_t id) {
    hot.push_back(std::to_string(kind) + "," + std::to_string(index) + "," + std::to_string(id));
  };
  const ribbon_tab_rec_& home = rc->model().tabs[1];
  const ribbon_tab_rec_& view = rc->model().tabs[2];
  const int32_t first = rc->window_active() == true_ ? 0 : 4;
  const pixel_point_ ht = middle_of(ribbon_tab_sprites_[first + 2], home.left, 0);
  const pixel_point_ vt = middle_of(ribbon_tab_sprites_[first + 1], view.left, 0);
  ribbon_rect_ big = on_bar(ids.big);
  move(bar, big.x + 5, big.y + 5);
  move(bar, big.x + 6, big.y + 6);  // within the same control: nothing new
  move(bar, big.x + 5, 110);        // the toolbar's caption band: no control
  EXPECT_EQ(s.colour_(ht.x, ht.y), sprite_colour_(ribbon_tab_sprites_[first + 2].part[5]));
  move(bar, view.left + 3, 12);
  const std::string big_hot = "4," + std::to_string(ids.big) + ",0";
  if (first == 0) {  // an active window shows the hovered tab and reports it
    EXPECT_EQ(s.colour_(vt.x, vt.y), sprite_colour_(ribbon_tab_sprites_[1].part[5]));
    EXPECT_EQ(hot, (std::vector<std::string>{big_hot, "0,0,0", "3,2,0"}));
  } else {
    EXPECT_EQ(hot, (std::vector<std::string>{big_hot, "0,0,0"}));
  }
}

TEST_F(ribbon_paint, user_draw_control_is_empty_and_the_host_draws_on_it_in_the_same_paint) {
  build();
  xribbon_& r = rc->model();
  r.buttonuserdraw_("COPY", true);
  ribbon_rect_ q = on_bar(ids.copy);
  std::vector<std::string> calls;
  r.UserDraw = [&](dc_* dc, const std::string& key, const std::string& text, int32_t x, int32_t y, int32_t w,
                   int32_t h, int32_t value) {
    calls.push_back(key + " " + text + " " + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) +
                    "," + std::to_string(h) + " " + std::to_string(value));
    dc->fill_rectangle_({x + 1, y + 1, x + 3, y + 3}, 0x00FEDC);
  };
  rc->refresh_();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "COPY Copy " + std::to_string(q.x) + "," + std::to_string(q.y) + "," + std::to_string(q.w) + "," +
                          std::to_string(q.h) + " 0");
  EXPECT_EQ(rc->bar().client_surface_().colour_(q.x + 1, q.y + 1), 0x00FEDCu);
}

TEST_F(ribbon_paint, captions_are_drawn_in_the_font_the_layout_measures_with) {
  // The host's user-drawn control is drawn with the bar's device context as it stands there;
  // tabs, groups and buttons before it drew their captions in that font.
  build();
  xribbon_& r = rc->model();
  r.buttonuserdraw_("COPY", true);
  std::vector<font_> seen;
  r.UserDraw = [&](dc_* dc, const std::string&, const std::string&, int32_t, int32_t, int32_t, int32_t, int32_t) {
    const font_ now = dc->select_font_(font_{});
    dc->select_font_(now);
    seen.push_back(now);
  };
  rc->refresh_();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(r.font(), font_{});  // a context's default font would not do
  EXPECT_EQ(seen[0], r.font());
}

TEST_F(ribbon_paint, no_repaint_while_a_popup_is_open) {
  build();
  xribbon_& r = rc->model();
  int draws = 0;
  r.buttonuserdraw_("COPY", true);
  r.UserDraw = [&](dc_*, const std::string&, const std::string&, int32_t, int32_t, int32_t, int32_t, int32_t) {
    ++draws;
  };
  rc->show_popupmenu_(ids.split, 10, 200);
  rc->paint_bar_(false);
  rc->paint_bar_(true);
  EXPECT_EQ(draws, 0);
  rc->hide_winex_();
  rc->paint_bar_(false);
  EXPECT_EQ(draws, 1);
}

TEST_F(ribbon_paint, popup_rows_show_swatches_icons_and_the_captured_shadow) {
  build();
  xribbon_& r = rc->model();
  r.add_popupmenuitem_(-4, 0, "BLACK", "Black", {}, false, 0);
  r.add_popupmenuitem_(-4, 0, "NONE", "None", {}, false, -1);
  r.add_popupmenuitem_(-4, 0, "CELLS", "%:255|0|65280");
  surface_ under;
  ASSERT_TRUE(host->grab_(under));
  const pixel_rect_ hr = host->window_rect_(), hc = host->client_rect_();
  rc->show_popupmenu_(-4, 200, 150);
  window_& ex2 = rc->win_ex2_();
  const surface_& s = ex2.client_surface_();
  const int32_t W = s.width_(), H = s.height_();
  const uint32_t paper = uint32_t(skin_palette_.color_popup_menu);
  EXPECT_EQ(s.colour_(6 + 3, 2 + 4 + 3), 0u);  // icon 0: a black swatch
  EXPECT_EQ(s.colour_(6 + 3, 2 + 23 + 4 + 3), paper);
  // Value cells from x = 2 + icon column: red, then (0 takes no room) green.
  const int32_t cy = 2 + 46 + 8, cx = 2 + 25;
  EXPECT_EQ(s.colour_(cx + 8, cy), 0x0000FFu);
  EXPECT_EQ(s.colour_(cx + 23 + 8, cy), 0x00FF00u);
  // The band right of the content shows the host below: untouched in its first rows,
  // darkened further down.
  const pixel_point_ at = in_host(ex2);
  auto below = [&](int32_t x, int32_t y) {
    return under.colour_(hc.left - hr.left + at.x + x, hc.top - hr.top + at.y + y);
  };
  EXPECT_EQ(s.colour_(W - 2, 2), below(W - 2, 2));
  const uint32_t dark = s.colour_(W - 2, H / 2), light = below(W - 2, H / 2);
  EXPECT_LT(dark & 0xFF, light & 0xFF);
  EXPECT_GT(light & 0xFF, 0u);
}

}  // namespace

namespace {

// The top-left corner of a badge of the text centred on (cx, cy): the key-tip frame's corner.
bool badge_at(const surface_& s, int32_t cx, int32_t cy, int32_t text_w) {
  const int32_t w = std::max(text_w + 8, 17), h = 17;
  const int32_t left = cint32_(cx - w / 2.0), top = cint32_(cy - h / 2.0);
  const uint32_t corner = sprite_colour_(key_tip_sprites_.part[1]);
  return s.colour_(left, top) == corner && s.colour_(left - 1, top) != corner;
}

TEST_F(ribbon_paint, key_tip_badges_follow_the_level_and_the_typed_letters) {
  build(11, ribbon_screen::host_w);  // wide enough for both toolbars of the first tab
  xribbon_& r = rc->model();
  ASSERT_EQ(r.toolbars[ids.tools].fit_state, toolbar_standard_);
  r.buttonmainaltkey_("F");
  r.controls[ids.big].alt_key = "N";
  r.controls[ids.measure].alt_key = "MS";
  r.tabs[1].alt_key = "H";
  const surface_& s = rc->bar().client_surface_();
  r.key_tips.shown = true_;
  r.key_tips.level = 1;
  rc->refresh_();
  EXPECT_TRUE(badge_at(s, 35, 20, 6));
  EXPECT_TRUE(badge_at(s, r.tabs[1].left + cint32_(r.tabs[1].layout_width / 2.0), 24, 6));
  // Level 2: large controls get their badge below their middle. The badge walk starts 2
  // pixels left of the painted controls and gains 2 per toolbar, so the second toolbar's
  // badges sit 2 pixels further right of their controls than the first one's.
  r.key_tips.level = 2;
  rc->refresh_();
  ribbon_rect_ big = on_bar(ids.big), measure = on_bar(ids.measure);
  const int32_t below = 24 + 6 - 30;  // the tab row + 6 less the control area's top
  const int32_t big_x = cint32_(big.x + big.w / 2.0 - 2), big_y = below + big.y + big.h;
  const int32_t ms_x = cint32_(measure.x + measure.w / 2.0), ms_y = below + measure.y + measure.h;
  EXPECT_TRUE(badge_at(s, big_x, big_y, 6));
  EXPECT_TRUE(badge_at(s, ms_x, ms_y, 12));
  EXPECT_FALSE(badge_at(s, ms_x - 2, ms_y, 12));
  r.key_tips.typed = "m";
  rc->refresh_();
  EXPECT_FALSE(badge_at(s, big_x, big_y, 6));
  EXPECT_TRUE(badge_at(s, ms_x, ms_y, 12));
}

}  // namespace
