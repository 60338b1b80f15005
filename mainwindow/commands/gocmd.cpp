// The main window's one command entry.
#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {
// The ribbon's button groups whose pressed state shows the current tool.
const char* const tool_groups[] = {"PRINTP",    "SELECT_STD", "SELECT_TRN", "SELECT_DIM", "SELECT_VIEW",
                                   "SELECT_ARR", "CLIPBOARD", "SELECTION",  "TRANSFORM",  "DIMENSION",
                                   "MEASURE",   "DRAWING",    "ZOOM"};
}  // namespace

// The command entry's first words: the empty word, undo and redo, and the tool words. The
// dispatcher with every other word comes next; until then other words are not handled.
bool MDI_::gocmd_(const std::string& command) {
  bool handled = false;
  if (command.empty()) {
    handled = true;
  } else if (command == "undo" || command == "redo") {
    eng_.state_undo_(command == "undo" ? 1 : 2);
    ref_states_();
    ref_(false_, false_);
    handled = true;
  } else if (command == "select") {
    ds_.tool_name_ = "SELECT";
    ds_.tool_step_ = 0;
    handled = true;
  } else if (const tool_code_rec_* t = tool_of_word_(command)) {
    if (gui_type_ < gui_classic_) {
      if (ribbon_)
        for (const char* g : tool_groups) ribbon_->model().clear_btnschecked_(g);
      handled = set_tool_(t->tool, t->ribbon_key, 0);
    } else {
      handled = set_tool_(t->tool, t->classic_key, 0);
    }
  }
  if (handled) {
    auto_pointer_();
    if (gui_type_ < gui_classic_) {
      if (ribbon_) ribbon_->refresh_();
    } else {
      ref_tool_buttons_(0);
    }
  }
  return handled;
}
