// The ribbon interface's command line: Enter hands the trimmed text to the command entry, Esc
// empties it or, when already empty, gives the keyboard to the drawing view. Clicks on the
// command line, the command bar and the dock areas only close open toolbar menus.
#include "mainwindow/mdi.h"
#include "shell/focus_state.h"
#include "ui/controls/control_base.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/textbox/textbox.h"

namespace {
std::string trim_blanks(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}
}  // namespace

void MDI_::cmd_GotFocus() { focus_state_code_ = focus_command_line_; }
void MDI_::cmd_LostFocus() { focus_state_code_ = focus_view_; }

void MDI_::cmd_KeyPress(int16_t& KeyAscii) {
  if (KeyAscii == 13) {
    if (gocmd_(trim_blanks(cmd_->text()))) {
      cmd_->text("");
    } else {
      cmd_->SelectAll();
      if (window_* w = cmd_->win_()) w->set_focus_();
      control_beep_();
    }
  } else if (KeyAscii == 27) {
    if (!cmd_->text().empty()) {
      cmd_->text("");
    } else {
      client_->set_focus_();
    }
  }
}

void MDI_::cmd_MouseDown() {
  if (docktb_) docktb_->hide_menu_();
}
void MDI_::cmdbar_MouseDown() {
  if (docktb_) docktb_->hide_menu_();
}
void MDI_::dock_MouseDown() {
  if (docktb_) docktb_->hide_menu_();
}
