// The tool words: the tool panel keeps the values of the tool being left, the new tool becomes
// current and the interface shows it (a shared button shows the variant chosen last and repeats
// it), then the cursor and the panel's rows follow the new tool. "zoomall" changes no tool.
#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "shell/language.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {
enum class tool_group { modify, draw, dimension, view };

// What choosing a tool shows besides its button: the classic menu item checked ("" none), and
// for a variant of a shared button its ribbon caption, its icon and whether the classic button
// follows it as well.
struct tool_word_rec {
  const char* tool;
  tool_group group;
  const char* menu_item;
  const char* caption_key;
  int32_t gui_fields_rec_::*icon;
  bool classic_variant;
};

using g = gui_fields_rec_;
const tool_word_rec tool_words[] = {
    {"MOVE", tool_group::modify, "", "", nullptr, false},
    {"ROTATE", tool_group::modify, "", "", nullptr, false},
    {"MIRROR", tool_group::modify, "", "", nullptr, false},
    {"SCALE", tool_group::modify, "", "", nullptr, false},
    {"ARRAY", tool_group::modify, "", "mdi.tool.draw.transform.array", &g::tool_icon_array_rect_, false},
    {"ARRAY.CIRC", tool_group::modify, "", "mdi.tool.draw.transform.array", &g::tool_icon_array_circ_, false},
    {"ELINE", tool_group::modify, "ELINE", "mdi.tool.draw.modline.eline", &g::tool_icon_eline_, false},
    {"JLINE", tool_group::modify, "JLINE", "mdi.tool.draw.modline.jline", &g::tool_icon_jline_, false},
    {"VSLASH", tool_group::modify, "VSLASH", "mdi.tool.draw.modline.vslash", &g::tool_icon_vslash_, false},
    {"VROUND", tool_group::modify, "VROUND", "mdi.tool.draw.modline.vround", &g::tool_icon_vround_, false},
    {"CUTOBJ", tool_group::modify, "CUTOBJ", "", nullptr, false},
    {"POINT", tool_group::draw, "POINT", "mdi.tool.draw.drawing.point.1", &g::tool_icon_point_, true},
    {"POINTS", tool_group::draw, "POINTS", "mdi.tool.draw.drawing.point.2", &g::tool_icon_points_, true},
    {"LINE", tool_group::draw, "LINE", "", nullptr, false},
    {"CURVE", tool_group::draw, "CURVE", "", nullptr, false},
    {"POLYLINE", tool_group::draw, "POLYLINE", "", nullptr, false},
    {"RECTANGLE", tool_group::draw, "RECTANGLE", "", nullptr, false},
    {"POLYGON", tool_group::draw, "POLYGON", "", nullptr, false},
    {"ARC.R", tool_group::draw, "ARC.R", "mdi.tool.draw.drawing.arc.r", &g::tool_icon_arc_r_, true},
    {"ARC.2P", tool_group::draw, "ARC.2P", "mdi.tool.draw.drawing.arc.2p", &g::tool_icon_arc_2p_, true},
    {"ARC.3P", tool_group::draw, "ARC.3P", "mdi.tool.draw.drawing.arc.3p", &g::tool_icon_arc_3p_, true},
    {"CIRCLE.R", tool_group::draw, "CIRCLE.R", "mdi.tool.draw.drawing.circle.r", &g::tool_icon_circle_r_, true},
    {"CIRCLE.2P", tool_group::draw, "CIRCLE.2P", "mdi.tool.draw.drawing.circle.2p", &g::tool_icon_circle_2p_, true},
    {"CIRCLE.3P", tool_group::draw, "CIRCLE.3P", "mdi.tool.draw.drawing.circle.3p", &g::tool_icon_circle_3p_, true},
    {"ELLIPSE", tool_group::draw, "ELLIPSE", "", nullptr, false},
    {"HATCH", tool_group::draw, "HATCH", "", nullptr, false},
    {"TEXT", tool_group::draw, "TEXT", "", nullptr, false},
    {"IMAGE", tool_group::draw, "IMAGE", "", nullptr, false},
    {"BGROUP", tool_group::draw, "BGROUP", "", nullptr, false},
    {"DIM.F", tool_group::dimension, "DIM.F", "", nullptr, false},
    {"DIM.H", tool_group::dimension, "DIM.H", "", nullptr, false},
    {"DIM.V", tool_group::dimension, "DIM.V", "", nullptr, false},
    {"DIM.B", tool_group::dimension, "DIM.B", "", nullptr, false},
    {"DIM.G", tool_group::dimension, "DIM.G", "", nullptr, false},
    {"DIM.E", tool_group::dimension, "DIM.E", "", nullptr, false},
    {"DIM.A", tool_group::dimension, "DIM.A", "", nullptr, false},
    {"DIM.C", tool_group::dimension, "DIM.C", "", nullptr, false},
    {"DIM.R", tool_group::dimension, "DIM.R", "", nullptr, false},
    {"DIM.D", tool_group::dimension, "DIM.D", "", nullptr, false},
    {"MES.L", tool_group::dimension, "MES.L", "", nullptr, false},
    {"MES.A", tool_group::dimension, "MES.A", "", nullptr, false},
    {"ZOOM_MOVE", tool_group::view, "", "", nullptr, false},
    {"ZOOM_ZOOM", tool_group::view, "", "", nullptr, false},
    {"ZOOM_AREA", tool_group::view, "", "", nullptr, false},
    {"ZOOM_IN", tool_group::view, "", "", nullptr, false},
    {"ZOOM_OUT", tool_group::view, "", "", nullptr, false},
};

