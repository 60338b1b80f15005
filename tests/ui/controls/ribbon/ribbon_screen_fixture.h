// A small ribbon on a host window, offscreen, painted from the flat test skin, with fixed text
// widths; input goes in through injected events and every event raised is logged in order.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/frame_state.h"
#include "shell/ui_metrics.h"
#include "support/test_skin.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/skin/popup_background.h"
#include "ui/skin/paint_ribbon.h"
#include "ui/skin/skin_atlas.h"
#include "ui/skin/sprites.h"

inline uint32_t sprite_colour_(const sprite_rect_rec_& r) { return skin_picture_.colour_(r.x, r.y); }

// Ids of the small ribbon's parts.
struct small_ribbon_ids_ {
  int32_t edit = 0, tools = 0;                          // toolbars on tab 1; tools is collapsed
  int32_t big = 0, split = 0, cut = 0, copy = 0;       // large, large split, two small buttons
  int32_t group = 0, combo = 0, measure = 0;           // group "BBC", combo, the collapsed toolbar's button
};

class ribbon_screen : public ::testing::Test {
 public:
  static constexpr int32_t host_w = 640, host_h = 400;

  static void SetUpTestSuite() { ensure_application_(); }
  void SetUp() override {
    ASSERT_TRUE(load_test_skin_());
    old_measurer_ = set_text_measurer_(std::make_shared<fixed_text_measurer_>(6));
    popup_open_ = 0;
    window_options_ o;
    o.title = "ribbon host";
    o.x = 40, o.y = 30, o.width = host_w, o.height = host_h;
    o.background = 0x808080;
    host = create_window_(o);
    host->show_();
    settle();
  }
  void TearDown() override {
    rc.reset();
    other.reset();
    host.reset();
    release_capture_();
    settle();
    free_popup_background_(0);
    popup_open_ = 0;
    frame_top_inset_.fill(0);
    set_text_measurer_(old_measurer_);
  }

  // The ribbon with two tabs: on the first a toolbar of a large button, a large split button,
  // two small buttons, a group and a combo of `combo_rows` rows, then a toolbar that the bar's
  // width collapses; the second tab holds toolbars that give the fit its passes.
  xribbon_& build(int32_t combo_rows = 11, int32_t bar_w = 0) {
    rc = std::make_unique<xribbon_control_>(*host, 0, 0, host_w, 117, metrics);
    xribbon_& r = rc->model();
    r.set_buttonmaintext_("Options", "Exit");
    r.add_mainmenuitem_("M_NEW", "New");
    r.add_mainmenuitem_("M_SEP", "-");
    r.add_mainmenuitem_("M_OPEN", "Open");
    r.add_tabtop_("HOME", "Home");
    r.add_tabtop_("VIEW", "View");
    ids.edit = r.add_toolbar_(1, "EDIT", "Edit", true);
    ids.big = r.add_button_(ids.edit, "NEW", "New", 0, 1, 1, 1);
    ids.split = r.add_button_(ids.edit, "PASTE", "Paste", 0, 1, 1, 3);
    ids.cut = r.add_button_(ids.edit, "CUT", "Cut", 0, 2, 2, 1);
    ids.copy = r.add_button_(ids.edit, "COPY", "Copy", 0, 2, 2, 1);
    ids.group = r.add_group_(ids.edit, "ALIGN", "BBC");
    ids.combo = r.add_combo_(ids.edit, "LAYER", "Layer", 1, 1, 90, 90);
    ids.tools = r.add_toolbar_(1, "TOOLS", "Tools");
    ids.measure = r.add_button_(ids.tools, "MEASURE", "Measure", 0, 1, 1, 1);
    for (int i = 0; i < 6; ++i) r.add_toolbar_(2, "V" + std::to_string(i));
    r.add_popupmenuitem_(ids.split, 0, "PASTE_SPECIAL", "Paste special");
    r.add_popupmenuitem_(ids.split, 0, "PASTE_LINK", "Paste link");
    r.add_popupmenuitem_(ids.group, 3, "ALIGN_MORE", "More");
    for (int i = 1; i <= combo_rows; ++i)
      r.add_popupmenuitem_(ids.combo, 0, "L" + std::to_string(i), "Layer " + std::to_string(i));
    r.tab_id_(1);
    // The widest bar on which the tools toolbar is collapsed and the edit toolbar is not.
    int32_t w = bar_w;
    for (int32_t x = host_w; w == 0 && x > 100; --x) {
      r.set_scale_size_(x, 117);
      r.fit_toolbars_();
      if (r.toolbars[ids.tools].fit_state == toolbar_collapsed_ && r.toolbars[ids.edit].fit_state != toolbar_collapsed_)
        w = x;
    }
    rc->bar().move_(0, 0, w, 117);
    settle();
    attach_log();
    rc->refresh_();
    return r;
  }

  void attach_log() {
    xribbon_& r = rc->model();
    auto note = [this](std::string s) { log.push_back(std::move(s)); };
    r.ButtonClick = [note](const std::string& k, int16_t c) { note("button " + k + " " + std::to_string(c)); };
    r.TabButtonClick = [note](const std::string& k) { note("tab " + k); };
    r.MainMenuClick = [note](const std::string& k) { note("menu " + k); };
    r.MainButtonClick = [note](int16_t b) { note("main " + std::to_string(b)); };
    r.PopupMenuClick = [note](const std::string& k, int32_t i) { note("popup " + k + " " + std::to_string(i)); };
    r.ListItemClick = [note](const std::string& k, int32_t i, int32_t, int32_t) {
      note("list " + k + " " + std::to_string(i));
    };
    r.ToolbarExBtnClick = [note](const std::string& k) { note("corner " + k); };
    r.HelpButtonClick = [note] { note("help"); };
    r.ShowEx = [note] { note("showex"); };
  }
  std::string take_log() {
    std::string all;
    for (auto& l : log) all += (all.empty() ? "" : "; ") + l;
    log.clear();
    return all;
  }

  // A control's rectangle on the bar (client pixels; the frame inset is 0 here).
  ribbon_rect_ on_bar(int32_t id) {
    ribbon_rect_ q;
    EXPECT_TRUE(rc->model().control_rect_on_bar_(id, q)) << id;
    return q;
  }
  // Pointer actions at a client point of a window. A move arrives as a user's pointer would:
  // the first step onto another of the ribbon's windows passes the capture over, the next
  // reaches that window.
  void move(window_& w, int32_t x, int32_t y) {
    inject_mouse_at_(w, mouse_type_::move, x, y);
    inject_mouse_at_(w, mouse_type_::move, x, y);
  }
  void press(window_& w, int32_t x, int32_t y) {
    move(w, x, y);
    inject_mouse_at_(w, mouse_type_::down, x, y, button_left_);
  }
  void release(window_& w, int32_t x, int32_t y) { inject_mouse_at_(w, mouse_type_::up, x, y, button_left_); }
  void click(window_& w, int32_t x, int32_t y) {
    press(w, x, y);
    release(w, x, y);
  }
  // Where a window lies in the host's client area.
  pixel_point_ in_host(window_& w) {
    pixel_rect_ r = w.window_rect_(), h = host->client_rect_();
    return {r.left - h.left, r.top - h.top};
  }
  void settle() {
    for (int i = 0; i < 3; ++i) do_events_();
  }

  ui_metrics_rec_ metrics = ui_metrics_for_twips_(15.0f);
  std::unique_ptr<window_> host, other;
  std::unique_ptr<xribbon_control_> rc;
  small_ribbon_ids_ ids;
  std::vector<std::string> log;

 private:
  std::shared_ptr<text_measurer_> old_measurer_;
};
