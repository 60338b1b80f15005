// The ribbon's other events: the application menu and its two buttons, the quick buttons, the
// page, layer and style lists, the toolbars' corner buttons, the hot element's tooltip in the
// status bar, help, and one open drop-down at a time. None of the list changes is an undo step.
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/interface/command_words.h"
#include "mainwindow/mdi.h"
#include "mainwindow/ribbon_events/ribbon_events.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "platform/window/event_loop.h"
#include "shell/language.h"
#include "shell/program.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/controls/statusbar/statusbar.h"

namespace {

// The number after a list key's prefix, when the key has that prefix and the rest is numeric.
bool list_number_(const std::string& key, std::string_view prefix, int16_t& n) {
  return key.compare(0, prefix.size(), prefix) == 0 && key_number_(std::string_view(key).substr(prefix.size()), n);
}

// A click on a layer item: on the visible icon (x 0 to 16) or the editable icon (17 to 32) it
// toggles that flag and leaves the list open for the next; elsewhere it activates the layer.
void layer_item_(MDI_& m, int16_t layer, int32_t x) {
  zaz_class_& e = m.engine();
  if (x >= 0 && x <= 16) {
    e.layer_atr_vis_(layer, to_flag_(e.layer_atr_vis_(layer) != true_));
  } else if (x > 16 && x <= 32) {
    e.layer_atr_edt_(layer, to_flag_(e.layer_atr_edt_(layer) != true_));
  } else {
    e.layer_active_(layer);
    if (m.ribbon()) m.ribbon()->hide_winex_();
  }
  m.ref_(false_, false_);
}

}  // namespace

void MDI_::xribbon_MainMenuClick(const std::string& m_key_) {
  if (m_key_ == "MMENU.NEW") {
    new_drawing_();
  } else if (m_key_ == "MMENU.OPEN") {
    open_drawing_();
  } else if (m_key_ == "MMENU.SAVE" || m_key_ == "MMENU.SAVEAS") {
    save_drawing_(m_key_ == "MMENU.SAVEAS");
  } else {
    const std::string word = command_word_(command_event_::main_menu, m_key_);
    if (!word.empty()) gocmd_(word);
  }
}

void MDI_::xribbon_MainButtonClick(int16_t btn_) {
  if (btn_ == 1) {
    dialogs_.show_(dlg_options_);
    return;
  }
  if (btn_ != 2) return;
  // Ending after a save that did not complete would lose the drawing.
  if (!save_question_()) return;
  set_screen_cursor_(cursor_shape_::wait);
  if (exit_program) {
    exit_program();
    return;
  }
  // The exit destroys this window, so it runs once the event has returned.
  post_task_([] { exit_program_(false_); });
}

void MDI_::xribbon_QuickButtonClick(const std::string& q_key_) {
  const std::string word = command_word_(command_event_::quick_button, q_key_);
  if (!word.empty()) gocmd_(word);
}

void MDI_::xribbon_ListItemClick(const std::string& lt_key_, int32_t, int32_t x_, int32_t) {
  int16_t n = 0;
  if (list_number_(lt_key_, "PAGE_EX_", n) || list_number_(lt_key_, "PAGE_", n)) {
    eng_.page_active_(n);
    ref_pages_();
    ref_layers_();
    ref_(false_, false_);
  } else if (lt_key_.rfind("PAGE_", 0) == 0) {
    // PAGE_ followed by something that is no number: nothing.
  } else if (list_number_(lt_key_, "LAYER_", n)) {
    layer_item_(*this, n, x_);
  } else if (list_number_(lt_key_, "DSTYLE_", n)) {
    eng_.dimstyle_active_(n);
    ref_dstyles_();
    ref_(false_, false_);
  }
}

void MDI_::xribbon_ToolbarExBtnClick(const std::string& tbExKey_) {
  const std::string word = command_word_(command_event_::ribbon_corner, tbExKey_);
  if (!word.empty()) {
    gocmd_(word);
    return;
  }
  const bool pages = tbExKey_ == "PAGES" || tbExKey_ == "PAGES_EX";
  if (!pages && tbExKey_ != "LAYERS" && tbExKey_ != "DIMSTYLES") return;
  dialogs_.show_(pages ? dlg_pages_ : tbExKey_ == "LAYERS" ? dlg_layers_ : dlg_dimstyles_);
  if (pages) ref_pages_();
  if (tbExKey_ == "DIMSTYLES") ref_dstyles_();
  else ref_layers_();
  ref_states_();
  ref_(false_, false_);
}

void MDI_::xribbon_ControlHotChange(uint8_t object_type_, int32_t control_index_, int32_t) {
  std::string text;
  if (ribbon_) {
    const xribbon_& r = ribbon_->model();
    if (object_type_ == 1) text = r.buttonmaintooltip_();
    else if (object_type_ == 3) text = r.tabtooltip_(control_index_);
    else if (object_type_ == 4) text = r.buttontooltip_(control_index_);
  }
  statusbar_->text_(text);
}

void MDI_::xribbon_HelpButtonClick() { gocmd_("help"); }

void MDI_::xribbon_ShowEx() { panel_->hide_winex_(); }

void MDI_::xribbon_TabButtonClick(const std::string&) {}
