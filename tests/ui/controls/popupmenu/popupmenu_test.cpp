// The stand-alone popup menu: its item table, where its window opens, what its rows paint on
// the flat test skin, and what a press in it reports.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/frame_state.h"
#include "shell/icons.h"
#include "support/test_skin.h"
#include "ui/controls/popupmenu/popupmenu.h"
#include "ui/skin/popup_background.h"
#include "ui/skin/skin_palette.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

constexpr uint32_t ink = 0x00A0B0C0;

class popupmenu : public ::testing::Test {
 public:
  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    ASSERT_TRUE(load_test_skin_());
    old_measurer = set_text_measurer_(std::make_shared<fixed_text_measurer_>(6));
    window_options_ o;
    o.title = "owner";
    o.x = 20, o.y = 20, o.width = 300, o.height = 200;
    host = create_window_(o);
    host->show_();
    do_events_();
    menu = std::make_unique<xcpopupmenu_>(*host, host->handle_(), 4, 4, 24, 24, ui_metrics_for_twips_(15.0f));
    menu->PopupMenuClick = [this](const std::string& k, int32_t i, int32_t v) {
      picks.push_back(k + " " + std::to_string(i) + " " + std::to_string(v));
    };
  }
  void TearDown() override {
    menu.reset();
    host.reset();
    release_capture_();
    do_events_();
    free_popup_background_(0);
    popup_open_ = 0;
    icon_table_.assign(1, icon_entry_rec_{});
    set_text_measurer_(old_measurer);
  }
  // Moves onto a client point of the menu window, then presses there.
  void press_at(int32_t x, int32_t y) {
    window_& w = menu->win_ex0_();
    inject_mouse_at_(w, mouse_type_::move, x, y);
    inject_mouse_at_(w, mouse_type_::down, x, y, button_left_);
    inject_mouse_at_(w, mouse_type_::up, x, y, button_left_);
  }
  pixel_point_ at() const {
    pixel_rect_ r = menu->win_ex0_().window_rect_();
    return {r.left, r.top};
  }

  std::unique_ptr<window_> host;
  std::unique_ptr<xcpopupmenu_> menu;
  std::vector<std::string> picks;
  std::shared_ptr<text_measurer_> old_measurer;
};

TEST_F(popupmenu, adder_refuses_a_full_table_an_owner_out_of_range_and_the_reserved_key) {
  EXPECT_EQ(menu->add_popupmenuitem_(1025, "A", "a"), 0);
  EXPECT_EQ(menu->add_popupmenuitem_(-1025, "A", "a"), 0);
  for (const char* k : {"@MAIN", " @main ", "@Main"}) EXPECT_EQ(menu->add_popupmenuitem_(1, k, "a"), 0) << k;
  EXPECT_EQ(menu->add_popupmenuitem_(1024, "A", " a "), 1);
  EXPECT_EQ(menu->add_popupmenuitem_(-1024, "B", "-"), 2);
  EXPECT_EQ(menu->item(1).text, "a");
  EXPECT_EQ(menu->item(2).height, 6);
  EXPECT_EQ(menu->item(1).height, 23);
  EXPECT_EQ(menu->item(2).y, 23);  // the heights of the items before it, whatever their menu
  for (int i = 3; i <= 1024; ++i) ASSERT_EQ(menu->add_popupmenuitem_(0, "K", "k"), i);
  EXPECT_EQ(menu->add_popupmenuitem_(0, "K", "k"), 0);
  menu->clear_();
  EXPECT_EQ(menu->count(), 0);
  EXPECT_EQ(menu->add_popupmenuitem_(0, "K", "k"), 1);
}

TEST_F(popupmenu, empty_menu_opens_ten_by_forty_and_closing_frees_both_slots) {
  capture_popup_background_(1, nullptr, 0, 0, 20, 20);  // as an open ribbon drop-down holds
  menu->show_popupmenu_(7, 50, 60);
  window_& w = menu->win_ex0_();
  EXPECT_TRUE(menu->winex_visible_());
  EXPECT_EQ(w.kind_(), window_kind_::popup);
  EXPECT_EQ(w.owner_(), host.get());
  EXPECT_EQ(w.client_width_(), 40);
  EXPECT_EQ(w.client_height_(), 10);
  EXPECT_EQ(at().x, 50);
  EXPECT_EQ(at().y, 60);
  EXPECT_EQ(popup_open_, -1);
  menu->hide_winex_();
  EXPECT_FALSE(menu->winex_visible_());
  EXPECT_EQ(popup_open_, 0);
  EXPECT_EQ(popup_background_(1), nullptr);
  EXPECT_EQ(popup_background_(2), nullptr);
}

