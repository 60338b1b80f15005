// Standard controls: creation, the list of a window's controls, properties and input.
#include "platform/window/controls.h"

#include <algorithm>
#include <map>

#include "platform/input/key_codes.h"

namespace {

// Every live control by its window's handle; handles grow, so iteration is creation order.
// Never destroyed: controls kept in statics may go after it at exit.
std::map<window_handle_, control_*>& registry() {
  static auto* all = new std::map<window_handle_, control_*>();
  return *all;
}

constexpr uint32_t face_colour = 0xF0F0F0;  // rgb(240, 240, 240)
constexpr uint32_t text_colour = 0x000000;

bool takes_focus(control_kind_ k) {
  return k == control_kind_::command_button || k == control_kind_::check_box ||
         k == control_kind_::option_button;
}

bool is_descendant(const window_& w, const window_& ancestor) {
  for (const window_* p = w.parent_(); p; p = p->parent_())
    if (p == &ancestor) return true;
  return false;
}

}  // namespace

font_ standard_control_font_() {
  font_ f;
  f.face = "Tahoma";  // the drawing layer stands in the closest installed face
  f.height = -11;
  return f;
}

std::unique_ptr<control_> create_control_(const control_options_& o) {
  if (!o.parent || !o.parent->exists_()) return nullptr;
  window_options_ wo;
  wo.kind = window_kind_::child;
  wo.parent = o.parent;
  wo.x = o.x;
  wo.y = o.y;
  wo.width = o.width;
  wo.height = o.height;
  wo.takes_focus = takes_focus(o.kind);
  wo.background = face_colour;
  std::unique_ptr<control_> c(new control_());
  c->window_ptr_ = create_window_(wo);
  window_* w = c->window_ptr_.get();
  if (w->kind_() != window_kind_::child) return nullptr;
  c->handle_id_ = w->handle_();
  c->kind_now_ = o.kind;
  c->caption_text_ = o.caption;
  c->rect_now_ = {o.x, o.y, o.x + std::max(o.width, 0), o.y + std::max(o.height, 0)};
  c->font_now_ = standard_control_font_();
  c->back_ = face_colour;
  c->fore_ = text_colour;
  control_* self = c.get();
  w->on_paint = [self] { self->paint_(); };
  w->on_mouse = [self](const mouse_event_& m) { self->mouse_(m); };
  w->on_key = [self](const key_event_& k) { self->key_(k); };
  w->on_focus = [self](bool got) {
    if (!got && self->space_held_) {
      self->space_held_ = false;
      self->set_pressed_(self->mouse_held_);
    }
    self->refresh_();
  };
  registry()[c->handle_id_] = self;
  w->show_();
  return c;
}

control_::~control_() {
  registry().erase(handle_id_);
  if (!window_ptr_) return;
  window_ptr_->on_paint = nullptr;
  window_ptr_->on_mouse = nullptr;
  window_ptr_->on_key = nullptr;
  window_ptr_->on_focus = nullptr;
  if (window_ptr_->has_capture_()) release_capture_();
  window_ptr_.reset();
}

window_* control_::win_() const {
  return window_ptr_ && window_ptr_->exists_() ? window_ptr_.get() : nullptr;
}

void control_::refresh_() {
  if (window_* w = win_()) w->invalidate_();
}

void control_::set_caption_(std::string_view text) {
  caption_text_ = std::string(text);
  if (auto_size_on_) fit_to_text_();
  refresh_();
}

void control_::set_value_(int32_t value) {
  int32_t v = 0;
  switch (kind_now_) {
    case control_kind_::check_box:
      if (value < unchecked_ || value > grayed_) return;  // not a check box state
      v = value;
      break;
    case control_kind_::option_button:
      v = value != 0 ? checked_ : unchecked_;
      break;
    default:
      return;
  }
  if (kind_now_ == control_kind_::option_button && v == checked_) {
    // One option per container: the others of the same parent go off.
    const window_* parent = win_() ? win_()->parent_() : nullptr;
    for (const auto& [h, other] : registry()) {
      if (other == this || other->kind_now_ != control_kind_::option_button || !other->value_now_) continue;
      const window_* w = other->win_();
      if (w && w->parent_() == parent) {
        other->value_now_ = unchecked_;
        other->refresh_();
      }
    }
  }
  if (v == value_now_) return;
  value_now_ = v;
  refresh_();
}

void control_::enable_(bool on) {
  enabled_on_ = on;
  if (window_* w = win_()) w->enable_(on);
  if (!on) {
    if (mouse_held_ && win_() && win_()->has_capture_()) release_capture_();
    mouse_held_ = space_held_ = false;
    pressed_ = false;
  }
  refresh_();
}

void control_::set_visible_(bool on) {
  visible_on_ = on;
  window_* w = win_();
  if (!w) return;
  if (on)
    w->show_();
  else
    w->hide_();
}

void control_::move_(int32_t x, int32_t y, int32_t width, int32_t height) {
  rect_now_ = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
  if (window_* w = win_()) w->move_(x, y, width, height);
  refresh_();
}

