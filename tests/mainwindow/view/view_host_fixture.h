// An offscreen main window for the drawing-view handlers: a real top-level window with a child
// drawing view whose surface the real engine paints, a tool panel with the rows group, and a
// clock the test moves by hand. Mouse input is injected into the view as a user's would be.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/zaz_class.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_input.h"
#include "platform/gdi/dc.h"
#include "platform/window/event_loop.h"
#include "platform/window/inject.h"
#include "platform/window/window.h"
#include "shell/language.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

class test_view_host_ : public view_host_ {
 public:
  test_view_host_() {
    window_options_ fo;
    fo.title = "main";
    fo.x = 200, fo.y = 100, fo.width = 760, fo.height = 520;
    form = create_window_(fo);
    window_options_ vo;
    vo.kind = window_kind_::child;
    vo.parent = form.get();
    vo.x = 140, vo.y = 40, vo.width = 600, vo.height = 400;
    view = create_window_(vo);
    dc = std::make_unique<dc_>(view->client_surface_());
    panel = std::make_unique<xcpanelbox_>(*form, 0, 40, 130, 460);
    panel->mdi_window_hwnd_ = form->handle_();
    panel->add_group_("ADRAW", "Tool");
    eng.file_new_(true_, "");
    eng.backcolor_(0xFFFFFF);
    eng.view_gridvisible_(false_);
    eng.view_snap2grid_(false_);
    eng.view_snap2points_(false_);
    eng.view_snap2ang45_(false_);
    eng.points_on_(false_);
    eng.dinit_(dc.get());
  }
  ~test_view_host_() override { release_capture_(); }

  zaz_class_& engine_() override { return eng; }
  window_& form_() override { return *form; }
  window_& view_() override { return *view; }
  xcpanelbox_* tool_panel_() override { return panel.get(); }
  draw_state_rec_& ds_() override { return ds; }
  draw_state_rec_& ds_saved_() override { return saved; }
  void ref_(flag16_ fast, flag16_ resize) override {
    ++refs;
    surface_& s = view->client_surface_();
    dc->fill_rectangle_({0, 0, s.width_(), s.height_()}, 0xFFFFFF);
    eng.display_(dc.get(), resize, fast);
    view->update_();
  }
  void ref_states_() override { ++state_refs; }
  void ref_edit_(flag16_, flag16_) override {}
  void auto_pointer_() override {}
  void status_text_(const std::string& t) override { status = t; }
  bool dropdown_open_() override { return dropdown; }
  void close_dropdown_() override { dropdown = false; }
  void dock_hide_menu_() override {}
  bool dock_under_cursor_() override { return false; }
  void focus_to_view_() override {}
  void show_popup_(int32_t owner, int32_t x, int32_t y) override { popups.push_back({owner, x, y}); }
  int32_t frame_border_width_() override { return 4; }
  int32_t frame_caption_height_() override { return 30; }
  int32_t frame_border_height_() override { return 4; }
  bool library_rect_(pixel_rect_& r) override {
    r = library;
    return library_open;
  }
  bool take_first_tick_() override {
    const bool t = first_tick;
    first_tick = false;
    return t;
  }
  double clock_() override { return now; }
  void do_events_() override { ::do_events_(); }
  new_object_attrs_rec_ attrs_() override { return attrs; }
  std::string ddraw_text_() override { return text; }
  int32_t block_to_insert_() override { return block; }
  image_choice_rec_ image_choice_() override { return image; }

  struct popup_rec {
    int32_t owner, x, y;
  };
  zaz_class_ eng;
  std::unique_ptr<window_> form, view;
  std::unique_ptr<dc_> dc;
  std::unique_ptr<xcpanelbox_> panel;
  draw_state_rec_ ds, saved;
  std::string status;
  std::vector<popup_rec> popups;
  bool dropdown = false, first_tick = true, library_open = false;
  pixel_rect_ library{};  // screen rectangle of the block-library window
  double now = 1000;
  int32_t refs = 0, state_refs = 0;
  // What the drawing tools place.
  new_object_attrs_rec_ attrs{-1, -2, 0, 1};
  std::string text = "Text";
  int32_t block = 0;
  image_choice_rec_ image;
};

