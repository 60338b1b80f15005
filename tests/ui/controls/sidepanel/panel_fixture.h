// A host for the side panel: an active main window with the panel as its child, the flat test
// skin with a distinct colour for every palette entry the panel reads, and fixed text metrics
// (7 pixels a character, lines 13 pixels high) so that sizes and carets are exact.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/focus_state.h"
#include "shell/frame_state.h"
#include "support/test_skin.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/skin/skin_atlas.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/sprites.h"

inline uint32_t colour_of(const sprite_rect_rec_& r) { return skin_picture_.colour_(r.x, r.y); }

class panel_host : public ::testing::Test {
 protected:
  static constexpr int32_t main_x = 60, main_y = 50, main_w = 420, main_h = 520;
  static constexpr int32_t panel_w = 200, panel_h = 460;

  void SetUp() override {
    ensure_application_();
    ASSERT_TRUE(load_test_skin_());
    skin_palette_.color_bgpanel = 0x101010;
    skin_palette_.color_s1panel = 0x202020;
    skin_palette_.color_s2panel = 0x303030;
    skin_palette_.color_btn_text_std = 0x404040;
    skin_palette_.color_background = 0x505050;
    skin_palette_.color_foc2_border = 0x606060;
    skin_palette_.color_popup_margin = 0x707070;
    skin_palette_.color_popup_border = 0x808080;
    skin_palette_.color_menu_text_dis = 0x909090;
    skin_palette_.color_main_menu = 0xA0A0A0;
    old_measurer = set_text_measurer_(std::make_shared<fixed_text_measurer_>(7));
    focus_state_code_ = focus_toolbar_ = focus_item_ = focus_sel_anchor_ = focus_caret_ = 0;
    popup_open_ = 0;
    window_options_ o;
    o.title = "host";
    o.x = main_x;
    o.y = main_y;
    o.width = main_w;
    o.height = main_h;
    o.in_taskbar = false;
    main = create_window_(o);
    main->show_();
    main->activate_();
    make_panel();
  }

  // A fresh panel (drop-list rows and snapshots live as long as the control) whose events
  // are written to the log.
  void make_panel() {
    panel.reset();
    log.clear();
    panel = std::make_unique<xcpanelbox_>(*main, 10, 10, panel_w, panel_h);
    panel->panel_window_()->show_();
    main->activate_();
    settle();
    panel->mdi_window_hwnd_ = main->handle_();
    // A real X server activates the window when it gets round to it.
    for (int i = 0; i < 400 && !panel->main_window_active_(); ++i) {
      do_events_();
      sleep_ms_(5);
    }
    panel->ButtonClick = [this](const std::string& k, int32_t id) { log.push_back("button " + k + " " + std::to_string(id)); };
    panel->CheckboxClick = [this](const std::string& k, int32_t id) { log.push_back("check " + k + " " + std::to_string(id)); };
    panel->ComboItemClick = [this](const std::string& k, int32_t v) { log.push_back("pick " + k + " " + std::to_string(v)); };
    panel->TextEdit = [this](const std::string& k, int32_t id) { log.push_back("edit " + k + " " + std::to_string(id)); };
    panel->TextEditOn = [this](const std::string& k, int32_t id, int32_t, int32_t, int32_t, int32_t) {
      log.push_back("on " + k + " " + std::to_string(id));
    };
    panel->TextEditOff = [this] { log.push_back("off"); };
    panel->ComboShow = [this] { log.push_back("show"); };
    ASSERT_TRUE(panel->main_window_active_());
  }

  void TearDown() override {
    panel.reset();
    main.reset();
    popup_open_ = 0;
    set_text_measurer_(old_measurer);
  }

  static void settle() {
    for (int i = 0; i < 5; ++i) do_events_();
  }

  window_& pw() { return *panel->panel_window_(); }
  uint32_t at(int32_t x, int32_t y) { return pw().client_surface_().colour_(x, y); }
  uint32_t list_at(int32_t x, int32_t y) { return panel->list_window_()->client_surface_().colour_(x, y); }

  void down(int32_t x, int32_t y) { inject_mouse_at_(pw(), mouse_type_::down, x, y, button_left_); }
  void up(int32_t x, int32_t y) { inject_mouse_at_(pw(), mouse_type_::up, x, y, button_left_); }
  void move(int32_t x, int32_t y) { inject_mouse_at_(pw(), mouse_type_::move, x, y); }
  void click(int32_t x, int32_t y) {
    down(x, y);
    up(x, y);
  }
  void list_move(int32_t x, int32_t y) { inject_mouse_at_(*panel->list_window_(), mouse_type_::move, x, y); }
  void list_click(int32_t x, int32_t y) {
    inject_mouse_at_(*panel->list_window_(), mouse_type_::down, x, y, button_left_);
    inject_mouse_at_(*panel->list_window_(), mouse_type_::up, x, y, button_left_);
  }

  // A titled group with a text field "LEN" (text "12.5") and a checked value field "ANG" at
  // fixed places, then an untitled group with a button, a check box and a combo "COL".
  void build_tool_panel() {
    const int32_t g1 = panel->add_group_("TOOL", "Line");
    panel->add_item_(g1, "LEN", 5, "Length", false_, "12.5", 0, 0, 0, 150, 40);
    panel->add_item_(g1, "ANG", 1, "Angle", false_, "45", 0, 0, 44, 150, 40);
    const int32_t g2 = panel->add_group_("ATTR", "");
    panel->add_item_(g2, "OK", 2, "Apply", false_, "", 3, 0, 0, 80, 24, 0, 0, 0, 0, false_, "apply tip");
    panel->add_item_(g2, "LOCK", 3, "Lock", false_, "", 0, 0, 28, 100, 24);
    panel->add_item_(g2, "COL", 4, "", false_, "", 0, 0, 56, 150, 24);
    panel->add_comboitem_("COL", "DC.BYLAYER", "By layer");
    panel->add_comboitem_("COL", "DC.SEP", "-");
    panel->add_comboitem_("COL", "DC.VALS", "%:255|65280|16711680");
    panel->add_comboitem_("COL", "DC.RED", "Red", "", false_, -1, 255);
    panel->refresh_();
  }
  // Centre of an item's painted rectangle and of its text field.
  pixel_point_ centre(const std::string& key) {
    const panel_item_rec_& it = panel->item_(panel->key2id_(key));
    return {it.painted_x + it.painted_w / 2, it.painted_y + it.painted_h / 2};
  }
  pixel_point_ field_at(const std::string& key, int32_t dx) {
    const panel_item_rec_& it = panel->item_(panel->key2id_(key));
    return {it.field_l + dx, it.field_t + it.field_h / 2};
  }

  std::unique_ptr<window_> main;
  std::unique_ptr<xcpanelbox_> panel;
  std::vector<std::string> log;
  std::shared_ptr<text_measurer_> old_measurer;
};
