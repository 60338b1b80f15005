// The frame's window procedure. Each framed window keeps its own handlers (the frame never
// shares one saved handler between windows), and a window the table does not know gets the
// platform's default handling rather than silence.
#include "shell/frame_proc.h"

#include <map>
#include <set>

#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "shell/frame_paint.h"
#include "shell/frame_shadows.h"
#include "shell/frame_skin.h"
#include "shell/frame_table.h"
#include "shell/glass_caption.h"
#include "shell/language.h"
#include "shell/quick_buttons.h"
#include "ui/skin/popup_background.h"

namespace {

// A window's own handlers, kept while the frame holds its place.
struct saved_handlers_ {
  std::function<void(const mouse_event_&)> on_mouse;
  std::function<void(const mouse_event_&)> on_frame_mouse;
  std::function<void()> on_frame_paint;
  std::function<void(int32_t, int32_t)> on_resize;
  std::function<void()> on_move;
  std::function<void(bool)> on_activate;
  std::function<void()> on_destroy;
};

std::map<window_handle_, saved_handlers_>& saved() {
  static auto* all = new std::map<window_handle_, saved_handlers_>();
  return *all;
}

std::map<window_handle_, std::vector<wheel_control_>>& wheel_controls() {
  static auto* all = new std::map<window_handle_, std::vector<wheel_control_>>();
  return *all;
}

// Windows whose band was just painted outside a paint event: the paint event that presents
// it need not paint again (and so keeps the hover look the cursor had).
std::set<window_handle_>& fresh_bands() {
  static auto* all = new std::set<window_handle_>();
  return *all;
}

// The frame's handlers, as named types so that unhooking can tell them from the owner's.
struct mouse_hook_ {
  window_handle_ h;
  void operator()(const mouse_event_& m) const;
};
struct frame_mouse_hook_ {
  window_handle_ h;
  void operator()(const mouse_event_& m) const;
};
struct frame_paint_hook_ {
  window_handle_ h;
  void operator()() const { frame_window_proc_(h, frame_msg_::nc_paint, {}); }
};
struct resize_hook_ {
  window_handle_ h;
  void operator()(int32_t w, int32_t ht) const {
    frame_msg_args_ a;
    a.width = w;
    a.height = ht;
    frame_window_proc_(h, frame_msg_::size, a);
    frame_window_proc_(h, frame_msg_::pos_changed, {});
  }
};
struct move_hook_ {
  window_handle_ h;
  void operator()() const {
    frame_window_proc_(h, frame_msg_::move, {});
    frame_window_proc_(h, frame_msg_::pos_changed, {});
  }
};
struct activate_hook_ {
  window_handle_ h;
  void operator()(bool on) const {
    frame_msg_args_ a;
    a.wparam = on ? 1 : 0;
    frame_window_proc_(h, frame_msg_::activate, a);
  }
};
struct destroy_hook_ {
  window_handle_ h;
  void operator()() const { frame_window_proc_(h, frame_msg_::destroy, {}); }
};

void mouse_hook_::operator()(const mouse_event_& m) const {
  if (m.type == mouse_type_::wheel) {
    frame_msg_args_ a;
    a.mouse = m;
    frame_window_proc_(h, frame_msg_::mouse_wheel, a);
    return;
  }
  auto it = saved().find(h);
  if (it == saved().end() || !it->second.on_mouse) return;
  auto handler = it->second.on_mouse;  // the handler may unhook the window
  handler(m);
}

void frame_mouse_hook_::operator()(const mouse_event_& m) const {
  frame_msg_args_ a;
  a.mouse = m;
  const bool left = m.button == button_left_, right = m.button == button_right_;
  switch (m.type) {
    case mouse_type_::move: frame_window_proc_(h, frame_msg_::nc_mouse_move, a); return;
    case mouse_type_::wheel: frame_window_proc_(h, frame_msg_::mouse_wheel, a); return;
    case mouse_type_::down:
      if (left) frame_window_proc_(h, frame_msg_::nc_left_down, a);
      if (right) frame_window_proc_(h, frame_msg_::nc_right_down, a);
      return;
    case mouse_type_::up:
      if (left) frame_window_proc_(h, frame_msg_::nc_left_up, a);
      if (right) frame_window_proc_(h, frame_msg_::nc_right_up, a);
      return;
    case mouse_type_::double_click:
      if (left) frame_window_proc_(h, frame_msg_::nc_left_double, a);
      return;
    default: return;
  }
}

// The platform's own handling of a frame press: the caption moves the window, a border sizes
// it, the icon square does neither.
void default_frame_press(window_& w, const mouse_event_& m) {
  if (w.state_() == show_state_::maximized) return;
  const int32_t n = find_frame_index_(w.handle_());
  if (n && cursor_on_icon_(n) == true_) return;
  const pixel_rect_ in = w.frame_insets_();
  const pixel_rect_ wr = w.window_rect_();
  const int32_t border = in.bottom;  // the frame's side and bottom width is also its top border
  int32_t edges = 0;
  if (m.x < in.left) edges |= 1;
  if (m.y < border) edges |= 2;
  if (m.x >= wr.width_() - in.right) edges |= 4;
  if (m.y >= wr.height_() - in.bottom) edges |= 8;
  if (edges)
    w.start_system_resize_(edges);
  else
    w.start_system_move_();
}

void perform_system_command(window_& w, int32_t command) {
  switch (command & 0xFFF0) {
    case sc_minimize_: w.minimize_(); break;
    case sc_maximize_: w.maximize_(); break;
    case sc_restore_: w.restore_(); break;
    case sc_close_: w.close_(); break;
    case sc_move_: w.start_system_move_(); break;
    default: break;
  }
}

// "Pass on": the window's own handler for the message, else the default.
int32_t pass_on(window_handle_ hwnd, frame_msg_ msg, const frame_msg_args_& a) {
  saved_handlers_ own;
  if (auto it = saved().find(hwnd); it != saved().end()) own = it->second;  // a copy: handlers may unhook
  window_* w = find_window_(hwnd);
  switch (msg) {
    case frame_msg_::destroy:
      if (own.on_destroy) own.on_destroy();
      break;
    case frame_msg_::move:
      if (own.on_move) own.on_move();
      break;
    case frame_msg_::size:
      if (own.on_resize) own.on_resize(a.width, a.height);
      break;
    case frame_msg_::activate:
      if (own.on_activate) own.on_activate(a.wparam != 0);
      break;
    case frame_msg_::nc_paint:
      if (own.on_frame_paint) own.on_frame_paint();
      break;
    case frame_msg_::nc_mouse_move:
    case frame_msg_::nc_left_up:
    case frame_msg_::nc_right_down:
    case frame_msg_::nc_right_up:
      if (own.on_frame_mouse) own.on_frame_mouse(a.mouse);
      break;
    case frame_msg_::nc_left_down:
      if (own.on_frame_mouse)
        own.on_frame_mouse(a.mouse);
      else if (w && a.on_caption && w->state_() != show_state_::maximized)
        w->start_system_move_();
      else if (w && !a.on_caption)
        default_frame_press(*w, a.mouse);
      break;
    case frame_msg_::nc_left_double:
      if (own.on_frame_mouse)
        own.on_frame_mouse(a.mouse);
      else if (w && find_frame_index_(hwnd) && frame_table_[find_frame_index_(hwnd)].has_max_box == true_)
        perform_system_command(*w, w->state_() == show_state_::maximized ? sc_restore_ : sc_maximize_);
      break;
    case frame_msg_::mouse_wheel:
      if (own.on_mouse) own.on_mouse(a.mouse);
      break;
    case frame_msg_::sys_command:
      if (w) perform_system_command(*w, a.wparam);
      break;
    default: break;
  }
  return 0;
}

// Paints window n's frame into its whole-window surface. Outside a paint event the window is
// then presented again.
void paint_frame(window_handle_ hwnd, bool in_paint_event) {
  const int32_t n = find_frame_index_(hwnd);
  if (!n) return;
  if (is_set_(composition_active_))
    paint_glass_frame_(n);
  else
    paint_classic_frame_(n);
  if (in_paint_event) return;
  if (window_* w = find_window_(hwnd)) {
    fresh_bands().insert(hwnd);
    w->invalidate_();
  }
}

void caption_press(window_handle_ hwnd, const frame_msg_args_& a) {
  hide_open_dropdown_();
  int32_t n = find_frame_index_(hwnd);
  if (!n) return;
  draw_caption_quick_buttons_(n, nullptr, frame_table_[n].active, true_);
  const bool glass = is_set_(composition_active_);
  if (hovered_quick_button_ >= 1 && (glass || frame_table_[n].custom_caption == true_)) {
    call_frame_callback_(frame_table_[n].cb_caption_down);
    if (!(n = find_frame_index_(hwnd))) return;
    frame_table_[n].pressed = true_;
    paint_frame(hwnd, false);
    if (hovered_quick_button_ == 1) {
      // The first button stands for the window icon. The menu has taken the press, and the
      // button is up once it closes: a move started now would follow the pointer unasked, so
      // the press is not passed on.
      hovered_quick_button_ = 0;
      show_system_menu_(hwnd, true_);
    }
    return;
  }
  if (glass) {
    frame_table_[n].pressed = 0;
    call_frame_callback_(frame_table_[n].cb_caption_down);
    paint_frame(hwnd, false);
    if ((n = find_frame_index_(hwnd))) call_frame_callback_(frame_table_[n].cb_activate);
    pass_on(hwnd, frame_msg_::nc_left_down, a);
    return;
  }
  int32_t l, t, r, b;
  const flag16_ pressed = caption_button_state_(0, n, l, t, r, b) >= 2 ? true_ : false_;
  frame_table_[n].pressed = pressed;
  call_frame_callback_(frame_table_[n].cb_caption_down);
  paint_frame(hwnd, false);
  if ((n = find_frame_index_(hwnd))) call_frame_callback_(frame_table_[n].cb_activate);
  if (pressed == 0) pass_on(hwnd, frame_msg_::nc_left_down, a);
  if (!(n = find_frame_index_(hwnd))) return;
  if (frame_table_[n].custom_caption != true_ && cursor_on_icon_(n) == true_) show_system_menu_(hwnd, true_);
}

void caption_release(window_handle_ hwnd, const frame_msg_args_& a) {
  int32_t n = find_frame_index_(hwnd);
  if (!n) return;
  if (hovered_quick_button_ >= 1 && frame_table_[n].pressed == true_) {
    call_frame_callback_(frame_table_[n].cb_quick_button);
  } else if (!is_set_(composition_active_)) {
    // A release over a button acts wherever the press began.
    int32_t l, t, r, b;
    if (caption_button_state_(1, n, l, t, r, b) >= 2)
      toggle_minimize_(hwnd);
    else if (caption_button_state_(2, n, l, t, r, b) >= 2)
      toggle_maximize_(hwnd);
    else if (caption_button_state_(3, n, l, t, r, b) >= 2)
      post_close_(hwnd);
  }
  if (!(n = find_frame_index_(hwnd))) return;
  frame_table_[n].pressed = 0;
  paint_frame(hwnd, false);
  pass_on(hwnd, frame_msg_::nc_left_up, a);
}

int32_t system_command(window_handle_ hwnd, int32_t n, const frame_msg_args_& a) {
  const frame_window_rec_& r = frame_table_[n];
  const int32_t cmd = a.wparam & 0xFFF0;
  if (r.custom_caption == true_) {
    if (cmd == sc_keymenu_ && a.lparam == 0) return 0;
  } else {
    if (cmd == sc_minimize_ && r.has_min_box == 0) return 0;
    if (cmd == sc_maximize_ && r.has_max_box == 0) return 0;
  }
  return pass_on(hwnd, frame_msg_::sys_command, a);
}

}  // namespace

