#include "dialogs/print/printing.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "dialogs/print/printer_choice.h"
#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"
#include "platform/services/dialogs.h"
#include "platform/services/screen.h"
#include "shell/colors.h"
#include "shell/language.h"
#include "shell/main_link.h"
#include "shell/program_dir.h"
#include "shell/shell_host.h"
#include "shell/shell_text.h"
#include "shell/ui_metrics.h"
#include "ui/controls/button/button.h"
#include "ui/controls/textbox/textbox.h"

namespace {

// The whole text as one number with sep as the decimal point (blanks around allowed).
bool whole_number(const std::string& text, const std::string& sep, double& out) {
  std::string t = trim_blanks_(text);
  if (t.empty()) return false;
  if (sep != ".") {
    if (t.find('.') != std::string::npos) return false;
    for (size_t p; (p = t.find(sep)) != std::string::npos;) t.replace(p, sep.size(), ".");
  }
  char* end = nullptr;
  out = std::strtod(t.c_str(), &end);
  return end && *end == '\0' && std::isfinite(out);
}

// Digits with "." as the point at the start of the text (after blanks and a sign).
bool leading_number(const std::string& text, double& out) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  size_t digits = 0;
  while (i < text.size() && std::isdigit(uint8_t(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(uint8_t(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  out = std::strtod(text.substr(start, i - start).c_str(), nullptr);
  return std::isfinite(out);
}

std::string two_decimals(double v, const std::string& sep) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  std::string s = buf;
  if (sep != ".")
    if (const auto p = s.find('.'); p != std::string::npos) s.replace(p, 1, sep);
  return s;
}

window_* main_window() {
  if (main_link_* m = main_link_if_made_()) return m->main_window_();
  return nullptr;
}

void run_command(const std::string& word) {
  if (shell_host_* h = shell_host_in_use_()) h->gocmd_(word);
}

}  // namespace

std::string normalise_width_(const std::string& text, bool* has_number) {
  const std::string sep = decimal_separator_();
  double v = 0;
  const bool ok = whole_number(text, sep, v) || leading_number(text, v);
  if (has_number) *has_number = ok;
  return two_decimals(ok ? v : 0, sep);
}

ex_printing_::ex_printing_(zaz_class_& engine) : engine_(engine), dlg_("window.printing.title", 209, 157) {
  window_& f = dlg_.form();
  print_one_ = std::make_unique<xcbutton_>(f, 8, 8, 193, 41, lang_text_("window.printing.print.one"));
  print_all_ = std::make_unique<xcbutton_>(f, 8, 56, 193, 41, lang_text_("window.printing.print.all"));
  print_one_->seticon_(icon_folder_(), "zaz.std.07.0.ico");
  print_all_->seticon_(icon_folder_(), "zaz.std.08.0.ico");
  btn_setting_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 97, 25, lang_text_("window.printing.setlw"));
  btn_close_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("common.close"));
  print_one_->Click = [this] { print_(false); };
  print_all_->Click = [this] { print_(true); };
  btn_setting_->Click = [] { run_command("printlw"); };
  btn_close_->Click = [this] { dlg_.unload_(); };
  dlg_.on_layout = [this] {
    // The line-width button from the left, the close button from the right.
    layout_dialog_buttons_(dlg_.win().handle_(), btn_setting_->hwnd(), 0, 0, 0, 0, -1);
    layout_dialog_buttons_(dlg_.win().handle_(), btn_close_->hwnd(), 0, 0, 0, 1, -1);
  };
  dlg_.place_from_settings_("windows\\exprinting");
  dlg_.relayout_();
}

ex_printing_::~ex_printing_() = default;

void ex_printing_::print_(bool all) {
  window_* main = main_window();
  if (main) main->enable_(false);
  dlg_.win().enable_(false);
  disabled_while_printing = !dlg_.win().enabled_() && (!main || !main->enabled_());
  engine_.printing_print_(all ? true_ : false_, current_printer_());
  if (window_* b = btn_close_->win_()) b->set_focus_();
  dlg_.win().enable_(true);
  if (main) main->enable_(true);
}

ex_printset_::ex_printset_(zaz_class_& engine) : engine_(engine), dlg_("window.printlw.title", 140, 293) {
  window_& f = dlg_.form();
  for (int32_t i = 1; i <= 10; ++i) {
    auto& box = fields_[size_t(i - 1)];
    box = std::make_unique<xctextbox_>(f, 80, 8 + 24 * (i - 1), 49, 22);
    box->text(normalise_width_(std::to_string(engine_.line_width_(i))));
    if (window_* w = box->win_()) {
      // Select all on entry, normalise on leaving, after the box's own handling.
      auto own = w->on_focus;
      w->on_focus = [this, own, i](bool got) {
        if (own) own(got);
        if (got)
          fields_[size_t(i - 1)]->SelectAll();
        else
          field_left_(i);
      };
    }
  }
  btn_close_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("common.close"));
  btn_close_->Click = [this] { close_(); };
  dlg_.on_layout = [this] { paint_bars_(); };
  dlg_.set_buttons_({btn_close_->hwnd()}, {});
}

ex_printset_::~ex_printset_() = default;

void ex_printset_::field_left_(int32_t id) {
  xctextbox_& box = *fields_[size_t(id - 1)];
  bool has_number = false;
  const std::string shown = normalise_width_(box.text(), &has_number);
  if (!has_number) {
    message_box_(lang_text_("message.valueoutofrange", lang_text_("window.printlw.title"), "0.01", "9.99"), "",
                 box_ok_ + box_icon_warning_, &dlg_.win());
    box.text(normalise_width_(std::to_string(engine_.line_width_(id))));
    return;
  }
  if (shown != box.text()) box.text(shown);
}

void ex_printset_::close_() {
  const std::string sep = decimal_separator_();
  for (int32_t i = 1; i <= 10; ++i) {
    bool has_number = false;
    const std::string t = normalise_width_(fields_[size_t(i - 1)]->text(), &has_number);
    double v = 0;
    // A field without a number keeps its stored width.
    if (has_number && whole_number(t, sep, v)) engine_.line_width_(i, float(v));
  }
  dlg_.unload_();
}

// Bar i is i pixels thick, between the labels and the fields, whatever the widths are.
void ex_printset_::paint_bars_() {
  window_& f = dlg_.form();
  dc_ dc(f.client_surface_());
  begin_form_labels_(dc, f);
  dc.select_pen_({pen_style_::solid_, 1, uint32_t(blend_colors_(skin_color_(21), skin_color_(20), 0.25f))});
  for (int32_t i = 1; i <= 10; ++i) {
    const int32_t t = 8 + 24 * (i - 1);
    dc.text_out_(8, t + 3, std::to_string(i));
    const int32_t e = int32_t(round_even_(t - i / 2.0));
    for (int32_t r = 1; r <= i; ++r) {
      dc.move_to_(35, e + r + 6);
      dc.line_to_(60, e + r + 6);
    }
  }
  f.invalidate_();
}

void show_printing_dialog_(zaz_class_& engine, window_* owner) {
  ex_printing_ d(engine);
  d.show_modal_(owner);
}

void show_line_widths_dialog_(zaz_class_& engine, window_* owner) {
  ex_printset_ d(engine);
  d.show_modal_(owner);
}
