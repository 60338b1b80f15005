// The date field's members, mouse, keys and focus, and the month page's opening and mouse.
// The page is a child surface of the field that becomes an owned top-level window while open.
#include "platform/input/key_codes.h"
#include "ui/controls/calendar/calendar.h"

#include <ctime>

namespace {

std::function<void(window_handle_)>& registrar() {
  static std::function<void(window_handle_)> r;
  return r;
}

double today() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return date_serial_(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
}

}  // namespace

void set_dropdown_registrar_(std::function<void(window_handle_)> r) { registrar() = std::move(r); }

xccalendar_::xccalendar_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height, calendar_props_ props)
    : xc_control_(xc_kind_::calendar, host, x, y, width, height, true), saved_(props) {
  window_* w = win_();
  if (!w) return;
  window_options_ po;
  po.kind = window_kind_::child;
  po.parent = w;
  po.x = 0;
  po.y = height;
  po.width = width;
  po.height = 100;
  po.takes_focus = false;
  page_ = create_window_(po);
  page_->hide_();
  page_->on_mouse = [this](const mouse_event_& m) { on_page_mouse_(m); };
  page_->on_key = [this](const key_event_& k) { on_key_(k); };

  // Saved properties come in through the setters, in their saved order.
  st_.current_date = props.current_date < 0 ? today() : props.current_date;
  st_.enabled = props.enabled;
  w->enable_(props.enabled != false_);
  st_.fore_color = props.fore_color;
  st_.focus_rect = props.focus_rect;
  saved_.current_date = st_.current_date;

  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_key = [this](const key_event_& k) { on_key_(k); };
  w->on_focus = [this](bool got) { on_focus_(got); };
  w->on_resize = [this](int32_t fw, int32_t fh) {
    if (window_* p = page_window_(); p && !page_open_()) p->move_(0, fh, fw, p->client_height_());
  };
  w->show_();
  paint_field_(1);
}

xccalendar_::~xccalendar_() {
  if (page_) {
    page_->on_mouse = nullptr;
    page_->on_key = nullptr;
    if (page_->exists_() && page_->has_capture_()) release_capture_();
    page_.reset();
  }
}

bool xccalendar_::page_open_() const {
  const window_* p = page_window_();
  return p && p->visible_();
}

void xccalendar_::focus_() {
  window_* w = win_();
  st_.focused = to_flag_(w && focused_window_() == w);
  paint_field_(-1);
}

void xccalendar_::CurrentDate(double value) {
  st_.current_date = value;
  saved_.current_date = value;
  paint_field_(-1);
}

void xccalendar_::Enabled(flag16_ value) {
  st_.enabled = value;
  saved_.enabled = value;
  if (window_* w = win_()) w->enable_(value != false_);
  paint_field_(st_.hovered == true_ && value != 0 ? 2 : 1);
}

void xccalendar_::ForeColor(int32_t value) {
  st_.fore_color = value;
  saved_.fore_color = value;
  paint_field_(-1);
}

void xccalendar_::FocusRect(flag16_ value) {
  st_.focus_rect = value;
  saved_.focus_rect = value;
  if (st_.focused == true_) paint_field_(-1);
}

void xccalendar_::HideCalendar() {
  st_.focused = false_;
  hide_page_();
  paint_field_(-1);
}

void xccalendar_::hide_page_() {
  window_* p = page_window_();
  window_* w = win_();
  if (!p || !w) return;
  if (p->has_capture_()) release_capture_();
  p->hide_();
  if (p->kind_() != window_kind_::child) p->make_child_(*w, 0, w->client_height_());
}

void xccalendar_::open_page_(flag16_ flag) {
  window_* p = page_window_();
  window_* w = win_();
  if (!p || !w) return;
  st_.page_mouse_x = st_.page_mouse_y = 0;
  st_.page_pressed = false_;
  if (flag == 0) st_.shown_month = st_.current_date;
  paint_page_();
  if (auto& r = registrar()) r(p->handle_());
  const pixel_rect_ field = w->window_rect_();
  if (p->kind_() == window_kind_::child) p->make_top_level_(w, field.left, field.bottom);
  p->move_(field.left, field.bottom, st_.page.needed_width, st_.page.needed_height);
  if (flag != 0) return;
  p->show_no_activate_();
  p->raise_();
  paint_page_();
  if (!w->has_focus_()) w->set_focus_();
}