int32_t frame_window_proc_(window_handle_ hwnd, frame_msg_ msg, const frame_msg_args_& a) {
  int32_t n = find_frame_index_(hwnd);
  if (n == 0) return pass_on(hwnd, msg, a);
  const bool glass = is_set_(composition_active_);
  switch (msg) {
    case frame_msg_::destroy:
      pass_on(hwnd, msg, a);
      detach_frame_(hwnd);
      return 0;
    case frame_msg_::move:
      if (!glass && frame_maximized_(n)) return 0;
      return pass_on(hwnd, msg, a);
    case frame_msg_::size:
      fresh_bands().erase(hwnd);
      update_frame_inset_(n);
      update_size_state_(n);
      pass_on(hwnd, msg, a);
      if (glass)
        paint_frame(hwnd, false);
      else if (window_* w = find_window_(hwnd))
        set_window_shape_(*w, 0, frame_skin_round_corners_());  // rounded top corners while restored
      return 0;
    case frame_msg_::pos_changed:
      if (!glass) move_frame_shadows_(n);
      return 0;
    case frame_msg_::activate:
      pass_on(hwnd, msg, a);
      if (!(n = find_frame_index_(hwnd))) return 0;
      frame_table_[n].active = a.wparam != 0 ? true_ : false_;
      paint_frame(hwnd, false);
      if ((n = find_frame_index_(hwnd))) call_frame_callback_(frame_table_[n].cb_activate);
      if (!glass && (n = find_frame_index_(hwnd))) place_frame_shadows_(n);
      return 0;
    case frame_msg_::nc_paint:
      if (glass) pass_on(hwnd, msg, a);
      if (fresh_bands().erase(hwnd)) return 0;
      paint_frame(hwnd, true);
      return 0;
    case frame_msg_::nc_mouse_move:
      pass_on(hwnd, msg, a);
      paint_frame(hwnd, false);
      return 0;
    case frame_msg_::nc_left_down:
      caption_press(hwnd, a);
      return 0;
    case frame_msg_::nc_left_up:
      caption_release(hwnd, a);
      return 0;
    case frame_msg_::nc_left_double:
      draw_caption_quick_buttons_(n, nullptr, frame_table_[n].active, true_);
      if (glass) {
        if (hovered_quick_button_ == 0) pass_on(hwnd, msg, a);
      } else if (hovered_quick_button_ == 0 && frame_table_[n].has_max_box == true_) {
        toggle_maximize_(hwnd);
      }
      return 0;
    case frame_msg_::nc_right_up:
      show_system_menu_(hwnd, 0);
      return pass_on(hwnd, msg, a);
    case frame_msg_::sys_command:
      return system_command(hwnd, n, a);
    case frame_msg_::mouse_wheel:
      route_mouse_wheel_(hwnd, a.mouse);
      return 0;
    case frame_msg_::window_menu:
      if (glass) return pass_on(hwnd, msg, a);
      show_system_menu_(hwnd, 0);
      return 0;
    default:
      return pass_on(hwnd, msg, a);
  }
}

