// The drawing view's one repaint entry, its cursors and the 10 ms timer's first full repaint.
#include <cmath>
#include <cstdio>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "shell/files.h"
#include "shell/frame_table.h"
#include "shell/program_dir.h"
#include "shell/settings.h"
#include "shell/shell_text.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/scrollbox/scrollbox.h"
#include "ui/controls/statusbar/statusbar.h"
#include "ui/skin/blitters.h"

void MDI_::ref_(flag16_ fast_, flag16_ resize_) {
  surface_& s = client_->client_surface_();
  const uint32_t back = uint32_t(eng_.backcolor_()) & 0xFFFFFFu;
  client_->set_background_(back);
  client_dc_->fill_rectangle_({0, 0, s.width_(), s.height_()}, back);
  reset_text_dc_(*client_dc_);
  eng_.display_(client_dc_.get(), resize_, fast_);
  if (!fast_) {
    // Tracking points belong to the drawing tools; none is running in this window yet.
  }
  if (resize_) {
    const int32_t w = client_->client_width_(), h = client_->client_height_();
    for (xcscrollbox_* bar : {hscroll_.get(), vscroll_.get()}) {
      const int32_t half = bar == hscroll_.get() ? w : h;
      bar->scrollmin_(-half);
      bar->scrollmax_(half);
      bar->scrollcurrent_(0);
      bar->cchsize_(0.3333333f);
      bar->refresh_();
    }
  }
  if (!status_synced_) {
    statusbar_->button_checked_("GRID_VISIBLE_", eng_.view_gridvisible_());
    statusbar_->button_checked_("SNAP_GRID_", eng_.view_snap2grid_());
    statusbar_->button_checked_("SNAP_2POI_", eng_.view_snap2points_());
    statusbar_->button_checked_("SNAP_AN45_", eng_.view_snap2ang45_());
    statusbar_->button_checked_("SNAP_TRCK_", false_);
    status_synced_ = true_;
  }
  client_->update_();
}

void MDI_::mouse_pointer_(int32_t id_) {
  if (id_ < 0) {
    cursor_path_.clear();
    client_->set_cursor_(cursor_shape_::arrow);
    return;
  }
  char name[40];
  std::snprintf(name, sizeof name, "zaz.cur.%02d.0.cur", id_);
  cursor_path_ = icon_folder_() + "cursors/" + name;
  // A missing file keeps the previous custom cursor.
  if (const cursor_handle_ c = load_cursor_file_(cursor_path_)) {
    if (cursor_) free_cursor_(cursor_);
    cursor_ = c;
  }
  if (cursor_) client_->set_cursor_handle_(cursor_);
}

void MDI_::auto_pointer_() {
  const tool_code_rec_* t = tool_record_(ds_.tool_name_);
  mouse_pointer_(t ? t->cursor : 0);
}

// The first tick after the load or a relayout repaints the whole drawing with the new size.
void MDI_::timer_tick_() {
  if (!first_tick_) return;
  first_tick_ = false_;
  ref_(false_, true_);
}

void MDI_::attach_view_() { eng_.dinit_(client_dc_.get()); }
