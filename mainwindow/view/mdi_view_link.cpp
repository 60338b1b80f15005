#include "mainwindow/view/mdi_view_link.h"

#include "platform/window/event_loop.h"
#include "platform/window/window.h"
#include "shell/focus_state.h"
#include "shell/frame_table.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/statusbar/statusbar.h"

void mdi_view_host_::status_text_(const std::string& text) { m_.statusbar().text_(text); }

bool mdi_view_host_::dropdown_open_() { return m_.ribbon() && m_.ribbon()->winex_visible_(); }

void mdi_view_host_::close_dropdown_() {
  if (m_.ribbon()) m_.ribbon()->hide_winex_();
}

void mdi_view_host_::dock_hide_menu_() {
  if (m_.docktb()) m_.docktb()->hide_menu_();
}

bool mdi_view_host_::dock_under_cursor_() { return m_.docktb() && is_set_(m_.docktb()->cursortb_()); }

void mdi_view_host_::focus_to_view_() {
  const bool repaint = focus_state_code_ == focus_toolbar_box_ && focus_toolbar_ >= 1;
  focus_state_code_ = focus_view_;
  focus_toolbar_ = 0;
  focus_item_ = 0;
  if (repaint && m_.docktb()) m_.docktb()->refresh(0);
}

void mdi_view_host_::show_popup_(int32_t owner, int32_t x, int32_t y) {
  if (m_.ribbon()) m_.ribbon()->show_popupmenu_(owner, x, y);
}

int32_t mdi_view_host_::frame_border_width_() { return ::frame_border_width_(m_.form().handle_()); }
int32_t mdi_view_host_::frame_caption_height_() { return ::frame_caption_height_(m_.form().handle_()); }
int32_t mdi_view_host_::frame_border_height_() { return ::frame_border_height_(m_.form().handle_()); }

bool mdi_view_host_::take_first_tick_() {
  const bool due = is_set_(m_.first_tick_);
  m_.first_tick_ = false_;
  return due;
}

double mdi_view_host_::clock_() { return double(monotonic_ms_()) / 1000.0; }

void mdi_view_host_::do_events_() { ::do_events_(); }

mdi_view_link_::mdi_view_link_(MDI_& mdi) : mdi_(mdi), host_(mdi), input_(host_) {
  mdi.client().on_mouse = [this](const mouse_event_& m) {
    switch (m.type) {
      case mouse_type_::down: input_.client_MouseDown(m.button, m.shift, float(m.x), float(m.y)); break;
      case mouse_type_::move: input_.client_MouseMove(m.buttons, m.shift, float(m.x), float(m.y)); break;
      case mouse_type_::up: input_.client_MouseUp(m.button, m.shift, float(m.x), float(m.y)); break;
      default: break;
    }
  };
  mdi.timer().on_timer = [this] { input_.timer_Timer(); };
}

mdi_view_link_::~mdi_view_link_() {
  mdi_.client().on_mouse = nullptr;
  mdi_.timer().on_timer = [m = &mdi_] { m->timer_tick_(); };
}