void hook_frame_window_(window_& w) {
  const window_handle_ h = w.handle_();
  saved()[h] = {w.on_mouse, w.on_frame_mouse, w.on_frame_paint, w.on_resize, w.on_move, w.on_activate, w.on_destroy};
  w.on_mouse = mouse_hook_{h};
  w.on_frame_mouse = frame_mouse_hook_{h};
  w.on_frame_paint = frame_paint_hook_{h};
  w.on_resize = resize_hook_{h};
  w.on_move = move_hook_{h};
  w.on_activate = activate_hook_{h};
  w.on_destroy = destroy_hook_{h};
}

void unhook_frame_window_(window_handle_ hwnd) {
  auto it = saved().find(hwnd);
  if (it == saved().end()) return;
  saved_handlers_ own = std::move(it->second);
  saved().erase(it);
  fresh_bands().erase(hwnd);
  wheel_controls().erase(hwnd);
  window_* w = find_window_(hwnd);
  if (!w) return;  // destroyed: nothing to give back
  // Only the handlers the frame still holds go back; one the owner set since stays.
  auto give_back = [](auto& slot, auto& own_fn, const std::type_info& ours) {
    if (slot && slot.target_type() == ours) slot = std::move(own_fn);
  };
  give_back(w->on_mouse, own.on_mouse, typeid(mouse_hook_));
  give_back(w->on_frame_mouse, own.on_frame_mouse, typeid(frame_mouse_hook_));
  give_back(w->on_frame_paint, own.on_frame_paint, typeid(frame_paint_hook_));
  give_back(w->on_resize, own.on_resize, typeid(resize_hook_));
  give_back(w->on_move, own.on_move, typeid(move_hook_));
  give_back(w->on_activate, own.on_activate, typeid(activate_hook_));
  give_back(w->on_destroy, own.on_destroy, typeid(destroy_hook_));
  w->set_frame_insets_(0, 0, 0, 0);
}

