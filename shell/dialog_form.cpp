#include "shell/dialog_form.h"

#include <cmath>

#include "platform/services/screen.h"
#include "shell/colors.h"
#include "shell/frame_table.h"
#include "shell/main_link.h"
#include "shell/settings.h"
#include "shell/language.h"
#include "shell/ui_metrics.h"
#include "ui/skin/form_colors.h"

pixel_point_ dialog_default_position_() {
  pixel_point_ p{0, 0};
  if (main_link_* m = main_link_if_made_())
    if (window_* w = m->main_window_()) {
      const pixel_rect_ r = w->window_rect_();
      p = {r.left, r.top};
    }
  return {p.x + 150, p.y + 165};
}

int32_t stored_pixels_(const std::string& section, const std::string& key, int32_t fallback) {
  const value_ v = get_setting_("kalvinor.zaz", section, key, value_::empty());
  const double twips = value_number_(v, NAN);
  if (!std::isfinite(twips) || std::fabs(twips) > 1e8) return fallback;
  const int32_t tpp = twips_per_pixel_x_() > 0 ? twips_per_pixel_x_() : 15;
  return int32_t(std::lround(twips / tpp));
}

dialog_form_::dialog_form_(const std::string& title_key, int32_t client_width, int32_t client_height) {
  window_options_ o;
  o.title = lang_text_(title_key);
  o.width = client_width;
  o.height = client_height;
  o.in_taskbar = false;
  win_ = create_window_(o);
  window_options_ p;
  p.kind = window_kind_::child;
  p.parent = win_.get();
  p.width = client_width;
  p.height = client_height;
  p.takes_focus = false;
  form_ = create_window_(p);
  win_->on_resize = [this](int32_t, int32_t) { relayout_(); };
  win_->on_paint = [this] { draw_dialog_decoration_(*win_, -1); };
  win_->on_close = [this] {
    unload_();
    return false;
  };
  attach_frame_(*win_, 0, 0);
  const pixel_rect_ f = win_->frame_insets_();
  win_->move_(0, 0, client_width + f.left + f.right, client_height + f.top + f.bottom);
  apply_colors_();
}

dialog_form_::~dialog_form_() {
  // The owner's controls are gone by now: nothing may lay them out or call back.
  on_layout = nullptr;
  on_unload = nullptr;
  buttons_.clear();
  if (win_ && win_->exists_()) {
    detach_frame_(win_->handle_());
    win_->destroy_();
  }
}

void dialog_form_::set_buttons_(std::vector<window_handle_> buttons, const dialog_layout_rec_& layout) {
  buttons_ = std::move(buttons);
  buttons_.resize(4, 0);
  layout_ = layout;
  relayout_();
}

void dialog_form_::apply_colors_(const std::vector<window_*>& more_panels) {
  std::vector<window_*> panels{form_.get()};
  panels.insert(panels.end(), more_panels.begin(), more_panels.end());
  apply_form_colors_(*win_, skin_color_(20), skin_color_(21), skin_color_(22), panels);
}

void dialog_form_::place_from_settings_(const std::string& section) {
  const pixel_point_ d = dialog_default_position_();
  const pixel_rect_ r = win_->window_rect_();
  win_->move_(stored_pixels_(section, "left", d.x), stored_pixels_(section, "top", d.y), r.right - r.left,
              r.bottom - r.top);
}

void dialog_form_::save_position_(const std::string& section) {
  const pixel_rect_ r = win_->window_rect_();
  const int32_t tpp = twips_per_pixel_x_() > 0 ? twips_per_pixel_x_() : 15;
  save_setting_("kalvinor.zaz", section, "left", std::to_string(r.left * tpp));
  save_setting_("kalvinor.zaz", section, "top", std::to_string(r.top * tpp));
}

void dialog_form_::relayout_() {
  if (!exists_()) return;
  layout_dialog_client_(win_->handle_(), form_->handle_(), layout_.below_top, layout_.short_band,
                        layout_.keep_width);
  if (!buttons_.empty())
    layout_dialog_buttons_(win_->handle_(), buttons_[0], buttons_[1], buttons_[2], buttons_[3], layout_.align,
                           layout_.short_band);
  if (on_layout) on_layout();
  win_->invalidate_();
}

void dialog_form_::show_modal_(window_* owner) {
  if (!exists_()) return;
  win_->show_modal_(owner);
}

void dialog_form_::unload_() {
  if (unloading_ || !exists_()) return;
  unloading_ = true;
  if (on_unload) on_unload();
  win_->hide_();
  unloading_ = false;
}

void begin_form_labels_(dc_& dc, window_& form) {
  dc.fill_rectangle_({0, 0, form.client_width_(), form.client_height_()}, uint32_t(skin_color_(20)));
  dc.set_bk_mode_(bk_mode_::transparent_);
  dc.set_text_colour_(uint32_t(skin_color_(21)));
  dc.select_font_(font_{"Tahoma", 13});
}
