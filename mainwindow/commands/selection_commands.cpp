// The selection words: the filter dialog, select all, invert and clear, pasting with or
// without centring, moving the selection to the active layer, and the selection tool.
#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "platform/input/cursor.h"
#include "shell/language.h"
#include "ui/controls/ribbon/ribbon_control.h"

bool command_words_::selection_words_(MDI_& m, command_run_rec_& c) {
  zaz_class_& e = m.eng_;
  const std::string& w = c.word;
  if (w == "selectex" || w == "selectall" || w == "selectinv" || w == "selectnone") {
    c.handled = true;
    if (w == "selectex") m.dialogs_.show_(dlg_select_filter_);
    else if (w == "selectall") e.select_all_();
    else if (w == "selectinv") e.select_invert_();
    else e.select_clear_();
    m.ref_edit_(true_, false_);
    m.ref_(false_, false_);
  } else if (w == "paste" || w == "pastestd" || w == "pasteorg") {
    c.handled = true;
    set_screen_cursor_(cursor_shape_::wait);
    e.state_begin_();
    e.clipboard_paste_(to_flag_(w != "pasteorg"), "", false_);
    e.state_save_(lang_text_("change.trn.paste"));
    m.ref_blocks_(-1, -1);
    m.ref_edit_(true_, false_);
    m.ref_(false_, false_);
    restore_screen_cursor_();
  } else if (w == "move2actlayer") {
    c.handled = true;
    set_screen_cursor_(cursor_shape_::wait);
    e.state_begin_();
    e.hpoint_clear_();
    e.set_layer_(e.layer_active_());
    e.state_save_(lang_text_("change.atr.layer"));
    m.ref_states_();
    m.ref_(false_, false_);
    restore_screen_cursor_();
  } else if (w == "select") {
    c.handled = true;
    uncheck_zoom_items_(m);
    if (m.gui_type_ < gui_classic_) {
      clear_ribbon_tool_groups_(m);
      if (m.ribbon_)
        for (const char* k : {"SELECT_STD", "SELECT_TRN", "SELECT_DIM", "SELECT_ARR", "SELECT_VIEW"})
          m.ribbon_->model().buttonchecked_(k, true);
    } else {
      c.handled = m.set_tool_("SELECT", "", 0);
    }
    m.ds_.tool_name_ = "SELECT";
    m.ds_.tool_step_ = 0;
    m.auto_pointer_();
    tool_rows_(m);
  } else {
    return false;
  }
  return true;
}