int32_t caption_button_state_(int32_t which, int32_t n, int32_t& left, int32_t& top, int32_t& right,
                              int32_t& bottom) {
  left = top = right = bottom = 0;
  if (n < 1 || n > frame_count_) return 0;
  const frame_window_rec_& r = frame_table_[n];
  const window_* w = find_window_(r.hwnd);
  if (!w) return 0;
  const pixel_rect_ wr = w->window_rect_();
  const int32_t W = static_cast<int32_t>(wr.width_());
  const int32_t bw = frame_border_width_(r.hwnd), bh = frame_border_height_(r.hwnd), b = frame_caption_height2_(r.hwnd);
  const bool empty = (which == 1 && r.has_min_box != true_) || (which == 2 && r.has_max_box != true_);
  if (!empty) {
    left = W - bw - (which == 0 || which == 1 ? 3 : which == 2 ? 2 : 1) * b;
    right = which == 0 ? W - bw : left + b;
    top = bh;
    bottom = bh + b - 1;
  }
  const pixel_point_ c = cursor_pos_();
  const int32_t cx = c.x - wr.left, cy = c.y - wr.top;
  if (cx < left || cx >= right || cy < top || cy >= bottom) return 1;
  return r.pressed == true_ ? 4 : 2;
}

pixel_point_ system_menu_position_(const pixel_rect_& desktop, const pixel_rect_& window, int32_t border_w,
                                   int32_t border_h, int32_t caption_h, int32_t items, int32_t menu_h,
                                   bool at_icon, pixel_point_ cursor) {
  if (!at_icon) return cursor;
  pixel_point_ p;
  p.x = desktop.right < window.left + 220 ? desktop.right - 220 : window.left + border_w;
  const int32_t m = static_cast<int16_t>(items * menu_h);
  p.y = desktop.bottom < window.top + m ? desktop.bottom - m + 1 : window.top + caption_h + border_h + 1;
  return p;
}

