// The classic interface: the docking toolbar control filled by the classic builder, wired to the
// main window's event handlers, and the tool-button sync that keeps its buttons, menu checks and
// dynamic menus in line with the program's state.
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/interface/build_dock_toolbars.h"
#include "mainwindow/mdi.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/controls/statusbar/statusbar.h"

namespace {

// The docking-toolbar button pressed and the menu item checked for each tool; the first equal
// tool name wins. A tool without a row (BLOCK, BGROUP, the empty tool) presses and checks
// nothing and keeps its step; PRINTING.PAGEMOVE checks its menu item only.
struct tool_button_rec_ {
  const char* tool;
  const char* button;  // "" none
  const char* item;
};
const tool_button_rec_ tool_buttons[] = {
    {"ZOOM_MOVE", "ZOOM_MOVE", "ZOOM_MOVE"},
    {"ZOOM_ZOOM", "ZOOM_ZOOM", "ZOOM_ZOOM"},
    {"ZOOM_AREA", "ZOOM_AREA", "ZOOM_AREA"},
    {"ZOOM_IN", "ZOOM_IN", "ZOOM_IN"},
    {"ZOOM_OUT", "ZOOM_OUT", "ZOOM_OUT"},
    {"SELECT", "POINTER", "POINTER"},
    {"MOVE", "MOVE", "MOVE"},
    {"ROTATE", "ROTATE", "ROTATE"},
    {"MIRROR", "MIRROR", "MIRROR"},
    {"SCALE", "SCALE", "SCALE"},
    {"ARRAY", "ARRAY", "ARRAY"},
    {"ARRAY.CIRC", "ARRAY", "ARRAY"},
    {"ELINE", "ELINE", "ELINE"},
    {"JLINE", "JLINE", "JLINE"},
    {"VSLASH", "VSLASH", "VSLASH"},
    {"VROUND", "VROUND", "VROUND"},
    {"CUTOBJ", "CUTOBJ", "CUTOBJ"},
    {"POINT", "POINT", "POINT"},
    {"POINTS", "POINT", "POINTS"},
    {"LINE", "LINE", "LINE"},
    {"CURVE", "CURVE", "CURVE"},
    {"POLYLINE", "POLYLINE", "POLYLINE"},
    {"RECTANGLE", "RECTANGLE", "RECTANGLE"},
    {"POLYGON", "POLYGON", "POLYGON"},
    {"ARC.R", "ARC", "ARC.R"},
    {"ARC.2P", "ARC", "ARC.2P"},
    {"ARC.3P", "ARC", "ARC.3P"},
    {"CIRCLE.R", "CIRCLE", "CIRCLE.R"},
    {"CIRCLE.2P", "CIRCLE", "CIRCLE.2P"},
    {"CIRCLE.3P", "CIRCLE", "CIRCLE.3P"},
    {"ELLIPSE", "ELLIPSE", "ELLIPSE"},
    {"HATCH", "HATCH", "HATCH"},
    {"TEXT", "TEXT", "TEXT"},
    {"IMAGE", "IMAGE", "IMAGE"},
    {"DIM.F", "DIM.F", "DIM.F"},
    {"DIM.H", "DIM.H", "DIM.H"},
    {"DIM.V", "DIM.V", "DIM.V"},
    {"DIM.B", "DIM.B", "DIM.B"},
    {"DIM.G", "DIM.G", "DIM.G"},
    {"DIM.E", "DIM.E", "DIM.E"},
    {"DIM.A", "DIM.A", "DIM.A"},
    {"DIM.C", "DIM.C", "DIM.C"},
    {"DIM.R", "DIM.R", "DIM.R"},
    {"DIM.D", "DIM.D", "DIM.D"},
    {"MES.L", "MES.L", "MES.L"},
    {"MES.A", "MES.A", "MES.A"},
    {"PRINTING.PAGEMOVE", "", "PRINTAREA.MOVE"},
};

const tool_button_rec_* tool_buttons_of_(const std::string& tool) {
  for (const tool_button_rec_& t : tool_buttons)
    if (tool == t.tool) return &t;
  return nullptr;
}

// The five view switches: toolbar button and menu item key, status-bar toggle key.
struct view_switch_rec_ {
  const char* tools_key;
  const char* status_key;
  flag16_ (zaz_class_::*get)() const;
};
const view_switch_rec_ view_switches[] = {
    {"TOOLS.GRID", "GRID_VISIBLE_", &zaz_class_::view_gridvisible_},
    {"TOOLS.SNAP", "SNAP_GRID_", &zaz_class_::view_snap2grid_},
    {"TOOLS.POINTS", "SNAP_2POI_", &zaz_class_::view_snap2points_},
    {"TOOLS.TRACK", "SNAP_TRCK_", &zaz_class_::view_snap2track_},
    {"TOOLS.ORTHO", "SNAP_AN45_", &zaz_class_::view_snap2ang45_},
};

}  // namespace

