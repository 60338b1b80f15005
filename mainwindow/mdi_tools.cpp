// Tool selection, the interface type of a run and the icons several lists share. The interface
// is chosen once, when the window is built; a changed setting applies at the next start.
#include <cmath>
#include <cstdio>
#include <sstream>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/view/adraw_rows.h"
#include "shell/focus_state.h"
#include "shell/icons.h"
#include "shell/program_dir.h"
#include "shell/settings.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {
const tool_code_rec_ tools[] = {
    {"SELECT", "select", "", "", 0},
    {"ZOOM_MOVE", "mview", "ZOOM_MOVE", "ZOOM_MOVE", 1},
    {"ZOOM_ZOOM", "dzoom", "ZOOM_ZOOM", "ZOOM_ZOOM", 2},
    {"ZOOM_AREA", "azoom", "ZOOM_AREA", "ZOOM_AREA", 3},
    {"ZOOM_IN", "zoomin", "ZOOM_IN", "ZOOM_IN", 4},
    {"ZOOM_OUT", "zoomout", "ZOOM_OUT", "ZOOM_OUT", 5},
    {"PRINTING.PAGEMOVE", "pamove", "", "", 0},
    {"MOVE", "move", "MOVE", "", 0},
    {"ROTATE", "rotate", "ROTATE", "", 0},
    {"MIRROR", "mirror", "MIRROR", "", 0},
    {"SCALE", "scale", "SCALE", "", 0},
    {"ARRAY", "arr array", "ARRAY", "", 0},
    {"ARRAY.CIRC", "arrc arrayc", "ARRAY", "", 0},
    {"ELINE", "eline", "ELINE", "ELINE", 0},
    {"JLINE", "jline", "ELINE", "", 0},
    {"VSLASH", "vslash", "VSLASH", "", 0},
    {"VROUND", "vround", "VSLASH", "", 0},
    {"CUTOBJ", "cutobj", "CUTOBJ", "", 0},
    {"POINT", "point", "POINT", "POINT", 0},
    {"POINTS", "points", "POINT", "POINT", 0},
    {"LINE", "line", "LINE", "LINE", 0},
    {"CURVE", "curve", "CURVE", "CURVE", 0},
    {"POLYLINE", "polyline", "POLYLINE", "POLYLINE", 0},
    {"RECTANGLE", "rect rectangle", "RECTANGLE", "RECTANGLE", 0},
    {"POLYGON", "polygon", "POLYGON", "POLYGON", 0},
    {"ARC.R", "arc", "ARC", "ARC", 0},
    {"ARC.2P", "arc2p", "ARC", "ARC", 0},
    {"ARC.3P", "arc3p", "ARC", "ARC", 0},
    {"CIRCLE.R", "circle", "CIRCLE", "CIRCLE", 0},
    {"CIRCLE.2P", "circle2p", "CIRCLE", "CIRCLE", 0},
    {"CIRCLE.3P", "circle3p", "CIRCLE", "CIRCLE", 0},
    {"ELLIPSE", "ellipse", "ELLIPSE", "ELLIPSE", 0},
    {"HATCH", "hatch", "HATCH", "HATCH", 0},
    {"TEXT", "text", "TEXT", "TEXT", 0},
    {"IMAGE", "image", "IMAGE", "IMAGE", 0},
    {"BGROUP", "bgroup", "BGROUP", "BGROUP", 0},
    {"BLOCK", "block", "", "", 0},
    {"DIM.F", "dim dimf", "DIM.F", "DIM.F", 0},
    {"DIM.H", "dimh", "DIM.H", "DIM.H", 0},
    {"DIM.V", "dimv", "DIM.V", "DIM.V", 0},
    {"DIM.B", "dimb", "DIM.B", "DIM.B", 0},
    {"DIM.G", "dimg", "DIM.G", "DIM.G", 0},
    {"DIM.E", "dime", "DIM.E", "DIM.E", 0},
    {"DIM.A", "dima", "DIM.A", "DIM.A", 0},
    {"DIM.C", "dimc", "DIM.C", "DIM.C", 0},
    {"DIM.R", "dimr", "DIM.R", "DIM.R", 0},
    {"DIM.D", "dimd", "DIM.D", "DIM.D", 0},
    {"MES.L", "mesl", "MES.L", "MES.L", 0},
    {"MES.A", "mesa", "MES.A", "MES.A", 0},
};


std::string two_digits(int32_t k) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", k);
  return buf;
}
}  // namespace