TEST_F(popupmenu, opens_at_the_cursor_and_is_lifted_off_the_desktop_bottom_only) {
  for (int i = 0; i < 4; ++i) menu->add_popupmenuitem_(3, "R" + std::to_string(i), "Row");
  const int32_t h = 4 * 23 + 4 + 5, sh = screen_height_px_();
  inject_mouse_(mouse_type_::move, 70, 80);
  menu->show_popupmenu_(3, -1, 100);
  EXPECT_EQ(at().x, 70);
  EXPECT_EQ(at().y, 100);
  menu->show_popupmenu_(3, 5000, sh - h);  // y + h reaches the bottom: 30 pixels above it
  EXPECT_EQ(at().x, 5000);
  EXPECT_EQ(at().y, sh - (h + 30));
  menu->show_popupmenu_(3, 10, sh - h - 1);  // one pixel short: where asked
  EXPECT_EQ(at().y, sh - h - 1);
}

TEST_F(popupmenu, icon_column_shows_swatches_and_table_icons) {
  icon_entry_rec_ e;
  picture_image_rec_ im;
  im.width = im.height = 16;
  im.argb.assign(256, surface_::argb_of_colour_(ink) | 0xFF000000u);
  e.small_picture.images.push_back(im);
  e.large_picture = e.small_picture;
  while (icon_table_upper_() < 2) append_icon_entry_(e);
  icon_table_[2] = e;
  struct {
    int32_t icon;
    uint32_t expected;
  } cases[] = {{0, 0x000000}, {-1, uint32_t(skin_palette_.color_popup_menu)}, {-2, ink}, {255, 0x0000FF}};
  for (const auto& c : cases) menu->add_popupmenuitem_(5, "I", "Icon", {}, false, c.icon);
  menu->show_popupmenu_(5, 40, 40);
  const surface_& s = menu->win_ex0_().client_surface_();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(s.colour_(14, 2 + i * 23 + 11), cases[i].expected) << cases[i].icon;
}

TEST_F(popupmenu, press_reports_the_hot_row_its_value_cell_and_its_value) {
  menu->add_popupmenuitem_(-3, "DCOL.RED", "Red_colour", {}, false, 255, false, {}, true, 11);
  menu->add_popupmenuitem_(-3, "SEP", "-");
  menu->add_popupmenuitem_(-3, "CELLS", "%:255|65280", {}, false, -1, false, {}, true, 12);
  menu->add_popupmenuitem_(-3, "HIDDEN", "Hidden", {}, false, -1, false, {}, false, 13);
  menu->add_popupmenuitem_(4, "OTHER", "Other menu");
  struct {
    int32_t x, y;
    const char* pick;
  } cases[] = {
      {60, 2 + 5, "DCOL.RED 0 11"},
      {60, 2 + 23, "DCOL.RED 0 11"},  // on the boundary the upper row is hot
      {60, 2 + 23 + 3, " 0 0"},       // the separator
      {2 + 25 + 23 + 5, 2 + 29 + 5, "CELLS 2 12"},
      {1, 1, " 0 0"},  // the border
  };
  for (const auto& c : cases) {
    menu->show_popupmenu_(-3, 30, 30);
    press_at(c.x, c.y);
    EXPECT_FALSE(menu->winex_visible_());
    ASSERT_EQ(picks.size(), 1u) << c.pick;
    EXPECT_EQ(picks[0], c.pick);
    picks.clear();
  }
  // The window's height holds the three visible rows; the red swatch and the cells paint.
  menu->show_popupmenu_(-3, 30, 30);
  EXPECT_EQ(menu->win_ex0_().client_height_(), 23 + 6 + 23 + 4 + 5);
  const surface_& s = menu->win_ex0_().client_surface_();
  EXPECT_EQ(s.colour_(2 + 25 + 8, 2 + 29 + 8), 0x0000FFu);
  EXPECT_EQ(s.colour_(2 + 25 + 23 + 8, 2 + 29 + 8), 0x00FF00u);
  // clear_ leaves the window open; its rows go at the next paint.
  menu->clear_();
  EXPECT_TRUE(menu->winex_visible_());
  menu->paint_popup_window_();
  EXPECT_EQ(s.colour_(2 + 25 + 8, 2 + 29 + 8), uint32_t(skin_palette_.color_popup_menu));
}

}  // namespace

namespace {

// Closing and asking after the windows are gone (the dialog closed first) stays quiet.
TEST_F(popupmenu, closing_after_the_windows_are_gone_is_safe) {
  menu->add_popupmenuitem_(1, "A", "a");
  menu->show_popupmenu_(1, 30, 30);
  ASSERT_TRUE(menu->winex_visible_());
  host->destroy_();
  do_events_();
  EXPECT_FALSE(menu->winex_visible_());
  menu->hide_winex_();
  EXPECT_EQ(popup_open_, 0);
  EXPECT_EQ(popup_background_(2), nullptr);
}

}  // namespace
