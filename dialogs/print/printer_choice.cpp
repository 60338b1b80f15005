#include "dialogs/print/printer_choice.h"

#include <cmath>

#include "platform/gdi/dc.h"
#include "platform/services/dialogs.h"
#include "shell/browse.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "shell/shell_text.h"
#include "ui/controls/button/button.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox.h"

printer_& current_printer_() {
  static printer_ p;
  return p;
}
std::string& current_printer_name_() {
  static std::string name;
  return name;
}
printer_settings_rec_& current_printer_settings_() {
  static printer_settings_rec_ s;
  return s;
}

bool paper_size_mm_(int16_t code, double& width, double& height) {
  switch (code) {
    case 1: width = 215.9, height = 279.4; return true;
    case 5: width = 215.9, height = 355.6; return true;
    case 8: width = 297, height = 420; return true;
    case 9: width = 210, height = 297; return true;
    case 11: width = 148, height = 210; return true;
    default: return false;
  }
}

bool apply_printer_choice_(const std::string& chosen, const printer_settings_rec_& s,
                           const std::vector<std::string>& installed, const std::string& pdf_path) {
  printer_& p = current_printer_();
  printer_settings_rec_& now = current_printer_settings_();
  const std::string want = upper_ascii_(chosen);
  bool changed = false;
  if (current_printer_name_() != want) {
    std::string match;
    for (const std::string& n : installed)
      if (upper_ascii_(n) == want) match = n;
    if (upper_ascii_(pdf_output_name_) == want) match = pdf_output_name_;
    if (match == pdf_output_name_) {
      if (!pdf_path.empty()) {
        p.set_output_file_(pdf_path);
        current_printer_name_() = match;
        changed = true;
      }
    } else if (!match.empty() && p.select_printer_(match)) {
      p.set_output_file_("");
      current_printer_name_() = match;
      changed = true;
    }
  } else if (want == upper_ascii_(pdf_output_name_) && !pdf_path.empty()) {
    p.set_output_file_(pdf_path);
  }
  // Each setting on its own: one the printer refuses keeps its old value.
  if (s.copies >= 1 && s.copies <= 999) {
    p.set_copies_(s.copies);
    now.copies = s.copies;
  }
  now.duplex = s.duplex;
  if (s.orientation == 1 || s.orientation == 2) {
    p.set_landscape_(s.orientation == 2);
    now.orientation = s.orientation;
  }
  double w = 0, h = 0;
  if (paper_size_mm_(s.paper_size, w, h) && p.set_paper_mm_(w, h)) now.paper_size = s.paper_size;
  if (s.print_quality > 0) {
    p.set_resolution_(s.print_quality);
    now.print_quality = s.print_quality;
  }
  now.color = s.color;
  now.default_source = s.default_source;
  return changed;
}

// Printers on the first row, copies and orientation below; labels painted on the panel.
ex_printer_::ex_printer_() : dlg_("mdi.tool.home.setup", 320, 170) {
  window_& f = dlg_.form();
  names_ = printer_names_();
  names_.push_back(pdf_output_name_);
  printers_ = std::make_unique<xccombobox_>(f, 110, 12, 196, 22);
  int32_t selected = int32_t(names_.size()) - 1;
  for (size_t i = 0; i < names_.size(); ++i) {
    printers_->AddItem(names_[i], int32_t(i));
    if (names_[i] == current_printer_name_()) selected = int32_t(i);
  }
  if (current_printer_name_().empty()) {
    const std::string def = default_printer_name_();
    for (size_t i = 0; i < names_.size(); ++i)
      if (!def.empty() && names_[i] == def) selected = int32_t(i);
  }
  printers_->ListIndex(selected);
  copies_ = std::make_unique<xctextbox_>(f, 110, 44, 60, 22);
  copies_->text(std::to_string(current_printer_settings_().copies));
  orientation_ = std::make_unique<xccombobox_>(f, 110, 76, 196, 22);
  orientation_->AddItem(lang_text_("mdi.tool.home.pageorient.v"), 1);
  orientation_->AddItem(lang_text_("mdi.tool.home.pageorient.h"), 2);
  orientation_->ListIndex(current_printer_settings_().orientation == 2 ? 1 : 0);
  btn_ok_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("about.btn.ok"));
  btn_cancel_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("guiopt.btn.cancel"));
  btn_ok_->Click = [this] { ok_(); };
  btn_cancel_->Click = [this] { dlg_.unload_(); };
  dlg_.on_layout = [this] { paint_labels_(); };
  dlg_.place_from_settings_("windows\\exprinter");
  dlg_.set_buttons_({btn_ok_->hwnd(), btn_cancel_->hwnd()}, {});
}

ex_printer_::~ex_printer_() = default;

void ex_printer_::paint_labels_() {
  window_& f = dlg_.form();
  dc_ dc(f.client_surface_());
  begin_form_labels_(dc, f);
  dc.text_out_(12, 16, lang_text_("mdi.tool.home.setup"));
  dc.text_out_(12, 48, lang_text_("printer.copies"));
  dc.text_out_(12, 80, lang_text_("tb.design.printarea.ornt"));
  f.invalidate_();
}

void ex_printer_::ok_() {
  const std::string typed = trim_blanks_(copies_->text());
  char* end = nullptr;
  const long n = typed.empty() ? 0 : std::strtol(typed.c_str(), &end, 10);
  if (typed.empty() || *end != '\0' || n < 1 || n > 999) {
    message_box_(lang_text_("message.valueoutofrange", lang_text_("printer.copies"), "1", "999"), "", box_ok_ + box_icon_warning_,
                 &dlg_.win());
    return;
  }
  const int32_t index = printers_->ListIndex();
  const std::string chosen = index >= 0 && index < int32_t(names_.size()) ? names_[size_t(index)] : std::string();
  std::string pdf;
  if (chosen == pdf_output_name_) {
    int32_t filter = 0;
    pdf = save_file_dialog_(dlg_.win().handle_(), "PDF|*.pdf", "*.pdf", filter);
    if (pdf.empty()) return;
  }
  printer_settings_rec_ s = current_printer_settings_();
  s.copies = int16_t(n);
  s.orientation = orientation_->ListIndex() == 1 ? 2 : 1;
  std::vector<std::string> installed(names_.begin(), names_.end() - 1);
  apply_printer_choice_(chosen, s, installed, pdf);
  confirmed_ = true;
  dlg_.unload_();
}

void show_printer_dialog_(window_* owner, int32_t) {
  ex_printer_ d;
  d.show_modal_(owner);
}