void MDI_::build_classic_gui_() {
  docktb_ = std::make_unique<xdocktb_>();
  xdocktb_& tb = *docktb_;
  tb.ButtonClick = [this](int32_t t, int32_t b, const std::string& k, const std::string& k2) {
    xdocktb_ButtonClick(t, b, k, k2);
  };
  tb.MenuItemClick = [this](int32_t t, int32_t s, int32_t b, const std::string& k, int32_t mx, int32_t my) {
    xdocktb_MenuItemClick(t, s, b, k, mx, my);
  };
  tb.PressEnter = [this](int32_t t, int32_t s, int32_t b, const std::string& k) { xdocktb_PressEnter(t, s, b, k); };
  tb.ResizeDocks = [this] { xdocktb_ResizeDocks(); };
  tb.ToolbarHide = [this](int32_t t) { xdocktb_ToolbarHide(t); };
  tb.MouseDown = [this](int16_t b, int16_t s, float x, float y) { xdocktb_MouseDown(b, s, x, y); };
  tb.WinActivate = [this](int16_t s) { xdocktb_WinActivate(s); };
  tb.UserDraw = [this](int32_t t, int32_t b, const std::string& k, const std::string& k2, int32_t v, dc_* dc,
                       int32_t x, int32_t y, int32_t w, int32_t h, int32_t m, int16_t vert) {
    xdocktb_UserDraw(t, b, k, k2, v, dc, x, y, w, h, m, vert);
  };
  tb.ItmDraw = [this](int32_t b, const std::string& k, const std::string& item, int32_t v, const std::string& text,
                      dc_* dc, int32_t x, int32_t y, int32_t w, int32_t h, int32_t m) {
    xdocktb_ItmDraw(b, k, item, v, text, dc, x, y, w, h, m);
  };

  dock_build_ctx_ c;
  c.docktb = &tb;
  c.fields = &gui_fields_;
  c.main = form_.get();
  c.docks = {dock_[1].get(), dock_[2].get(), dock_[3].get(), dock_[4].get()};
  c.panel = panel_.get();
  c.set_colours = [this](int32_t main_back, int32_t dock_back) {
    form_->set_background_(uint32_t(main_back));
    for (int i = 1; i <= 4; ++i) dock_[i]->set_background_(uint32_t(dock_back));
  };
  c.build_popup_menus = [this] { build_popup_menus_(); };
  build_dock_toolbars_(c);
  // The property editor's style and width lists show the icons the builder loaded.
  for (int32_t code = code_icon_table_::first_code; code <= code_icon_table_::last_code; ++code) {
    style_icons_[size_t(code + 5)] = gui_fields_.style_icons_.at_(code);
    width_icons_[size_t(code + 5)] = gui_fields_.width_icons_.at_(code);
  }
  tb.resize_tools_(true);
  tb.update_(false, true);
}

// Unchecks everything, presses and checks what shows the current tool, mirrors the view
// switches on the TOOLS buttons, items and status bar, and rebuilds the toolbars, pages and
// layers menus. In the ribbon interface only the tool's step and the status bar are touched.
void MDI_::ref_tool_buttons_(int32_t flag) {
  xdocktb_* tb = gui_type_ >= gui_classic_ ? docktb_.get() : nullptr;
  if (tb) {
    tb->unckeck_all_();
    // The status bar's check mark is no tool state: it survives the unchecking.
    tb->menu_check_("STATUSBAR", statusbar_shown_);
  }
  if (const tool_button_rec_* t = tool_buttons_of_(ds_.tool_name_)) {
    if (*t->button) {
      if (tb) set_tool_(ds_.tool_name_, t->button, flag);
      else ds_.tool_step_ = 0;
    }
    if (tb) tb->menu_check_(t->item, true_);
  }
  for (const view_switch_rec_& v : view_switches) {
    const flag16_ on = (eng_.*v.get)();
    statusbar_->button_checked_(v.status_key, on);
    if (!tb) continue;
    const int32_t id = tb->key2id_(v.tools_key);
    if (id >= 1) tb->button_ckeck_(id, on);
    tb->menu_check_(v.tools_key, on);
  }
  if (tb) {
    rebuild_classic_lists_();
    tb->refresh(0);
  }
  statusbar_->refresh_();
}

// The toolbars sub-menu of VIEW and the drop-downs of the page and layer list buttons.
void MDI_::rebuild_classic_lists_() {
  xdocktb_& tb = *docktb_;
  const gui_fields_rec_& f = gui_fields_;
  if (f.view_menu_bid_ >= 1 && f.toolbars_menu_sub_ >= 1) {
    tb.erase_menu_(f.view_menu_bid_, f.toolbars_menu_sub_);
    for (int32_t i = 1; i <= tb.tbcount_(); ++i)
      tb.add_submenu_(f.view_menu_bid_, f.toolbars_menu_sub_, "TOOLBAR." + std::to_string(i), tb.tbtitle_(i), "",
                      is_set_(tb.tbvisible_(i)));
  }
  auto fill = [&](int32_t bid, const char* prefix, int32_t count, auto title) {
    if (bid < 1) return;
    tb.erase_menu_(bid, 0);
    for (int32_t i = 1; i <= count; ++i)
      tb.add_menu_(bid, prefix + std::to_string(i), title(int16_t(i)), "", false, 0, false, true, true, true, i);
  };
  fill(f.page_list_bid_, "PAGE.", eng_.pages_count_(), [this](int16_t i) { return eng_.page_title_(i); });
  fill(f.layer_list_bid_, "LAYER.", eng_.layers_count_(), [this](int16_t i) { return eng_.layer_title_(i); });
}
