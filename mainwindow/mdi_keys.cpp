// The two popup menus of the view and the blocks list, the status bar's snap toggles, and the
// keys the keyboard hook leaves to the main window: key tips and the ribbon's shortcuts.
#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/view/mdi_view_link.h"
#include "platform/input/key_codes.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/program_dir.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/statusbar/statusbar.h"

void MDI_::build_popup_menus_() {
  const std::string folder = icon_folder_();
  if (ribbon_) {
    xribbon_& r = ribbon_->model();
    r.add_popupmenuitem_(-1, 0, "POPUP.CANCEL", lang_text_("common.pmenu.cancel"));
    r.add_popupmenuitem_(-1, 0, "-", "-");
    r.add_popupmenuitem_(-1, 0, "POPUP.END", lang_text_("common.pmenu.finish"));
    r.add_popupmenuitem_(-1, 0, "POPUP.OK", lang_text_("common.pmenu.ok"));
    const int32_t insert = add_icon_(folder, "zaz.d2d.17.0.ico", "zaz.d2d.17.1.ico", 16, 16);
    r.add_popupmenuitem_(-2, 0, "BLOCK.INSERT", lang_text_("blocks.pmenu.insert"), "", false, -insert, false, "",
                         true, 0, true);
    r.add_popupmenuitem_(-2, 0, "BLOCK.RENAME", lang_text_("blocks.pmenu.rename"));
    r.add_popupmenuitem_(-2, 0, "-", "-");
    const int32_t del = add_icon_(folder, "zaz.trn.08.0.ico", "zaz.trn.08.0.ico", 16, 16);
    r.add_popupmenuitem_(-2, 0, "BLOCK.DELETE", lang_text_("blocks.pmenu.delete"), "", false, -del);
  }
  static const struct {
    const char* key;
    const char* title;
    const char* icon;
  } toggles[] = {{"SNAP_AN45_", "mdi.tool.snap.angle45", "zaz.snp.05.0.ico"},
                 {"SNAP_TRCK_", "mdi.tool.snap.track", "zaz.snp.04.0.ico"},
                 {"SNAP_2POI_", "mdi.tool.snap.points", "zaz.snp.03.0.ico"},
                 {"SNAP_GRID_", "mdi.tool.snap.grid", "zaz.snp.02.0.ico"},
                 {"GRID_VISIBLE_", "mdi.tool.grid", "zaz.snp.01.0.ico"}};
  for (const auto& t : toggles)
    statusbar_->add_button_(t.key, lang_text_(t.title), add_icon_(folder, t.icon, t.icon, 16, 16));
}

void MDI_::common_keydown_(int16_t keycode_, int16_t shift_) {
  if (gui_type_ != gui_ribbon_ || !ribbon_) return;
  xribbon_& r = ribbon_->model();
  if (keycode_ == 18) r.altstate_(!r.altstate_());
  if (r.altstate_()) {
    r.set_altkey_(keycode_);
    ribbon_->bar().set_focus_();
    return;
  }
  if (key_busy_) return;
  key_busy_ = true_;
  eng_.draw_cursor_(true_);
  eng_.draw_preview_(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", 0, false_, 0, 0, 0, false_);
  eng_.display_mask_(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1);
  if (keycode_ == key_escape_ && shift_ == 0) {
    escape_key_();
  } else {
    const std::string s = r.check_shortcut_(shift_, keycode_);
    if (s == "CTRL+Z") gocmd_("undo");
    else if (s == "CTRL+Y") gocmd_("redo");
  }
  key_busy_ = false_;
}

// Esc drops the figure in progress; with none it clears the selection. The ribbon's "clear
// selection" items carry the same key, so it is not also handed to them: that would clear the
// selection while a figure is only being dropped.
void MDI_::escape_key_() {
  if (ribbon_) ribbon_->hide_winex_();
  auto_pointer_();
  if (!view_link_ || view_input().escape_()) gocmd_("selectnone");
}
