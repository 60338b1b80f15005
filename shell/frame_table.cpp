// The frame table. A window keeps its index from attach to detach; removing a window moves the
// records behind it down, while the per-index side tables (top inset, quick-access buttons)
// stay where they are. Every platform call that fails is skipped and the next step runs.
#include "shell/frame_table.h"

#include <cstdlib>

#include "platform/services/screen.h"
#include "shell/frame_paint.h"
#include "shell/frame_proc.h"
#include "shell/frame_shadows.h"
#include "shell/frame_skin.h"
#include "shell/glass_caption.h"

std::array<frame_window_rec_, frame_table_max_ + 1> frame_table_;
int32_t frame_count_ = 0;

namespace {

bool desktop_composes = false;
window_handle_ open_dropdown = 0;

bool valid_index(int32_t n) { return n >= 1 && n <= frame_count_; }

}  // namespace

std::string& program_command_line_() {
  static std::string line;
  return line;
}

int32_t attach_frame_(window_& form, flag16_ custom_caption, flag16_ no_min_box,
                      const frame_style_& style, int32_t icon) {
  combo_list_open_ = 0;
  frames_hooked_ = 0;
  if (has_nohook_switch_(program_command_line_())) return 0;
  // A full table refuses the window: it keeps the platform's frame rather than a record that
  // would overwrite another window's.
  if (frame_count_ >= frame_table_max_ || find_frame_index_(form.handle_()) != 0) {
    frames_hooked_ = to_flag_(frame_count_ > 0);
    return 0;
  }
  frames_hooked_ = true_;
  const int32_t n = ++frame_count_;
  frame_window_rec_& r = frame_table_[n];
  r = frame_window_rec_{};
  composition_active_ = composition_enabled_();
  popup_open_ = 0;
  frame_top_inset_[n] = 0;

  r.hwnd = form.handle_();
  r.icon = icon;
  r.has_border = to_flag_(style.border);
  r.has_caption = to_flag_(style.caption);
  r.has_max_box = to_flag_(style.max_box);
  r.has_min_box = to_flag_(style.min_box && no_min_box != true_);
  r.has_sys_menu = to_flag_(style.sys_menu);
  r.custom_caption = custom_caption == true_ ? true_ : false_;
  r.active = true_;
  r.large_enough = true_;
  const int32_t b = style.border ? frame_border_px_ : 0;
  form.set_frame_insets_(b, b + (style.caption ? frame_caption_px_ : 0), b, b);
  r.caption_image = draw_glow_text_(r.hwnd, n);
  if (!is_set_(composition_active_)) {
    const int32_t s1 = frame_skin_shadow_colour_(true), s2 = frame_skin_shadow_colour_(false);
    if (s1 >= 0 && s2 >= 0 && is_set_(shadow_support_)) {
      create_frame_shadows_(form, r);
      r.shadow_size = 4;
      r.shadow_alpha = 64;
      r.shadow_color = s1;
    }
  }
  hook_frame_window_(form);
  return n;
}

int32_t detach_frame_(window_handle_ hwnd) {
  if (frame_count_ <= 0) return 0;
  const int32_t i = find_frame_index_(hwnd);
  if (i == 0) return 0;
  unhook_frame_window_(hwnd);
  destroy_frame_shadows_(frame_table_[i]);
  for (int32_t k = i; k < frame_count_; ++k) frame_table_[k] = std::move(frame_table_[k + 1]);
  frame_table_[frame_count_] = frame_window_rec_{};
  --frame_count_;
  if (frame_count_ == 0) frames_hooked_ = 0;
  return i;
}

int32_t find_frame_index_(window_handle_ hwnd) {
  if (hwnd == 0) return 0;
  for (int32_t i = 1; i <= frame_count_; ++i)
    if (frame_table_[i].hwnd == hwnd) return i;
  return 0;
}

frame_window_rec_ get_frame_record_(int32_t n) {
  if (n < 0 || n > frame_table_max_) return {};
  return frame_table_[n];
}

void set_frame_record_(int32_t n, const frame_window_rec_& record) {
  if (n < 0 || n > frame_table_max_) return;
  frame_table_[n] = record;
}

void set_frame_callbacks_(int32_t n, frame_callback_ first, frame_callback_ second, frame_callback_ third) {
  if (n < 0 || n > frame_table_max_) return;
  frame_table_[n].cb_activate = std::move(first);
  frame_table_[n].cb_caption_down = std::move(second);
  frame_table_[n].cb_quick_button = std::move(third);
}

