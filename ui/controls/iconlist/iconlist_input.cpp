// The icon list's members and mouse. A press in the scroll strip runs the scroll loop inside
// the press handler: a step at once, then nothing until 0.33 s after the press, then a step per
// pass of 1 ms while pending events (the moves and the release) run.
#include "shell/icons.h"
#include "shell/shell_text.h"
#include "ui/controls/iconlist/iconlist.h"

namespace {
constexpr double repeat_delay_s = 0.33;
}

xcmemoitems_::xcmemoitems_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xc_control_(xc_kind_::other, host, x, y, width, height, true) {
  window_* w = win_();
  if (!w) return;
  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_focus = [this](bool got) {
    st_.focused = to_flag_(got);
    refresh_();
  };
  w->on_resize = [this](int32_t, int32_t) { refresh_(); };
  w->show_();
  refresh_();
}

xcmemoitems_::~xcmemoitems_() = default;

void xcmemoitems_::clear_() {
  st_.rows.clear();
  refresh_();
}

void xcmemoitems_::add_(std::string_view text, int32_t vid) {
  memo_item_rec_ r;
  r.text = memo_text_of_(text);
  r.id = vid;
  st_.rows.push_back(std::move(r));
}

void xcmemoitems_::seticon_(std::string_view iconfolder, std::string_view icon16file) {
  const std::string folder = with_separator_(trim_blanks_(iconfolder));
  const std::string file = replace_all_(trim_blanks_(icon16file), "\\", " ");
  icon_entry_rec_ e;
  if (!load_picture_file_(folder + file, e.small_picture)) return;
  e.large_picture = e.small_picture;
  st_.icon = append_icon_entry_(std::move(e));
}

void xcmemoitems_::memo_track_capture_(int32_t x, int32_t y) {
  window_* w = win_();
  if (!w) return;
  if (inside_client_(*w, x, y)) {
    w->set_capture_();
    st_.captured = true_;
  } else if (st_.captured == true_) {
    st_.captured = false_;
    if (w->has_capture_()) release_capture_();
    st_.mouse_x = st_.mouse_y = -1;
    st_.pressed = false_;
  }
}

void xcmemoitems_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w) return;
  switch (m.type) {
    case mouse_type_::down:
      press_(m);
      break;
    case mouse_type_::double_click:
      if (st_.scroll_strip != true_) raise_(DblClick);
      break;
    case mouse_type_::move: {
      st_.mouse_x = m.x;
      st_.mouse_y = m.y;
      int32_t drag = st_.scroll_pos;
      memo_paint_(&drag);
      if (st_.pressed_part == 2) st_.scroll_pos = drag;
      if (m.buttons == 0) memo_track_capture_(m.x, m.y);
      break;
    }
    case mouse_type_::up:
      st_.pressed = false_;
      st_.mouse_x = m.x;
      st_.mouse_y = m.y;
      if (st_.pressed_part > 0) st_.pressed_part = 0;
      memo_paint_(nullptr);
      break;
    default:
      break;
  }
}

void xcmemoitems_::press_(const mouse_event_& m) {
  window_* w = win_();
  st_.scroll_strip = false_;
  st_.pressed = true_;
  st_.mouse_x = m.x;
  st_.mouse_y = m.y;
  w->set_capture_();  // the release comes back here wherever it happens
  st_.captured = true_;
  const int32_t width = w->client_width_();
  if (m.x >= width - memo_strip_width_) st_.scroll_strip = true_;
  for (const memo_item_rec_& r : st_.rows)
    if (r.top <= m.y && m.y < r.bottom && (st_.bar_shown != true_ || m.x < width - 17)) st_.selected = r.id;
  if (st_.scroll_strip != true_) return;

  const double t0 = control_seconds_();
  st_.pressed_part = memo_paint_(nullptr);
  if (st_.pressed_part == 2) return;
  const window_handle_ self = w->handle_();
  for (bool first = true; st_.bar_shown == true_; first = false) {
    const int32_t part = memo_paint_(nullptr);
    const bool now = first || control_seconds_() - t0 > repeat_delay_s;
    int64_t step = 0;
    switch (part) {
      case 1: step = -1; break;
      case 3: step = 1; break;
      case 4: step = -int64_t(st_.page_size); break;
      case 5: step = st_.page_size; break;
      default: return;
    }
    if (now) {
      int64_t pos = int64_t(st_.scroll_pos) + step;
      if (pos < 0) pos = 0;
      if (pos > st_.scroll_range) pos = st_.scroll_range;
      st_.scroll_pos = static_cast<int32_t>(pos);
      memo_paint_(nullptr);
    }
    control_pause_(1);
    if (!find_window_(self)) return;  // a handler took the list away
  }
}
