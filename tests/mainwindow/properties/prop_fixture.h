// A side panel on an offscreen host window with the real engine, value box, value list and
// scroll box, wired to the property editor through a small host; fixed text widths, the flat
// test skin and the English texts. Clicks and keys travel the user's road.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "grid_input.h"
#include "mainwindow/properties/prop_editor.h"
#include "platform/input/key_codes.h"
#include "platform/services/dialogs.h"
#include "shell/language.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/textbox/textbox.h"
#include "ui/controls/xc_fixture.h"

struct test_host_ : prop_host_ {
  zaz_class_ eng;
  std::unique_ptr<window_> form, panel;
  std::unique_ptr<xctextbox_> t;
  std::unique_ptr<xccombobox_> c;
  std::unique_ptr<xcscrollbox_> sb;
  int32_t mode = 2, block = 0, focus = 0, popups = 0, left_presses = 0, presses_done = 0, view_refreshes = 0;
  std::string tool = "SELECT";
  int32_t step = 3;
  std::vector<std::string> messages;

  test_host_(int32_t w, int32_t h) {
    form = make_host_();
    form->move_(50, 50, w + 40, h + 60);
    window_options_ o;
    o.kind = window_kind_::child;
    o.parent = form.get();
    o.x = 0, o.y = 0, o.width = w, o.height = h;
    panel = create_window_(o);
    panel->show_();
    t = std::make_unique<xctextbox_>(*panel, 0, 0, 10, 10);
    c = std::make_unique<xccombobox_>(*panel, 0, 0, 10, 20);
    sb = std::make_unique<xcscrollbox_>(*panel, w - 17, 0, 17, h);
    t->win_()->hide_();
    c->win_()->hide_();
    do_events_();
  }
  zaz_class_& engine() override { return eng; }
  window_& panel2() override { return *panel; }
  xctextbox_& tedit() override { return *t; }
  xccombobox_& cedit() override { return *c; }
  xcscrollbox_& p2vsc() override { return *sb; }
  int32_t side_panel_mode() override { return mode; }
  int32_t block_to_insert() override { return block; }
  void block_to_insert(int32_t bid) override { block = bid; }
  std::string tool_name() override { return tool; }
  void set_tool(const std::string& name, int32_t s) override { tool = name, step = s; }
  void focus_state(int32_t s) override { focus = s; }
  void message_box(const std::string& text) override {
    messages.push_back(text);
    message_box_(text, "Arvex", 48);
  }
  void undo_begin() override { eng.state_begin_(); }
  void undo_save(const std::string& name) override { eng.state_save_(name); }
  void hide_dropdowns() override {}
  void refresh_toolbars() override {}
  void ref_view() override { ++view_refreshes; }
  void mouse_pointer(int32_t) override {}
  void blocks_left_press() override { ++left_presses; }
  void blocks_press_done() override { ++presses_done; }
  void show_blocks_popup() override { ++popups; }
  int32_t icon_of(std::string_view) override { return 0; }
};

struct prop_fixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(load_window_test_skin_());
    ASSERT_EQ(load_language_("program_en.lang"), true_);
    set_dialog_scripting_(true);
    host = std::make_unique<test_host_>(panel_w, panel_h);
    ed = std::make_unique<prop_editor_>(*host);
    ed->connect_();
    host->panel->on_mouse = [this](const mouse_event_& m) {
      if (m.type == mouse_type_::down) ed->panel2_MouseDown(int16_t(m.button), int16_t(m.shift), float(m.x), float(m.y));
    };
    e().page_add_("p", 210, 297);
    e().layer_add_("a", true_, true_, -1, -2, 0, 1);
    e().layer_add_("b", true_, true_, -1, -2, 0, 1);
  }
  void TearDown() override {
    ed.reset();
    host.reset();
    clear_dialog_replies_();
  }
  zaz_class_& e() { return host->eng; }
  bool row_point(const char* key, int32_t& x, int32_t& y) { return grid_row_point_(e(), key, x, y); }
  void press_row(const char* key) { press_grid_row_(e(), *host->panel, key); }
  void type_enter(const std::string& text) { type_enter_(*host->form, *host->t->win_(), text); }
  // Picks a list item: the list raises ItemClick and closes its drop list afterwards.
  void pick(int32_t index) {
    host->c->ItemClick(index);
    host->c->HideCombo();
    do_events_();
  }
  bool box_visible() { return host->t->win_()->visible_(); }

  static constexpr int32_t panel_w = 210, panel_h = 460;
  fixed_widths_ widths{7};
  std::unique_ptr<test_host_> host;
  std::unique_ptr<prop_editor_> ed;
};
