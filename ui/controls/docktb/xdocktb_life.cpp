// The control's start, its 1 ms timer (activation changes of the main window and the sweep of
// hot items), the face it paints on the host's window, double clicks and key events of the
// tool windows.
#include "platform/gdi/dc.h"
#include "platform/services/screen.h"
#include "shell/focus_state.h"
#include "ui/controls/docktb/xdocktb.h"

void xdocktb_::init_control_() {
  button_count = 0;
  timer_ = std::make_unique<::timer_>();
  timer_->on_timer = [this] { timer_tick_(); };
  timer_->start_(1);
  focus_text_item_(0, 0, false_);
  layout_loaded = 0;
  save_disabled = 0;
  saved = toolbar_layout_file_rec_{};
}

void xdocktb_::timer_tick_() {
  if (main_hwnd == 0) return;
  const window_* a = active_window_();
  const window_handle_ w = a ? a->handle_() : 0;
  if (w != last_active_window) {
    main_active = to_flag_(w == main_hwnd);
    last_active_window = w;
    if (WinActivate) WinActivate(main_active);
  }
  if (w == main_hwnd) clear_hot_items_();
}

void xdocktb_::set_face_window_(window_* face) {
  face_window = face;
  if (!face) return;
  face->on_paint = [this] { paint_control_face_(); };
  face->on_resize = [this](int32_t, int32_t) { paint_control_face_(); };
  paint_control_face_();
}

void xdocktb_::paint_control_face_() {
  if (!face_window || !face_window->exists_()) return;
  surface_& s = face_window->client_surface_();
  const int32_t w = s.width_(), h = s.height_();
  const uint32_t face = system_colour_(sys_colour_button_face_);
  const uint32_t edge = uint32_t(mix_color_(int32_t(face), 0, 0.5f));
  dc_ dc(s);
  dc.fill_rectangle_({0, 0, w, h}, face);
  if (w < 1 || h < 1) return;
  dc.fill_rectangle_({0, 0, w, 1}, edge);
  dc.fill_rectangle_({0, h - 1, w, h}, edge);
  dc.fill_rectangle_({0, 0, 1, h}, edge);
  dc.fill_rectangle_({w - 1, 0, w, h}, edge);
}

void xdocktb_::tool_double_click_(int32_t) { focus_text_item_(focus_toolbar_, focus_item_, true_); }

void xdocktb_::tool_key_(int32_t, const ::key_event_& k) {
  switch (k.type) {
    case key_type_::down:
      if (KeyDown) KeyDown(int16_t(k.key_code), int16_t(k.shift));
      break;
    case key_type_::character:
      if (KeyPress) KeyPress(int16_t(k.ch));
      break;
    case key_type_::up:
      if (KeyUp) KeyUp(int16_t(k.key_code), int16_t(k.shift));
      break;
  }
}