void set_frame_callbacks2_(int32_t n, frame_callback_ fourth, frame_callback_ fifth) {
  if (n < 0 || n > frame_table_max_) return;
  frame_table_[n].cb_grown = std::move(fourth);
  frame_table_[n].cb_shrunk = std::move(fifth);
}

void call_frame_callback_(const frame_callback_& cb) {
  // A copy: the callee may replace the record's callbacks or detach the window.
  frame_callback_ call = cb;
  if (call) call();
}

int32_t frame_caption_height_(window_handle_ hwnd) {
  const window_* w = find_window_(hwnd);
  if (!w) return 0;
  const pixel_rect_ r = w->window_rect_();
  return static_cast<int32_t>(std::abs(r.height_() - w->client_height_()) -
                              std::abs(r.width_() - w->client_width_()));
}

int32_t frame_border_width_(window_handle_ hwnd) {
  const window_* w = find_window_(hwnd);
  if (!w) return 0;
  return cint32_(std::abs(w->window_rect_().width_() - w->client_width_()) * 0.5);
}

int32_t frame_border_height_(window_handle_ hwnd) { return frame_border_width_(hwnd); }
int32_t frame_caption_height2_(window_handle_ hwnd) { return frame_caption_height_(hwnd); }
int32_t frame_caption_height3_(window_handle_ hwnd) { return frame_caption_height_(hwnd); }
int32_t menu_bar_height_() { return menu_bar_height_px_(); }

flag16_ composition_enabled_() {
  if (frame_skin_aero_enabled_() != true_) return 0;
  return to_flag_(desktop_composes);
}

void set_desktop_composition_(bool on) { desktop_composes = on; }

void repaint_frame_(int32_t n) {
  if (!valid_index(n)) return;
  if (is_set_(composition_active_)) {
    frame_table_[n].caption_image = draw_glow_text_(frame_table_[n].hwnd, n);
    paint_glass_frame_(n);
  } else {
    paint_classic_frame_(n);
  }
}

void repaint_all_frames_() {
  for (int32_t i = 1; i <= frame_count_; ++i) {
    if (is_set_(composition_active_))
      paint_glass_frame_(i);
    else
      paint_classic_frame_(i);
  }
}

window_handle_ top_level_window_(window_handle_ hwnd) {
  window_* w = find_window_(hwnd);
  for (int32_t step = 0; w && step < 256; ++step) {
    window_* up = w->parent_();
    if (!up) return w->handle_();
    w = up;
  }
  return 0;
}

void set_open_dropdown_(window_handle_ hwnd) { open_dropdown = hwnd; }

void hide_open_dropdown_() {
  window_* w = find_window_(open_dropdown);
  if (!w || !w->visible_()) return;
  w->move_(0, 0, 0, 0);
  w->hide_();
  w->invalidate_();
  open_dropdown = 0;
}

void update_frame_inset_(int32_t n) {
  if (!valid_index(n)) return;
  const frame_window_rec_& r = frame_table_[n];
  if (r.custom_caption != true_) {
    frame_top_inset_[n] = 0;
    return;
  }
  const bool maxed = frame_maximized_(n);
  if (is_set_(composition_active_))
    frame_top_inset_[n] = maxed ? 6 : 1;
  else
    frame_top_inset_[n] = maxed ? frame_border_height_(r.hwnd) : 2;
}

void update_size_state_(int32_t n) {
  if (!valid_index(n)) return;
  frame_window_rec_& r = frame_table_[n];
  const window_* w = find_window_(r.hwnd);
  if (!w || w->state_() == show_state_::minimized) return;
  const int32_t cw = w->client_width_(), ch = w->client_height_();
  if (cw <= 0 || ch <= 0) return;
  const bool large = cw >= 300 && ch >= 200;
  const flag16_ was = r.large_enough;
  r.large_enough = to_flag_(large);
  // The state is stored first: a callback may resize the window and come back here.
  if (was == 0 && large) call_frame_callback_(r.cb_grown);
  if (was == true_ && !large) call_frame_callback_(r.cb_shrunk);
}

bool frame_maximized_(int32_t n) {
  const window_* w = valid_index(n) ? find_window_(frame_table_[n].hwnd) : nullptr;
  return w && w->state_() == show_state_::maximized;
}

window_* frame_window_(int32_t n) { return valid_index(n) ? find_window_(frame_table_[n].hwnd) : nullptr; }
