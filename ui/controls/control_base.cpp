// The shared control conventions. The registry is a plain list: hosts hold a handful of
// controls, and the focus loop walks them in creation order as the program always did.
#include "ui/controls/control_base.h"

#include <algorithm>

#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "shell/colors.h"

namespace {

std::vector<xc_control_*>& registry() {
  static std::vector<xc_control_*> list;
  return list;
}

control_clock_& clock_in_use() {
  static control_clock_ c;
  return c;
}

std::function<void()>& beep_in_use() {
  static std::function<void()> b;
  return b;
}

}  // namespace

xc_control_::xc_control_(xc_kind_ kind, window_& host, int32_t x, int32_t y, int32_t width, int32_t height,
                         bool takes_focus)
    : kind_(kind), host_handle_(host.handle_()) {
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &host;
  o.x = x;
  o.y = y;
  o.width = width;
  o.height = height;
  o.takes_focus = takes_focus;
  o.background = static_cast<uint32_t>(placeholder_face_());
  window_ptr_ = create_window_(o);
  registry().push_back(this);
}

xc_control_::~xc_control_() {
  auto& r = registry();
  r.erase(std::remove(r.begin(), r.end(), this), r.end());
  if (!window_ptr_) return;
  window_ptr_->on_mouse = nullptr;
  window_ptr_->on_key = nullptr;
  window_ptr_->on_paint = nullptr;
  window_ptr_->on_focus = nullptr;
  window_ptr_->on_resize = nullptr;
  if (window_ptr_->exists_() && window_ptr_->has_capture_()) release_capture_();
  window_ptr_.reset();
}

window_* xc_control_::host_() const { return find_window_(host_handle_); }

window_* xc_control_::win_() const {
  return window_ptr_ && window_ptr_->exists_() ? window_ptr_.get() : nullptr;
}

std::vector<xc_control_*> controls_on_(const window_* host) {
  std::vector<xc_control_*> out;
  if (!host) return out;
  for (xc_control_* c : registry())
    if (c->host_() == host) out.push_back(c);
  return out;
}

bool focusable_kind_(xc_kind_ kind) { return kind != xc_kind_::other; }

void focus_loop_(const window_* host) {
  // focus_ repaints and may run host code; walk a copy and skip controls that went meanwhile.
  for (xc_control_* c : controls_on_(host)) {
    auto& r = registry();
    if (std::find(r.begin(), r.end(), c) == r.end()) continue;
    if (focusable_kind_(c->xc_kind_of_())) c->focus_();
  }
}

bool inside_client_(const window_& win, int32_t x, int32_t y) {
  return x >= 0 && y >= 0 && x <= win.client_width_() && y <= win.client_height_();
}

bool track_hover_capture_(window_& win, int32_t x, int32_t y, flag16_& captured) {
  const bool inside = inside_client_(win, x, y);
  if (inside) {
    win.set_capture_();
    captured = true_;
  } else if (captured == true_) {
    captured = false_;
    if (win.has_capture_()) release_capture_();
  }
  return inside;
}

xc_paint_scope_::xc_paint_scope_(window_& win)
    : win_(win), dc_now_(win.client_surface_()), width_(win.client_width_()), height_(win.client_height_()) {}

xc_paint_scope_::~xc_paint_scope_() { win_.invalidate_(); }

int32_t placeholder_face_() { return static_cast<int32_t>(system_colour_(sys_colour_button_face_)); }
int32_t placeholder_outline_() { return blend_colors_(placeholder_face_(), 0, 0.25f); }

void paint_placeholder_(dc_& dc, int32_t width, int32_t height, std::string_view type_name) {
  const uint32_t face = static_cast<uint32_t>(placeholder_face_());
  const uint32_t line = static_cast<uint32_t>(placeholder_outline_());
  dc.fill_rectangle_({0, 0, width, height}, face);
  if (width < 1 || height < 1) return;
  dc.fill_rectangle_({0, 0, width, 1}, line);
  dc.fill_rectangle_({0, height - 1, width, height}, line);
  dc.fill_rectangle_({0, 0, 1, height}, line);
  dc.fill_rectangle_({width - 1, 0, width, height}, line);
  if (type_name.empty()) return;
  const bk_mode_ old_mode = dc.set_bk_mode_(bk_mode_::transparent_);
  const uint32_t old_colour = dc.set_text_colour_(static_cast<uint32_t>(blend_colors_(static_cast<int32_t>(line), 0, 0.5f)));
  pixel_rect_ r{0, 0, width, height};
  dc.draw_text_(type_name, r, text_center_ | text_vcenter_ | text_single_line_);
  dc.set_text_colour_(old_colour);
  dc.set_bk_mode_(old_mode);
}

control_clock_ set_control_clock_(control_clock_ clock) {
  control_clock_ before = clock_in_use();
  clock_in_use() = std::move(clock);
  return before;
}

double control_seconds_() {
  if (auto& c = clock_in_use(); c.now) return c.now();
  return static_cast<double>(monotonic_ms_()) / 1000.0;
}

void control_sleep_(int32_t ms) {
  if (auto& c = clock_in_use(); c.sleep) return c.sleep(ms);
  sleep_ms_(ms);
}

void control_pause_(int32_t ms) {
  control_sleep_(ms);
  do_events_();
}

std::function<void()> set_control_beep_(std::function<void()> beep) {
  std::function<void()> before = beep_in_use();
  beep_in_use() = std::move(beep);
  return before;
}

void control_beep_() {
  if (auto& b = beep_in_use(); b) return b();
  system_beep_();
}