const tool_code_rec_* tool_of_word_(const std::string& word) {
  for (const tool_code_rec_& t : tools) {
    std::istringstream words(t.words);
    std::string w;
    while (words >> w)
      if (w == word) return &t;
  }
  return nullptr;
}

const tool_code_rec_* tool_record_(const std::string& tool) {
  for (const tool_code_rec_& t : tools)
    if (tool == t.tool) return &t;
  return nullptr;
}

int32_t gui_type_from_setting_(double stored) { return stored >= 1 ? gui_classic_ : gui_ribbon_; }

bool MDI_::set_tool_(const std::string& tool, const std::string& key, int32_t flag) {
  if (flag == -1) return false;
  ds_.tool_name_ = tool;
  ds_.tool_step_ = 0;
  // A new tool shows its own rows; the rows of the tool left are saved on the way.
  if (current_tool_key_(tool) != adraw_tool_) ref_adraw_();
  const std::string k = trim_blanks_(key);
  if (k.empty()) return true;
  if (gui_type_ < gui_classic_) {
    if (ribbon_) ribbon_->model().buttonchecked_(k, true);
  } else if (docktb_) {
    const int32_t id = docktb_->key2id_(k);
    if (id >= 1) docktb_->button_ckeck_(id, true_);
  }
  return true;
}

int32_t MDI_::build_gui_() {
  load_shared_icons_();
  const int32_t type = gui_type_from_setting_(value_number_(get_setting_(setting_gui_type_), 1));
  if (type == gui_classic_) build_classic_gui_();
  else build_ribbon_gui_();
  ds_.tool_name_ = "SELECT";
  ds_.tool_step_ = 0;
  focus_state_code_ = focus_view_;
  return type;
}

void MDI_::load_shared_icons_() {
  const std::string folder = icon_folder_();
  auto icon = [&](const std::string& small_file, const std::string& large_file = {}) {
    return add_icon_(folder, small_file, large_file.empty() ? small_file : large_file, 16, 16);
  };
  page_icon_ = icon("zaz.std.04.0.ico");
  layers_icon_ = icon("zaz.lrs.09.0.ico");
  for (int32_t k = 0; k < 20; ++k) {
    arrow1_icons_[size_t(k)] = icon("zaz.dim.arrow." + two_digits(k) + "a.ico");
    arrow2_icons_[size_t(k)] = icon("zaz.dim.arrow." + two_digits(k) + "b.ico");
    eng_.set_arrow1_icon_(k, arrow1_icons_[size_t(k)]);
    eng_.set_arrow2_icon_(k, arrow2_icons_[size_t(k)]);
  }
  layer_visible_icon_ = icon("zaz.lrs.01.0.ico");
  layer_hidden_icon_ = icon("zaz.lrs.02.0.ico");
  layer_editable_icon_ = icon("zaz.lrs.03.0.ico");
  layer_locked_icon_ = icon("zaz.lrs.04.0.ico");
  icon_none_ = icon("zaz.attr.05.0.ico");
  icon_bylayer_ = icon("zaz.attr.01.0.ico");
  icon_byblock_ = icon("zaz.attr.02.0.ico");
  icon_auto_ = icon("zaz.attr.03.0.ico");
  icon_rgb_ = icon("zaz.attr.04.0.ico");
  static const struct {
    int type;
    const char* file;
  } types[] = {{1, "zaz.d2d.01"}, {2, "zaz.d2d.02"}, {3, "zaz.d2d.04"}, {4, "zaz.d2d.03"},
               {5, "zaz.d2d.06"}, {6, "zaz.d2d.07"}, {7, "zaz.d2d.08"}, {8, "zaz.d2d.09"},
               {10, "zaz.d2d.11"}, {11, "zaz.d2d.12"}, {15, "zaz.d2d.13"}, {12, "zaz.dim.02"}};
  for (const auto& t : types) type_icons_[size_t(t.type)] = icon(std::string(t.file) + ".0.ico");
  print_icons_[0] = add_icon_(folder, "zaz.std.05.0.ico", "zaz.std.05.1.ico", 16, 16);
}

int32_t MDI_::icon_layer_sicon_(uint8_t type_, int32_t val_) const {
  if (type_ == 0) return icon_auto_;
  if (type_ != 1 && type_ != 2) return 0;
  if (val_ < -5 || val_ > 16) return 0;
  return (type_ == 1 ? style_icons_ : width_icons_)[size_t(val_ + 5)];
}