const tool_word_rec* tool_word(const std::string& word) {
  const tool_code_rec_* t = tool_of_word_(word);
  if (!t) return nullptr;
  for (const tool_word_rec& r : tool_words)
    if (std::string(r.tool) == t->tool) return &r;
  return nullptr;
}

void show_variant_ribbon(MDI_& m, const tool_word_rec& t, const std::string& key) {
  xribbon_& r = m.ribbon()->model();
  r.set_buttonicon_(key, m.gui_fields_.*t.icon);
  r.buttonkey2_(key, t.tool);
  r.buttontext_(key, lang_text_(t.caption_key));
  r.buttonwidth_(key, false, 0);
  r.buttonwidth_(key, true, 0);
  r.buttonchecked_(key, true);
}
}  // namespace

bool command_words_::tool_words_(MDI_& m, command_run_rec_& c) {
  if (c.word == "zoomall") {
    c.handled = true;
    m.eng_.view_all_(false_, 0);
    m.ref_(false_, false_);
    return true;
  }
  const tool_word_rec* t = tool_word(c.word);
  if (!t) return false;
  const tool_code_rec_& code = *tool_record_(t->tool);
  const bool ribbon = m.gui_type_ < gui_classic_;
  // Leaving the current tool.
  c.handled = true;
  c.tool_chosen = t->group != tool_group::view;
  m.save_adraw_();  // under the tool the rows shown belong to
  if (std::string(t->tool) == "IMAGE" && trim_blanks_(m.image_file_).empty()) {
    m.choose_image_file_();
    if (trim_blanks_(m.image_file_).empty()) {
      c.skip_tail = true;
      return true;
    }
  }
  uncheck_zoom_items_(m);
  clear_ribbon_tool_groups_(m);
  // Making the new tool current and showing it.
  const std::string key = ribbon ? code.ribbon_key : code.classic_key;
  c.handled = m.set_tool_(t->tool, key, 0);
  if (ribbon && m.ribbon_ && *t->caption_key) show_variant_ribbon(m, *t, key);
  if (!ribbon && m.docktb_) {
    if (*t->menu_item) m.docktb_->menu_check_(t->menu_item, true_);
    if (t->classic_variant) {
      const int32_t id = m.docktb_->key2id_(key);
      if (id > 0) {
        m.docktb_->button_ico_(id, m.gui_fields_.*t->icon);
        m.docktb_->button_key2_(id, t->tool);
      }
    }
  }
  if (t->group == tool_group::view && code.tool != std::string("ZOOM_IN") && code.tool != std::string("ZOOM_OUT"))
    m.panel_->item_checked_(t->tool, true_);
  // Setting up the new tool.
  m.auto_pointer_();
  tool_rows_(m);
  return true;
}