void xccalendar_::step_month_(int32_t n) {
  if (!calendar_step_month_(st_.shown_month, n)) control_beep_();
}

void xccalendar_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w) return;
  const int32_t width = w->client_width_();
  const bool inside = inside_client_(*w, m.x, m.y);
  switch (m.type) {
    case mouse_type_::move: {
      st_.hovered = to_flag_(inside);
      if (!inside) paint_field_(1);
      else if (st_.armed == true_) paint_field_(4);
      else paint_field_(m.x < width - 16 ? 2 : 3);
      raise_(MouseMove, int16_t(m.buttons), int16_t(m.shift), float(m.x), float(m.y));
      const bool was = st_.captured == true_;
      if (!track_hover_capture_(*w, m.x, m.y, st_.captured) && was) {
        st_.page_mouse_x = st_.page_mouse_y = -1;
        st_.page_pressed = false_;
      }
      break;
    }
    case mouse_type_::down:
      if (m.button != button_left_) break;
      st_.focused = st_.armed = st_.button_held = true_;
      paint_field_(4);
      if (!page_open_()) open_page_(0);
      else {
        hide_page_();
        paint_field_(4);
      }
      break;
    case mouse_type_::double_click:
      if (st_.button_held == true_) {
        paint_field_(-1);
        raise_(DblClick);
      }
      break;
    case mouse_type_::up:
      if (m.button != button_left_) break;
      st_.hovered = to_flag_(inside);
      paint_field_(inside ? (m.x >= width - 16 ? 3 : 2) : 1);
      if (inside && st_.focused == true_ && st_.armed == true_) raise_(Click);
      st_.armed = st_.button_held = false_;
      break;
    default:
      break;
  }
}

void xccalendar_::on_page_mouse_(const mouse_event_& m) {
  switch (m.type) {
    case mouse_type_::down:
    case mouse_type_::double_click:
      if (m.button != button_left_) break;
      st_.page_mouse_x = m.x;
      st_.page_mouse_y = m.y;
      st_.page_pressed = true_;
      if (window_* p = page_window_()) p->set_capture_();
      paint_page_();
      break;
    case mouse_type_::move:
      st_.page_mouse_x = m.x;
      st_.page_mouse_y = m.y;
      paint_page_();
      break;
    case mouse_type_::up: {
      if (window_* p = page_window_(); p && p->has_capture_()) release_capture_();
      st_.page_mouse_x = m.x;
      st_.page_mouse_y = m.y;
      const int32_t cell = paint_page_();
      if (cell >= 1) {
        const civil_date_ c = civil_of_(st_.shown_month);
        st_.current_date = date_serial_(c.year, c.month, cell);
        saved_.current_date = st_.current_date;
        hide_page_();
        paint_field_(1);
        raise_(ItemClick, cell);
      } else if (cell == -2) {
        step_month_(-1);
      } else if (cell == -1) {
        step_month_(1);
      }
      st_.page_pressed = false_;
      open_page_(-1);
      paint_page_();
      break;
    }
    default:
      break;
  }
}

void xccalendar_::on_key_(const key_event_& k) {
  if (k.type == key_type_::up) {
    if (k.key_code == key_space_ && st_.button_held != true_) {
      paint_field_(st_.hovered == true_ ? 2 : 1);
      if (st_.armed == true_) raise_(Click);
      st_.space_down = st_.armed = false_;
    }
    return;
  }
  if (k.type != key_type_::down) return;
  switch (k.key_code) {
    case key_return_: raise_(Click); break;
    case key_escape_: HideCalendar(); break;
    case key_space_:
      if (st_.button_held != true_) {
        st_.space_down = st_.armed = true_;
        paint_field_(4);
      }
      break;
    case key_left_: step_month_(-1); break;
    case key_right_: step_month_(1); break;
    case key_up_: step_month_(12); break;
    case key_down_: step_month_(-12); break;
    default: break;
  }
  open_page_(-1);
  paint_page_();
}

void xccalendar_::on_focus_(bool got) {
  if (got) {
    st_.focused = true_;
    paint_field_(st_.hovered == true_ ? 2 : -1);
    focus_loop_(host_());
    return;
  }
  hide_page_();
  st_.focused = st_.armed = st_.space_down = false_;
  paint_field_(st_.enabled != true_ ? -1 : st_.hovered == true_ ? 2 : 1);
}
