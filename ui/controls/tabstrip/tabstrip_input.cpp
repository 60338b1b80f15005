// The tab strip's members and mouse. Keys only pass through to the host.
#include "platform/gdi/font.h"
#include "ui/controls/tabstrip/tabstrip.h"

namespace {
font_ strip_font() {
  font_ f;
  f.face = "Tahoma";
  f.height = -11;  // 8.25 points at 96 DPI
  return f;
}
}  // namespace

xctoolbar_::xctoolbar_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height)
    : xc_control_(xc_kind_::other, host, x, y, width, height, false) {
  window_* w = win_();
  if (!w) return;
  w->on_mouse = [this](const mouse_event_& m) { on_mouse_(m); };
  w->on_key = [this](const key_event_& k) {
    if (k.type == key_type_::down) raise_(KeyDown, int16_t(k.key_code), int16_t(k.shift));
    if (k.type == key_type_::character) raise_(KeyPress, int16_t(k.ch));
  };
  w->on_resize = [this](int32_t, int32_t) { keep_height_(); };
  w->show_();
  keep_height_();
}

xctoolbar_::~xctoolbar_() = default;

void xctoolbar_::keep_height_() {
  window_* w = win_();
  if (!w) return;
  const pixel_rect_ r = w->window_rect_();
  if (r.height_() != tab_strip_height_) {
    pixel_point_ at{r.left, r.top};
    if (const window_* parent = w->parent_()) at = parent->screen_to_client_(at);
    w->move_(at.x, at.y, static_cast<int32_t>(r.width_()), tab_strip_height_);  // resizes again: repaints there
    return;
  }
  ref_();
}

void xctoolbar_::tabsstyle_(int16_t value) {
  st_.style = value;
  ref_();
}

void xctoolbar_::add_(std::string_view key, std::string_view text, int32_t ico) {
  const font_ font = strip_font();
  tab_add_(st_, key, text, ico, [&](std::string_view t) { return text_measurer_in_use_().width_(font, t); });
}

void xctoolbar_::activetab_(std::string_view skey) {
  st_.active = tab_index_(st_, skey);
  ref_();
}

void xctoolbar_::clear_mpo_() {
  const bool was_set = st_.hover != 0 || st_.pressed != 0;
  st_.hover = st_.pressed = 0;
  if (was_set) ref_();
}

void xctoolbar_::on_mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w) return;
  switch (m.type) {
    case mouse_type_::down:
    case mouse_type_::double_click:
      st_.button_down = true_;
      st_.mouse_x = m.x;
      st_.mouse_y = m.y;
      st_.pressed = tab_at_(st_, st_.mouse_x);
      if (st_.style == -1 && st_.pressed >= 1) {
        st_.active = st_.pressed;
        raise_(TabClick, tab_key_(st_, st_.active));
      }
      ref_();
      break;
    case mouse_type_::move:
      st_.mouse_x = m.x;
      st_.mouse_y = m.y;
      if (inside_client_(*w, m.x, m.y)) {
        if (st_.captured != true_) {
          w->set_capture_();
          st_.captured = true_;
        }
      } else if (st_.captured == true_) {
        if (w->has_capture_()) release_capture_();
        st_.mouse_x = st_.mouse_y = -1;
        st_.hover = st_.pressed = 0;
        st_.button_down = false_;
        st_.captured = false_;
      }
      st_.hover = tab_at_(st_, st_.mouse_x);
      ref_();
      break;
    case mouse_type_::up:
      st_.button_down = false_;
      if (st_.pressed >= 1 && st_.pressed == st_.hover) raise_(ButtonClick, tab_key_(st_, st_.pressed));
      st_.pressed = st_.hover = 0;
      ref_();
      break;
    default:
      break;
  }
}
