// The ribbon interface: its controls and their events.
#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

// Until the interface builders exist the ribbon holds a few controls: the drawing tab with the
// line tool, the undo history and the page, layer and style lists.
void MDI_::build_ribbon_gui_() {
  ribbon_ = std::make_unique<xribbon_control_>(*form_, 0, 0, 850, 120);
  xribbon_& r = ribbon_->model();
  r.UserDraw = [this](dc_* hdc, const std::string& key, const std::string& text, int32_t x, int32_t y, int32_t w,
                      int32_t h, int32_t value) { xribbon_UserDraw(hdc, key, text, x, y, w, h, value); };
  r.ButtonClick = [this](const std::string& key, int16_t) {
    if (key == "LINE") gocmd_("line");
    else if (key == "UNDO") gocmd_("undo");
  };
  r.add_tabtop_("HOME", "Home");
  const int32_t tab = r.add_tabtop_("DRAW", "Draw");
  const int32_t draw = r.add_toolbar_(tab, "DRAWING", "Draw");
  r.add_button_(draw, "LINE", "Line", 0, ribbon_size_large_, ribbon_size_large_);
  const int32_t edit = r.add_toolbar_(tab, "EDIT", "Edit");
  r.add_button_(edit, "UNDO", "Undo", 0, ribbon_size_large_, ribbon_size_large_, ribbon_split_button_);
  const int32_t lists = r.add_toolbar_(tab, "LISTS", "Lists");
  r.add_combo_(lists, "PAGE_SEL", "", 1, 1, 120, 120);
  r.add_combo_(lists, "LAYERS_LIST", "", 2, 2, 120, 120);
  r.buttonuserdraw_("LAYERS_LIST", true);
  r.add_combo_(lists, "DIMSTYLES_LIST", "", 3, 3, 120, 120);
  r.update_tabs_();
  r.tab_id_(tab);
  ribbon_->bar().show_();
  build_popup_menus_();
}