void show_system_menu_(window_handle_ hwnd, flag16_ at_icon) {
  window_* w = find_window_(hwnd);
  if (!w) return;
  const int32_t n = find_frame_index_(hwnd);
  const frame_window_rec_ r = get_frame_record_(n);
  const show_state_ state = w->state_();
  const bool min_box = n ? r.has_min_box == true_ : true, max_box = n ? r.has_max_box == true_ : true;
  const std::vector<menu_item_> items = {
      {lang_text_("frame.sysmenu.restore"), state != show_state_::normal},
      {lang_text_("frame.sysmenu.minimize"), min_box && state != show_state_::minimized},
      {lang_text_("frame.sysmenu.maximize"), max_box && state != show_state_::maximized},
      {lang_text_("frame.sysmenu.close"), true}};
  const pixel_rect_ desktop{0, 0, screen_width_px_(), screen_height_px_()};
  const pixel_point_ p = system_menu_position_(desktop, w->window_rect_(), frame_border_width_(hwnd),
                                               frame_border_height_(hwnd), frame_caption_height_(hwnd),
                                               static_cast<int32_t>(items.size()), menu_bar_height_(),
                                               at_icon != 0, cursor_pos_());
  static constexpr int32_t commands[] = {sc_restore_, sc_minimize_, sc_maximize_, sc_close_};
  const int32_t pick = context_menu_(w, p.x, p.y, items);
  if (pick >= 1 && pick <= 4) post_system_command_(hwnd, commands[pick - 1]);
}

void post_system_command_(window_handle_ hwnd, int32_t command) {
  post_task_([hwnd, command] {
    frame_msg_args_ a;
    a.wparam = command;
    frame_window_proc_(hwnd, frame_msg_::sys_command, a);
  });
}

void toggle_minimize_(window_handle_ hwnd) {
  const window_* w = find_window_(hwnd);
  post_system_command_(hwnd, w && w->state_() == show_state_::minimized ? sc_restore_ : sc_minimize_);
}

void toggle_maximize_(window_handle_ hwnd) {
  const window_* w = find_window_(hwnd);
  post_system_command_(hwnd, w && w->state_() == show_state_::maximized ? sc_restore_ : sc_maximize_);
}

void post_close_(window_handle_ hwnd) { post_system_command_(hwnd, sc_close_); }

void set_form_wheel_controls_(window_handle_ form, std::vector<wheel_control_> controls) {
  wheel_controls()[form] = std::move(controls);
}

void route_mouse_wheel_(window_handle_ /*hwnd*/, const mouse_event_& m) {
  wheel_handled_ = 0;
  const window_* active = active_window_();
  if (!active) return;
  auto it = wheel_controls().find(active->handle_());
  if (it == wheel_controls().end()) return;
  const std::vector<wheel_control_> controls = it->second;  // a control may change the list
  const int16_t step = m.wheel < 0 ? 1 : -1;
  for (const wheel_control_& c : controls) {
    if (wheel_handled_ != 0 || !c.call_mscroll) continue;
    const bool open = combo_list_open_ != 0;
    if (c.kind == wheel_control_kind_::combo_box ? open : !open) wheel_handled_ = c.call_mscroll(step);
  }
}
