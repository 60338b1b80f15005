// What the docking toolbar control reports in the classic interface: button clicks and picked
// menu rows become command words for the command entry; the TOOLBAR., PAGE. and LAYER. rows, the
// attribute drop-downs and a few menu rows act on the main window, the engine and the control
// themselves. Keys arrive trimmed and upper-cased and are compared whole.
#include <string>

#include "dialogs/dimstyles/dimstyle_delete_ask.h"
#include "engine/zaz_class.h"
#include "mainwindow/interface/command_words.h"
#include "mainwindow/mdi.h"
#include "platform/services/dialogs.h"
#include "shell/browse.h"
#include "shell/focus_state.h"
#include "shell/language.h"
#include "shell/shell_text.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/sidepanel/xcpanelbox.h"
#include "ui/controls/statusbar/statusbar.h"

namespace {

bool starts_with_(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The whole number at the start of the rest of the key; 0 when it does not begin with a digit.
int32_t number_after_(const std::string& key, size_t prefix_len) {
  int64_t n = 0;
  for (size_t i = prefix_len; i < key.size() && key[i] >= '0' && key[i] <= '9'; ++i) {
    n = n * 10 + (key[i] - '0');
    if (n > 1000000) return 0;  // no toolbar, page or layer has such a number
  }
  return int32_t(n);
}

}  // namespace

void MDI_::send_event_word_(const std::string& word) {
  if (word.empty()) return;
  if (event_word_tap && event_word_tap(word)) return;
  gocmd_(word);
}

void MDI_::xdocktb_ButtonClick(int32_t, int32_t, const std::string&, const std::string& key2_) {
  send_event_word_(command_word_(command_event_::dock_button, key2_));
  // A click ends the typing in a toolbar text box, whatever the button did.
  if (focus_state_code_ == focus_toolbar_box_) focus_state_code_ = focus_toolbar_ = focus_item_ = 0;
}

void MDI_::xdocktb_MenuItemClick(int32_t, int32_t, int32_t bid_, const std::string& key_, int32_t mx_, int32_t) {
  if (!docktb_) return;
  xdocktb_& tb = *docktb_;
  const std::string owner = tb.button_key_(bid_);

  if (starts_with_(key_, "TOOLBAR.")) {
    const int32_t n = number_after_(key_, 8);
    if (n >= 1 && n <= tb.tbcount_() && is_set_(tb.tbclose_(n))) {
      tb.tbvisible_(n, to_flag_(!is_set_(tb.tbvisible_(n))));
      ref_tool_buttons_(0);
    }
    return;
  }
  if (starts_with_(key_, "PAGE.")) {
    const int32_t n = number_after_(key_, 5);
    if (n >= 1 && n <= eng_.pages_count_()) {
      eng_.page_active_(int16_t(n));
      tb.hide_menu_();
      ref_(false_, false_);
      ref_tool_buttons_(0);
    }
  }
  if (starts_with_(key_, "LAYER.")) {
    const int32_t n = number_after_(key_, 6);
    if (n >= 1 && n <= eng_.layers_count_()) {
      const int16_t layer = int16_t(n);
      if (mx_ >= 4 && mx_ <= 20) {
        eng_.layer_atr_vis_(layer, to_flag_(!is_set_(eng_.layer_atr_vis_(layer))));
        ref_(false_, false_);
        tb.refresh(0);
      } else if (mx_ >= 21 && mx_ <= 36) {
        eng_.layer_atr_edt_(layer, to_flag_(!is_set_(eng_.layer_atr_edt_(layer))));
        ref_(false_, false_);
        tb.refresh(0);
      } else {
        eng_.layer_active_(layer);
        tb.hide_menu_();
        ref_tool_buttons_(0);
      }
      return;
    }
  }
  if (owner == "COLOR1" || owner == "COLOR2" || owner == "LSTYLE" || owner == "LWIDTH") pick_attribute_(key_);

  if (key_ == "REFRESH") {
    ref_(false_, false_);
  } else if (key_ == "STATUSBAR") {
    toggle_statusbar_();
  } else if (key_ == "DIMSTYLE.ADD") {
    add_dimstyle_();
  } else if (key_ == "DIMSTYLE.DEL") {
    delete_dimstyle_();
  } else {
    send_event_word_(command_word_(command_event_::dock_item, key_));
  }
}

// Each of the four attributes the key names becomes current for new objects and, with objects
// selected on the active page, is given to them in one undo step.
void MDI_::pick_attribute_(const std::string& key) {
  int32_t value = 0;
  attribute_kind_ kind = attribute_kind_::none;
  if (key == "COLOR1.RGB" || key == "COLOR2.RGB") {
    const int32_t chosen = choose_color_dialog_(form_->handle_());
    if (chosen >= 0) {
      kind = key[5] == '1' ? attribute_kind_::draw_colour : attribute_kind_::fill_colour;
      value = chosen;
    }
  } else if (!attribute_item_value_(key, kind, value)) {
    kind = attribute_kind_::none;
  }
  if (kind != attribute_kind_::none && value >= -4) {
    const char* undo_key = "";
    switch (kind) {
      case attribute_kind_::draw_colour: attr_dcolor_ = value, undo_key = "change.atr.dcolor"; break;
      case attribute_kind_::fill_colour: attr_fcolor_ = value, undo_key = "change.atr.fcolor"; break;
      case attribute_kind_::line_style: attr_style_ = int16_t(value), undo_key = "change.atr.lstyle"; break;
      case attribute_kind_::line_width: attr_width_ = int16_t(value), undo_key = "change.atr.lwidth"; break;
      case attribute_kind_::none: break;
    }
    if (eng_.select_info_() >= 1) {
      eng_.state_begin_();
      switch (kind) {
        case attribute_kind_::draw_colour: eng_.set_color_d_(value); break;
        case attribute_kind_::fill_colour: eng_.set_color_f_(value); break;
        case attribute_kind_::line_style: eng_.set_style_(value); break;
        case attribute_kind_::line_width: eng_.set_width_(value); break;
        case attribute_kind_::none: break;
      }
      eng_.state_save_(lang_text_(undo_key));
      ref_edit_(true_, false_);
    }
  }
  ref_states_();
  ref_(false_, false_);
  if (docktb_) docktb_->refresh(0);
}

void MDI_::toggle_statusbar_() {
  statusbar_shown_ = to_flag_(!is_set_(statusbar_shown_));
  if (window_* bar = statusbar_->win_()) is_set_(statusbar_shown_) ? bar->show_() : bar->hide_();
  if (docktb_) docktb_->menu_check_("STATUSBAR", statusbar_shown_);
  mdi_resize_();
}

// The style group's first button and the classic menu row: a copy of the template under the
// new-style name, made active, in one undo step.
void MDI_::add_dimstyle_() {
  eng_.state_begin_();
  eng_.dimstyle_add_(lang_text_("common.dims.new"));
  eng_.state_save_(lang_text_("change.dimstyle.add"));
  ref_states_();
  ref_dstyles_();
  ref_(false_, false_);
}

// As the dimension-style dialog's delete button: the question, then the active style removed
// in one undo step of the engine's; a refusal (the last style, or one in use) is explained.
void MDI_::delete_dimstyle_() {
  if (!ask_and_delete_dimstyle_(eng_, form_.get())) return;
  ref_states_();
  ref_dstyles_();
  ref_(false_, false_);
}

// The command box runs its text; a text the command entry does not take comes back selected,
// so the user can correct it.
void MDI_::xdocktb_PressEnter(int32_t tbid_, int32_t btn_, int32_t, const std::string& key_) {
  if (key_ != "CMD" || !docktb_) return;
  xdocktb_& tb = *docktb_;
  const std::string text = tb.button_text_(tbid_, btn_);
  tb.button_text_(tbid_, btn_, "");
  tb.refresh(tbid_);
  const bool taken = (event_word_tap && event_word_tap(text)) || gocmd_(text);
  if (taken || text.empty()) return;
  tb.button_text_(tbid_, btn_, text);
  tb.focus_text_item_(tbid_, btn_, true_);
  tb.refresh(tbid_);
}

void MDI_::xdocktb_ResizeDocks() { mdi_resize_(); }

void MDI_::xdocktb_ToolbarHide(int32_t) { ref_tool_buttons_(0); }

void MDI_::xdocktb_MouseDown(int16_t, int16_t, float, float) { panel_->refresh_(); }

void MDI_::xdocktb_WinActivate(int16_t) {}
