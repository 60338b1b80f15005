// The page and layer words: orientation, page size from the printer, the two dialogs, adding
// and deleting pages and layers, and the page-move tool. A drawing holds at most 255 pages:
// "pageadd" at the limit is refused before any undo step begins.
#include <string>

#include "dialogs/print/printer_choice.h"
#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "platform/services/printer.h"
#include "shell/language.h"
#include "ui/controls/ribbon/ribbon_control.h"

namespace {
constexpr int32_t pages_max = 255;
constexpr float sheet_w = 297.0f, sheet_h = 210.0f;

void add_new_layer(zaz_class_& e) { e.layer_add_(lang_text_("common.layer.new"), true_, true_, -1, -2, 0, 0); }

void orient(MDI_& m, bool landscape) {
  zaz_class_& e = m.engine();
  set_screen_cursor_(cursor_shape_::wait);
  const int16_t p = e.page_active_();
  const float w = e.page_width_(p), h = e.page_height_(p);
  const float longer = w >= h ? w : h, shorter = w >= h ? h : w;
  if (xribbon_control_* r = m.ribbon()) {
    r->model().buttontext_("PRINTING.PAGEORIENT",
                           lang_text_(landscape ? "mdi.tool.home.pageorient.h" : "mdi.tool.home.pageorient.v"));
    r->model().set_buttonicon_("PRINTING.PAGEORIENT", m.orient_icons_[landscape ? 1 : 0]);
  }
  e.page_width_(p, landscape ? longer : shorter);
  e.page_height_(p, landscape ? shorter : longer);
  m.ref_(false_, true_);
  restore_screen_cursor_();
}

// The printable area of the current printer in millimetres; the default sheet without one.
void printer_size(float& w, float& h) {
  w = sheet_w, h = sheet_h;
  if (printer_names_().empty()) return;
  printer_& p = current_printer_();
  if (p.dpi_x_() < 1 || p.dpi_y_() < 1) return;
  const float pw = float(p.page_width_px_() * 25.4 / p.dpi_x_()), ph = float(p.page_height_px_() * 25.4 / p.dpi_y_());
  if (pw > 0 && ph > 0) w = pw, h = ph;
}

void page_size_from_printer(MDI_& m, bool all) {
  zaz_class_& e = m.engine();
  set_screen_cursor_(cursor_shape_::wait);
  float w = 0, h = 0;
  printer_size(w, h);
  const int32_t n = all ? e.pages_count_() : 0;
  for (int32_t p = all ? 1 : e.page_active_(); p <= (all ? n : e.page_active_()); ++p) {
    e.page_width_(int16_t(p), w);
    e.page_height_(int16_t(p), h);
  }
  m.ref_(false_, true_);
  restore_screen_cursor_();
}

void after_page_change(MDI_& m) {
  m.ref_pages_();
  m.ref_layers_();
  m.ref_states_();
  m.ref_(false_, false_);
}

void delete_page(MDI_& m) {
  zaz_class_& e = m.engine();
  if (e.pages_count_() < 2) {
    message_box_(lang_text_("message.pageisalonecantremove"), program_title_, box_ok_ + box_icon_info_, &m.form());
    return;
  }
  const int16_t p = e.page_active_();
  if (message_box_(lang_text_("message.removepagequestion", e.page_title_(p)), program_title_, box_yes_no_,
                   &m.form()) != answer_yes_)
    return;
  e.state_begin_();
  e.hpoint_clear_();
  e.page_delete_(p);
  e.state_save_(lang_text_("change.page.del"));
  after_page_change(m);
}

void delete_layer(MDI_& m) {
  zaz_class_& e = m.engine();
  const int16_t l = e.layer_active_();
  if (e.layers_count_() <= 1 || e.layer_info_(l) >= 1) {
    const char* key = e.layers_count_() <= 1 ? "message.layerisalonecantremove" : "message.layernotemptycantremove";
    message_box_(lang_text_(key), program_title_, box_ok_ + box_icon_info_, &m.form());
    return;
  }
  const std::string name = "'" + std::to_string(l) + " - " + e.layer_title_(l) + "'";
  if (message_box_(lang_text_("message.removelayerquestion", name), program_title_, box_yes_no_, &m.form()) !=
      answer_yes_)
    return;
  set_screen_cursor_(cursor_shape_::wait);
  e.state_begin_();
  e.hpoint_clear_();
  e.layer_delete_(l);
  e.state_save_(lang_text_("change.layer.del"));
  m.ref_layers_();
  m.ref_states_();
  m.ref_(false_, false_);
  restore_screen_cursor_();
}
}  // namespace

bool command_words_::page_layer_words_(MDI_& m, command_run_rec_& c) {
  zaz_class_& e = m.eng_;
  const std::string& w = c.word;
  if (w == "pageh" || w == "pagev") {
    orient(m, w == "pageh");
  } else if (w == "getps1" || w == "getpsall") {
    page_size_from_printer(m, w == "getpsall");
  } else if (w == "pages") {
    m.dialogs_.show_(dlg_pages_);
    after_page_change(m);
  } else if (w == "pageadd") {
    if (e.pages_count_() >= pages_max) {
      message_box_(lang_text_("message.toomanypages", std::to_string(pages_max)), program_title_,
                   box_ok_ + box_icon_info_, m.form_.get());
    } else {
      e.state_begin_();
      e.hpoint_clear_();
      e.page_add_(lang_text_("common.page.new"), sheet_w, sheet_h);
      add_new_layer(e);
      e.state_save_(lang_text_("change.page.add"));
      after_page_change(m);
    }
  } else if (w == "pagedel") {
    delete_page(m);
  } else if (w == "layers" || w == "layeradd") {
    if (w == "layers") {
      m.dialogs_.show_(dlg_layers_);
    } else {
      e.state_begin_();
      e.hpoint_clear_();
      add_new_layer(e);
      e.state_save_(lang_text_("change.layer.add"));
    }
    m.ref_layers_();
    m.ref_states_();
    m.ref_(false_, false_);
  } else if (w == "layerdel") {
    delete_layer(m);
  } else if (w == "pamove") {
    uncheck_zoom_items_(m);
    if (m.gui_type_ < gui_classic_) {
      clear_ribbon_tool_groups_(m);
      if (m.ribbon_) m.ribbon_->model().buttonchecked_("PRINTING.PAGEMOVE", true);
    }
    m.ds_.tool_name_ = "PRINTING.PAGEMOVE";
    m.ds_.tool_step_ = 0;
  } else {
    return false;
  }
  c.handled = true;
  return true;
}