class view_fixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ensure_application_();
    ASSERT_TRUE(load_language_("program_en.lang"));
    host = std::make_unique<test_view_host_>();
    input = std::make_unique<view_input_>(*host);
    host->view->on_mouse = [this](const mouse_event_& m) {
      switch (m.type) {
        case mouse_type_::down: input->client_MouseDown(m.button, m.shift, float(m.x), float(m.y)); break;
        case mouse_type_::move: input->client_MouseMove(m.buttons, m.shift, float(m.x), float(m.y)); break;
        case mouse_type_::up: input->client_MouseUp(m.button, m.shift, float(m.x), float(m.y)); break;
        default: break;
      }
    };
    host->form->show_();
    do_events_();
    tool("SELECT");
    view(0, 0, 1);
  }
  void TearDown() override {
    input.reset();
    host.reset();
  }

  zaz_class_& e() { return host->eng; }
  draw_state_rec_& ds() { return host->ds; }
  // Makes a tool current with its rows, as the tool switch does (rows saved first).
  void tool(const std::string& name) {
    host->panel->save_settings_(current_tool_key_(host->ds.tool_name_));
    host->ds.tool_name_ = name;
    host->ds.tool_step_ = 0;
    ref_adraw_(*host->panel, {name, "Text", 0, 0});
  }
  void view(float x, float y, float zoom) {
    e().view_setting_(x, y, zoom, e().page_active_());
    host->ref_(false_, false_);
  }
  // The view pixel of a drawing point.
  pixel_point_ px(float x, float y) {
    return zaz_class_::map_px_(e().view_transform_(host->view->client_width_(), host->view->client_height_()), x, y);
  }
  void move_px(int32_t x, int32_t y, int32_t buttons = 0, int32_t shift = 0) {
    inject_mouse_at_(*host->view, mouse_type_::move, x, y, buttons, shift);
  }
  void down_px(int32_t x, int32_t y, int32_t button = 1, int32_t shift = 0) {
    inject_mouse_at_(*host->view, mouse_type_::down, x, y, button, shift);
  }
  void up_px(int32_t x, int32_t y, int32_t button = 1, int32_t shift = 0) {
    inject_mouse_at_(*host->view, mouse_type_::up, x, y, button, shift);
  }
  void move(float x, float y) { const auto p = px(x, y); move_px(p.x, p.y); }
  // A click at a drawing point: a move there, then press and release.
  void click(float x, float y, int32_t shift = 0) {
    const auto p = px(x, y);
    move_px(p.x, p.y, 0, shift);
    down_px(p.x, p.y, 1, shift);
    up_px(p.x, p.y, 1, shift);
  }
  int32_t line(float x1, float y1, float x2, float y2) {
    const int32_t r = e().add_line_(x1, y1, x2, y2);
    host->ref_(false_, false_);
    return r;
  }
  const line_rec_& line_of(int32_t r) { return e().store.live.lines[size_t(e().object_(r).index)]; }
  bool selected(int32_t r) { return e().select_record_(r) != 0; }
  std::vector<int32_t> selection() {
    std::vector<int32_t> v;
    for (int32_t r = 1; r <= e().records_(); ++r)
      if (selected(r)) v.push_back(r);
    return v;
  }
  // The first view pixel over handle id of the selection frame (the painted frame decides).
  bool handle_px(int32_t id, pixel_point_& out) {
    for (int32_t y = 0; y < host->view->client_height_(); ++y)
      for (int32_t x = 0; x < host->view->client_width_(); ++x)
        if (int32_t(e().shbox_id_(x, y).number) == id) {
          // The middle of the handle's square: the run to the right and down from its corner.
          int32_t w = 0, h = 0;
          while (int32_t(e().shbox_id_(x + w, y).number) == id) ++w;
          while (int32_t(e().shbox_id_(x, y + h).number) == id) ++h;
          out = {x + w / 2, y + h / 2};
          return true;
        }
    return false;
  }

  std::unique_ptr<test_view_host_> host;
  std::unique_ptr<view_input_> input;
};