void control_::set_text_font_(const font_& font) {
  font_now_ = font;
  if (auto_size_on_) fit_to_text_();
  refresh_();
}

void control_::set_back_colour_(uint32_t colour) {
  back_ = colour & 0xFFFFFF;
  if (window_* w = win_()) w->set_background_(back_);
  refresh_();
}

void control_::set_fore_colour_(uint32_t colour) {
  fore_ = colour & 0xFFFFFF;
  refresh_();
}

void control_::set_transparent_(bool on) {
  transparent_on_ = on;
  refresh_();
}

void control_::set_auto_size_(bool on) {
  auto_size_on_ = on;
  if (on) fit_to_text_();
  refresh_();
}

void control_::set_alignment_(control_align_ align) {
  align_ = align;
  refresh_();
}

void control_::set_use_mnemonic_(bool on) {
  mnemonic_on_ = on;
  if (auto_size_on_) fit_to_text_();
  refresh_();
}

uint32_t control_::text_format_() const {
  uint32_t f = mnemonic_on_ ? 0 : text_no_prefix_;
  switch (kind_now_) {
    case control_kind_::label:
      f |= text_word_break_;
      if (align_ == control_align_::right) f |= text_right_;
      if (align_ == control_align_::center) f |= text_center_;
      break;
    case control_kind_::command_button:
      f |= text_center_ | text_vcenter_ | text_single_line_;
      break;
    case control_kind_::check_box:
    case control_kind_::option_button:
      f |= text_vcenter_ | text_single_line_;
      break;
    case control_kind_::frame:
      f |= text_single_line_;
      break;
  }
  return f;
}

void control_::fit_to_text_() {
  if (kind_now_ != control_kind_::label) return;
  // One line per line break: the width grows to the text rather than wrapping.
  const uint32_t f = (text_format_() & ~text_word_break_) | text_calc_rect_;
  const pixel_rect_ room{0, 0, 0, 0};
  const text_layout_ l = layout_text_(font_now_, caption_text_, room, f & ~(text_right_ | text_center_));
  const int32_t w = static_cast<int32_t>(std::max<int64_t>(l.bounds.width_(), 0));
  const int32_t h = std::max(l.height, 0);
  rect_now_.right = rect_now_.left + w;
  rect_now_.bottom = rect_now_.top + h;
  if (window_* win = win_()) win->move_(rect_now_.left, rect_now_.top, w, h);
}

bool control_::focusable_() const { return takes_focus(kind_now_); }

void control_::set_pressed_(bool on) {
  if (pressed_ == on) return;
  pressed_ = on;
  refresh_();
}

void control_::click_() {
  if (!enabled_on_ || !win_()) return;
  if (kind_now_ == control_kind_::check_box) set_value_(value_now_ == unchecked_ ? checked_ : unchecked_);
  if (kind_now_ == control_kind_::option_button) set_value_(checked_);
  // A handler may destroy the control (a Close button): run a copy and touch nothing after.
  if (auto handler = on_click) handler();
}

void control_::mouse_(const mouse_event_& m) {
  window_* w = win_();
  if (!w) return;
  const bool inside = m.x >= 0 && m.y >= 0 && m.x < w->client_width_() && m.y < w->client_height_();
  bool clicked = false;
  switch (m.type) {
    case mouse_type_::down:
    case mouse_type_::double_click:  // a quick second click is a click like the first
      if (m.button == button_left_ && enabled_on_) {
        mouse_held_ = true;
        if (takes_focus(kind_now_)) w->set_focus_();
        w->set_capture_();
        set_pressed_(true);
      }
      break;
    case mouse_type_::move:
      if (mouse_held_) set_pressed_(inside || space_held_);
      break;
    case mouse_type_::up:
      if (m.button == button_left_ && mouse_held_) {
        mouse_held_ = false;
        if (w->has_capture_()) release_capture_();
        set_pressed_(space_held_);
        clicked = inside;
      }
      break;
    default:
      break;
  }
  if (on_mouse) {
    const window_handle_ h = handle_id_;
    auto handler = on_mouse;
    handler(m);
    if (find_control_(h) != this) return;  // the handler took the control away
  }
  if (clicked) click_();
}

void control_::key_(const key_event_& k) {
  if (k.key_code != key_space_ || !enabled_on_ || !takes_focus(kind_now_)) return;
  if (k.type == key_type_::down && !k.repeat) {
    space_held_ = true;
    set_pressed_(true);
  } else if (k.type == key_type_::up && space_held_) {
    space_held_ = false;
    set_pressed_(mouse_held_);
    click_();
  }
}

std::vector<control_*> standard_controls_(const window_& form) {
  std::vector<control_*> out;
  for (const auto& [h, c] : registry()) {
    const window_* w = c->win_();
    if (w && is_descendant(*w, form)) out.push_back(c);
  }
  return out;
}

control_* find_control_(window_handle_ handle) {
  auto it = registry().find(handle);
  return it == registry().end() ? nullptr : it->second;
}
