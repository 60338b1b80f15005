// The status bar's snap toggles and zoom slider, and the two self-centring pan bars. None of
// these makes an undo step. Zooms are kept between fixed limits, so repeated drags and steps
// can never push the view to an infinite or vanishing scale.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/statusbar/statusbar.h"

float zoom_slider_factor_(int32_t value) {
  if (value >= 0) return 1.0f + float(value) / 100.0f;
  return 1.0f / (1.0f + float(std::abs(value)) / 100.0f);
}

std::string zoom_percent_text_(int32_t value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.0f%%", std::nearbyint(double(zoom_slider_factor_(value)) * 100.0));
  return buf;
}

void MDI_::set_view_zoom_clamped_(float zoom) {
  if (!std::isfinite(zoom)) zoom = zoom > 0 ? zoom_highest_ : zoom_lowest_;
  eng_.view_zoom_(std::clamp(zoom, zoom_lowest_, zoom_highest_));
}

void MDI_::statusbar_ButtonClick(const std::string& bkey_) {
  using setter = void (zaz_class_::*)(flag16_);
  static const struct {
    const char* key;
    setter set;
  } toggles[] = {{"GRID_VISIBLE_", &zaz_class_::view_gridvisible_},
                 {"SNAP_GRID_", &zaz_class_::view_snap2grid_},
                 {"SNAP_2POI_", &zaz_class_::view_snap2points_},
                 {"SNAP_AN45_", &zaz_class_::view_snap2ang45_},
                 {"SNAP_TRCK_", &zaz_class_::view_snap2track_}};
  for (const auto& t : toggles) {
    if (bkey_ != t.key) continue;
    statusbar_->button_checked_(bkey_, to_flag_(!statusbar_->button_checked_(bkey_)));
    (eng_.*t.set)(statusbar_->button_checked_(bkey_));
    ref_(false_, false_);
  }
  if (gui_type_ >= gui_classic_) ref_tool_buttons_(0);
}

void MDI_::zoom_text_update_(int32_t value) { statusbar_->zoom_text_(zoom_percent_text_(value)); }

void MDI_::statusbar_ZoomMouseDown(int32_t value_) {
  zoom_slider_base_ = eng_.view_zoom_();
  zoom_text_update_(value_);
}

void MDI_::statusbar_ZoomScroll(int32_t value_) {
  set_view_zoom_clamped_(zoom_slider_base_ * zoom_slider_factor_(value_));
  zoom_text_update_(value_);
  ref_(true_, false_);
}

void MDI_::statusbar_ZoomMouseUp(int32_t) {
  zoom_slider_base_ = eng_.view_zoom_();
  statusbar_->zoom_curr_(0);
  statusbar_->refresh_();
  zoom_text_update_(0);
  ref_(false_, false_);
}

void MDI_::statusbar_ZoomPressLeft(int32_t) {
  set_view_zoom_clamped_(eng_.view_zoom_() * 0.9f);
  ref_(false_, false_);
}

void MDI_::statusbar_ZoomPressRight(int32_t) {
  set_view_zoom_clamped_(eng_.view_zoom_() * 1.1f);
  ref_(false_, false_);
}

void MDI_::hscroll_MouseDown() {
  if (ribbon_) ribbon_->hide_winex_();
  if (docktb_) docktb_->hide_menu_();
  pan_start_h_ = hscroll_->scrollcurrent_();
  pan_start_x_ = eng_.view_posx_();
}

void MDI_::vscroll_MouseDown() {
  if (ribbon_) ribbon_->hide_winex_();
  if (docktb_) docktb_->hide_menu_();
  pan_start_v_ = vscroll_->scrollcurrent_();
  pan_start_y_ = eng_.view_posy_();
}

void MDI_::hscroll_Scroll() {
  const float z = eng_.view_zoom_();
  if (!(z > 0)) return;
  eng_.view_posx_(pan_start_x_ + float(hscroll_->scrollcurrent_() - pan_start_h_) / z);
  ref_(false_, false_);
}

void MDI_::vscroll_Scroll() {
  const float z = eng_.view_zoom_();
  if (!(z > 0)) return;
  eng_.view_posy_(pan_start_y_ - float(vscroll_->scrollcurrent_() - pan_start_v_) / z);
  ref_(false_, false_);
}

// Released at an end, the thumb goes back to the middle so the next drag can go on the same way.
void MDI_::pan_release_(xcscrollbox_& bar) {
  const int32_t v = bar.scrollcurrent_();
  if (v <= bar.scrollmin_() || v >= bar.scrollmax_()) {
    bar.scrollcurrent_(0);
    bar.refresh_();
  }
}

void MDI_::hscroll_MouseUp() { pan_release_(*hscroll_); }
void MDI_::vscroll_MouseUp() { pan_release_(*vscroll_); }
