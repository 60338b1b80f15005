// A host for the docking toolbar control: a main window with four dock-area children that it
// stretches the way the main window's layout does, and fixed text metrics (7 pixels a
// character) so that sizes are exact.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/gdi/font.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/focus_state.h"
#include "ui/controls/docktb/xdocktb.h"

class docktb_host : public ::testing::Test {
 protected:
  static constexpr int32_t main_x = 100, main_y = 80, main_w = 800, main_h = 600;

  void SetUp() override {
    ensure_application_();
    old_measurer_ = set_text_measurer_(std::make_shared<fixed_text_measurer_>(7));
    window_options_ o;
    o.title = "host";
    o.x = main_x;
    o.y = main_y;
    o.width = main_w;
    o.height = main_h;
    o.in_taskbar = false;
    main_ = create_window_(o);
    for (int a = 1; a <= 4; ++a) {
      window_options_ c;
      c.kind = window_kind_::child;
      c.parent = main_.get();
      c.width = 10;
      c.height = 10;
      area_[a] = create_window_(c);
    }
    main_->show_no_activate_();
    for (int a = 1; a <= 4; ++a) area_[a]->show_no_activate_();
    focus_state_code_ = focus_toolbar_ = focus_item_ = focus_sel_anchor_ = focus_caret_ = 0;
    tb_ = std::make_unique<xdocktb_>();
    tb_->ResizeDocks = [this] {
      ++resize_docks_;
      stretch();
    };
  }

  void TearDown() override {
    tb_.reset();
    for (auto& a : area_) a.reset();
    main_.reset();
    set_text_measurer_(old_measurer_);
  }

  void dock_all() {
    tb_->dock_(main_->handle_(), area_[1]->handle_(), area_[2]->handle_(), area_[3]->handle_(),
               area_[4]->handle_());
    stretch();
  }

  // The host's layout: each area keeps the thickness the control gave it and is stretched
  // along the main window's client; top first, then bottom, then left and right between.
  void stretch() {
    const int32_t top = area_[1]->client_height_(), bottom = area_[2]->client_height_();
    const int32_t left = area_[3]->client_width_(), right = area_[4]->client_width_();
    area_[1]->move_(0, 0, main_w, top);
    area_[2]->move_(0, main_h - bottom, main_w, bottom);
    area_[3]->move_(0, top, left, main_h - top - bottom);
    area_[4]->move_(main_w - right, top, right, main_h - top - bottom);
  }

  // A button with an icon and no text.
  int32_t icon_button(int32_t t, const std::string& key, bool sep = false) {
    std::string k = key, text = key;
    int32_t icon = 5;
    return tb_->add_button_(t, k, text, 1, &icon, false, "", false, sep);
  }

  const dock_window_rec_& rec(int32_t t) { return tb_->windows[size_t(tb_->find_window_rec_(t))]; }
  pixel_rect_ area_rect(int a) { return area_[a]->window_rect_(); }

  std::shared_ptr<text_measurer_> old_measurer_;
  std::unique_ptr<window_> main_;
  std::unique_ptr<window_> area_[5];
  std::unique_ptr<xdocktb_> tb_;
  int resize_docks_ = 0;
};
