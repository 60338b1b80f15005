// A stand-in for the main window: a host with the four dock areas, the ribbon control, the
// docking toolbar control and the tool panel, offscreen, with the English texts and the
// program's icons. Each test builds one of the two command surfaces on it.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "mainwindow/interface/build_dock_toolbars.h"
#include "mainwindow/interface/build_ribbon.h"
#include "platform/gdi/font.h"
#include "platform/window/event_loop.h"
#include "platform/window/window.h"
#include "shell/focus_state.h"
#include "shell/icons.h"
#include "shell/program_dir.h"
#include "shell/language.h"
#include "support/test_skin.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/skin/popup_background.h"

class interface_host : public ::testing::Test {
 protected:
  static constexpr int32_t host_w = 1280, host_h = 720;

  void SetUp() override {
    ensure_application_();
    ASSERT_TRUE(load_test_skin_());
    ASSERT_TRUE(load_language_("program_en.lang"));
    old_measurer_ = set_text_measurer_(std::make_shared<fixed_text_measurer_>(7));
    window_options_ o;
    o.title = "stand-in main window";
    o.x = 20, o.y = 20, o.width = host_w, o.height = host_h;
    o.in_taskbar = false;
    o.background = 0x808080;
    host = create_window_(o);
    for (auto& d : docks) {
      window_options_ c;
      c.kind = window_kind_::child;
      c.parent = host.get();
      c.width = 10, c.height = 10;
      d = create_window_(c);
    }
    host->show_no_activate_();
    focus_state_code_ = focus_toolbar_ = focus_item_ = focus_sel_anchor_ = focus_caret_ = 0;
  }

  void TearDown() override {
    tb.reset();
    rc.reset();
    panel.reset();
    for (auto& d : docks) d.reset();
    host.reset();
    free_popup_background_(0);
    set_text_measurer_(old_measurer_);
  }

  void make_ribbon(int32_t twips = 15, const std::string& icons = {}) {
    rc = std::make_unique<xribbon_control_>(*host, 0, 0, host_w, 117);
    panel = std::make_unique<xcpanelbox_>(*host, 0, 120, 119, 300);
    ribbon_build_ctx_ c;
    c.ribbon = &rc->model();
    c.fields = &fields;
    // The main window loads the print icon before the build.
    print_icon = add_icon_(icons.empty() ? icon_folder_() : icons, "zaz.std.05.0.ico", "zaz.std.05.1.ico", 0, 0);
    c.print_icon = print_icon;
    c.twips_per_pixel_x = twips;
    c.icon_folder = icons;
    c.set_ribbon_visible = [this](bool on) { on ? rc->bar().show_no_activate_() : rc->bar().hide_(); };
    c.docks = {docks[0].get(), docks[1].get(), docks[2].get(), docks[3].get()};
    c.panel = panel.get();
    build_ribbon_(c);
  }

  // The classic interface with the layout file at path (none there: the default layout).
  void make_classic(const std::string& layout) {
    tb = std::make_unique<xdocktb_>();
    tb->ResizeDocks = [this] { stretch(); };
    panel = std::make_unique<xcpanelbox_>(*host, 0, 0, 200, 300);
    dock_build_ctx_ c;
    c.docktb = tb.get();
    c.fields = &fields;
    c.main = host.get();
    c.docks = {docks[0].get(), docks[1].get(), docks[2].get(), docks[3].get()};
    c.panel = panel.get();
    c.layout_file = layout;
    build_dock_toolbars_(c);
    // The main window's layout after the build: the areas stretched, the menu bar across the top.
    stretch();
    tb->resize_tools_(true);
    tb->update_(false, true);
    stretch();
  }

  // The main window's layout of the dock areas: each keeps the thickness the control gave it.
  void stretch() {
    const int32_t top = docks[0]->client_height_(), bottom = docks[1]->client_height_();
    const int32_t left = docks[2]->client_width_(), right = docks[3]->client_width_();
    docks[0]->move_(0, 0, host_w, top);
    docks[1]->move_(0, host_h - bottom, host_w, bottom);
    docks[2]->move_(0, top, left, host_h - top - bottom);
    docks[3]->move_(host_w - right, top, right, host_h - top - bottom);
  }

  std::unique_ptr<window_> host;
  std::unique_ptr<window_> docks[4];
  std::unique_ptr<xribbon_control_> rc;
  std::unique_ptr<xdocktb_> tb;
  std::unique_ptr<xcpanelbox_> panel;
  gui_fields_rec_ fields;
  int32_t print_icon = 0;
  std::shared_ptr<text_measurer_> old_measurer_;
};
