// Printing, the print and drawing-property dialogs, the view switches of the active page, the
// block library window and the options. The library window and the options end the command
// at once: the interface is not brought in line after them.
#include "dialogs/print/printer_choice.h"
#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"

bool command_words_::print_view_words_(MDI_& m, command_run_rec_& c) {
  zaz_class_& e = m.eng_;
  const std::string& w = c.word;
  c.handled = true;
  if (w == "print") {
    // The window takes no input while printing, and gets it back whatever happened.
    m.form_->enable_(false);
    e.printing_print_(false_, current_printer_());
    m.form_->enable_(true);
  } else if (w == "printp") {
    m.dialogs_.show_(dlg_print_);
  } else if (w == "printlw") {
    m.dialogs_.show_(dlg_line_width_);
  } else if (w == "printerset") {
    m.dialogs_.show_(dlg_printer_setup_);
  } else if (w == "drawprop") {
    m.dialogs_.show_(dlg_drawing_props_);
  } else if (w == "grid") {
    e.view_gridvisible_(to_flag_(!is_set_(e.view_gridvisible_())));
    m.ref_(false_, false_);
  } else if (w == "snapgrid") {
    e.view_snap2grid_(to_flag_(!is_set_(e.view_snap2grid_())));
    m.ref_(false_, false_);
  } else if (w == "snappoints") {
    e.view_snap2points_(to_flag_(!is_set_(e.view_snap2points_())));
    m.ref_(false_, false_);
  } else if (w == "snaptrack") {
    e.view_snap2track_(to_flag_(!is_set_(e.view_snap2track_())));
    m.ref_(false_, false_);
  } else if (w == "ortho") {
    e.view_snap2ang45_(to_flag_(!is_set_(e.view_snap2ang45_())));
    m.ref_(false_, false_);
  } else if (w == "xlib" || w == "options") {
    m.dialogs_.show_(w == "xlib" ? dlg_library_ : dlg_options_);
    c.skip_tail = true;
  } else {
    c.handled = false;
    return false;
  }
  return true;
}
