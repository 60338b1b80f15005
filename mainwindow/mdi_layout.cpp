// Places every child of the main window for the interface in use. A part that would get a
// negative size (a window smaller than the fixed parts) is skipped; the others are still placed.
#include <algorithm>
#include <cmath>

#include "mainwindow/mdi.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/controls/statusbar/statusbar.h"
#include "ui/controls/textbox/textbox.h"

namespace {
constexpr int32_t bar_ = 17, status_h_ = 22, cmdline_h_ = 20, cmdbar_h_ = 28;

// Moves a window unless the size is negative; a zero size is a valid, empty place.
void place(window_* w, int32_t x, int32_t y, int32_t width, int32_t height) {
  if (!w || width < 0 || height < 0) return;
  w->move_(x, y, width, height);
}
}  // namespace

window_* MDI_::panel_window() { return panel_ ? panel_->panel_window_() : nullptr; }

void MDI_::mdi_resize_() {
  // The side panel is never shown from here; without content it goes. The blocks list writes
  // smaller than the property editor.
  if (side_panel_mode_ == 1) panel2_font_size_ = 6;
  else if (side_panel_mode_ == 2) panel2_font_size_ = 8;
  else panel2_->hide_();
  if (gui_type_ >= gui_classic_) {
    layout_classic_();
  } else {
    layout_ribbon_();
  }
  ref_edit_(true_, false_);
  ref_blocks_(-1, -1);
  first_tick_ = true_;
}

void MDI_::layout_classic_() {
  const int32_t side = side_panel_mode_ == 1 ? 140 : side_panel_mode_ == 2 ? 210 : 0;
  const int32_t W = form_->client_width_(), H = form_->client_height_();
  // The dock areas keep the thickness the docking control gave them and follow the edges;
  // the status bar is the outermost strip at the bottom.
  const int32_t T = dock_[1]->client_height_(), B = dock_[2]->client_height_();
  const int32_t L = dock_[3]->client_width_(), R = dock_[4]->client_width_();
  // The status bar the user hid from the VIEW menu leaves no strip.
  const int32_t SB = is_set_(statusbar_shown_) ? status_h_ : 0;
  const int32_t inner = std::max(0, H - SB);
  place(dock_[1].get(), 0, 0, W, T);
  place(dock_[2].get(), 0, inner - B, W, B);
  place(dock_[3].get(), 0, T, L, std::max(0, inner - T - B));
  place(dock_[4].get(), std::max(0, W - R), T, R, std::max(0, inner - T - B));
  const int32_t VW = W - (L + R + side + bar_);
  const int32_t VH = H - (T + B) - (SB + bar_);
  place(client_.get(), L, T, VW, VH);
  place(hscroll_->win_(), L, T + VH, VW, bar_);
  place(vscroll_->win_(), L + VW, T, bar_, VH);
  place(cmdbar_.get(), L, T + VH + bar_, VW + bar_, 0);
  place(panel2_.get(), L + VW + bar_, T, side, VH);
  place(p2vsc_->win_(), side - bar_, 0, bar_, VH);
  panel_->hide_winex_();
  panel_->refresh_();
  // The tool panel is not placed here: it lives inside a docking toolbar, which the toolbar
  // builder embeds it in. Until it is embedded it stays hidden.
  if (window_* p = panel_window(); p && p->parent_() == form_.get()) p->hide_();
  cmdbar_->hide_();
  place(statusbar_->win_(), 0, H - status_h_, W, status_h_);
  if (docktb_) docktb_->hide_menu_();
  hscroll_->win_()->raise_();
  vscroll_->win_()->raise_();
}

void MDI_::layout_ribbon_() {
  const int32_t side = side_panel_mode_ == 1 ? 140 : side_panel_mode_ == 2 ? 210 : 0;
  const int32_t RH = ribbon_ ? std::max(0, ribbon_->grbh_()) : 0;
  const int32_t P = RH >= 1 ? 119 : 0;
  const int32_t SW = form_->client_width_(), SH = form_->client_height_();
  place(statusbar_->win_(), 0, SH - status_h_, SW, status_h_);
  const int32_t status_now = statusbar_->win_() ? statusbar_->win_()->client_height_() : status_h_;
  place(hscroll_->win_(), P, SH - status_now - (bar_ + cmdbar_h_), SW - side - P - bar_, bar_);
  place(vscroll_->win_(), SW - side - bar_, RH, bar_, SH - (RH + status_h_ + bar_ + cmdbar_h_));
  if (ribbon_) {
    place(&ribbon_->bar(), 0, 0, SW, RH);
    ribbon_->model().set_scale_size_(SW, RH);
  }
  do_events_();
  const pixel_rect_ lr = clabel_->rect_();
  const int32_t label_w = lr.right - lr.left;
  clabel_->move_(5, 5, label_w, lr.bottom - lr.top);
  place(cmdbar_.get(), P, SH - (status_h_ + cmdbar_h_), SW - P, cmdbar_h_);
  place(cmd_->win_(), 5 + label_w + 10, (cmdbar_h_ - cmdline_h_) / 2, cmdbar_->client_width_() - (label_w + 20),
        cmdline_h_);
  place(panel_window(), 0, RH, P, SH - (RH + status_h_));
  const int32_t VW = SW - (bar_ + P + side), VH = SH - (RH + bar_ + status_h_ + cmdbar_h_);
  place(client_.get(), P, RH, VW, VH);
  place(panel2_.get(), P + std::max(0, VW) + bar_, RH, side, std::max(0, VH) + bar_);
  place(p2vsc_->win_(), panel2_->client_width_() - bar_, 0, bar_, panel2_->client_height_());
  if (ribbon_) {
    ribbon_->hide_winex_();
    ribbon_->refresh_();
  }
  panel_->hide_winex_();
  panel_->refresh_();
  if (ribbon_) ribbon_->bar().raise_();
  hscroll_->win_()->raise_();
  vscroll_->win_()->raise_();
}
