// The docking host with the flat test skin loaded, the main window active, the control's timer
// stopped (tests tick it by hand) and every event of the control written to a log.
#pragma once
#include <string>
#include <vector>

#include "docktb_fixture.h"
#include "support/test_skin.h"
#include "ui/skin/popup_background.h"
#include "ui/skin/skin_atlas.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/sprites.h"

class docktb_screen : public docktb_host {
 protected:
  void SetUp() override {
    docktb_host::SetUp();
    ASSERT_TRUE(load_test_skin_());
    tb_->timer_->stop_();
    tb_->ButtonClick = [this](int32_t t, int32_t b, const std::string& k, const std::string& k2) {
      note("click " + std::to_string(t) + " " + std::to_string(b) + " " + k + " " + k2);
    };
    tb_->MenuItemClick = [this](int32_t t, int32_t s, int32_t b, const std::string& k, int32_t mx, int32_t my) {
      note("pick " + std::to_string(t) + " " + std::to_string(s) + " " + std::to_string(b) + " " + k + " " +
           std::to_string(mx) + " " + std::to_string(my));
    };
    tb_->ToolbarHide = [this](int32_t t) { note("hide " + std::to_string(t)); };
    tb_->TextboxFocus = [this](int32_t t, int32_t b, const std::string& k, int32_t, int32_t x, int32_t y, int32_t w,
                               int32_t h) {
      note("focus " + std::to_string(t) + " " + std::to_string(b) + " " + k + " " + std::to_string(x) + " " +
           std::to_string(y) + " " + std::to_string(w) + " " + std::to_string(h));
    };
    tb_->WinActivate = [this](int16_t s) { note("activate " + std::to_string(s)); };
  }

  void TearDown() override {
    release_capture_();
    free_popup_background_(0);
    docktb_host::TearDown();
  }

  // Shows every tool window and lays the host out around the dock areas.
  void show_all() {
    tb_->show_toolbar_all_();
    tb_->update_(true, true);
    stretch();
  }

  void note(const std::string& s) { log.push_back(s); }

  // The main window active, as the user's clicks leave it; the timer's next tick notes it.
  void activate_main() {
    main_->activate_();
    do_events_();
    tb_->timer_tick_();
    log.clear();
  }

  window_& tw(int32_t t) { return *tb_->tool_window_(t); }
  void down(window_& w, int32_t x, int32_t y, int32_t button = button_left_) {
    inject_mouse_at_(w, mouse_type_::down, x, y, button);
  }
  void up(window_& w, int32_t x, int32_t y, int32_t button = button_left_) {
    inject_mouse_at_(w, mouse_type_::up, x, y, button);
  }
  void move(window_& w, int32_t x, int32_t y) { inject_mouse_at_(w, mouse_type_::move, x, y); }
  void click(window_& w, int32_t x, int32_t y) {
    down(w, x, y);
    up(w, x, y);
  }

  // A button of the given type without icon or shown text (24 pixels square in a top area).
  int32_t plain(int32_t t, const std::string& key, int32_t type = 1, bool sep = false, const std::string& text = "") {
    std::string k = key, s = text.empty() ? key : text;
    int32_t icon = 0;
    return tb_->add_button_(t, k, s, type, &icon, false, "tip " + key, false, sep);
  }
  // A menu title of the menu bar: text only.
  int32_t title(int32_t t, const std::string& key, const std::string& text) {
    std::string k = key, s = text;
    return tb_->add_button_(t, k, s, dock_btn_title_);
  }

  static bool same_pixels(const surface_& a, const surface_& b) {
    if (a.width_() != b.width_() || a.height_() != b.height_()) return false;
    for (int32_t y = 0; y < a.height_(); ++y)
      for (int32_t x = 0; x < a.width_(); ++x)
        if (a.argb_(x, y) != b.argb_(x, y)) return false;
    return true;
  }
  static uint32_t colour_of(const sprite_rect_rec_& r) { return skin_picture_.colour_(r.x, r.y); }
  uint32_t pixel(int32_t t, int32_t x, int32_t y) { return tw(t).client_surface_().colour_(x, y); }

  std::vector<std::string> log;
};
