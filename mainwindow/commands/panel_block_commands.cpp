// Clipboard, side-panel and block words. The side panel beside the view shows the blocks list
// (mode 1), the property editor (mode 2) or nothing; "blocks" and "edit" open their view, switch
// from the other one, or close their own.
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "platform/input/cursor.h"
#include "shell/language.h"
#include "ui/controls/ribbon/ribbon_control.h"

namespace {
const char* const edit_buttons[] = {"EDIT1_SHOW", "EDIT2_SHOW", "EDIT3_SHOW", "EDIT4_SHOW", "EDIT5_SHOW"};

void check_mode_buttons(MDI_& m, int32_t mode, bool on) {
  if (m.gui_type_val_() >= gui_classic_ || !m.ribbon()) return;
  xribbon_& r = m.ribbon()->model();
  if (mode == 1) r.buttonchecked_("BLOCK_SHOW", on);
  else
    for (const char* k : edit_buttons) r.buttonchecked_(k, on);
}

// The name of the next block: "Block 3" with two blocks defined (no test for a free name).
std::string next_block_name(zaz_class_& e) {
  return lang_text_("adraw.block") + " " + std::to_string(e.blocks_count_() + 1);
}

void selection_centre(zaz_class_& e, float& x, float& y) {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  e.get_exarea_(x1, y1, x2, y2, true_);
  x = (x1 + x2) * 0.5f;
  y = (y1 + y2) * 0.5f;
}
}  // namespace

bool command_words_::panel_block_words_(MDI_& m, command_run_rec_& c) {
  zaz_class_& e = m.eng_;
  const std::string& w = c.word;
  if (w == "cut") {
    c.handled = c.tool_chosen = c.repainted = true;
    set_screen_cursor_(cursor_shape_::wait);
    if (e.select_info_() >= 1) {
      e.state_begin_();
      e.clipboard_copy_(false_, 0);
      e.delete_object_(0);
      e.state_save_(lang_text_("change.trn.delcut"));
      m.ref_states_();
      m.ref_(false_, false_);
    }
    restore_screen_cursor_();
  } else if (w == "copy") {
    c.handled = true;
    set_screen_cursor_(cursor_shape_::wait);
    e.clipboard_copy_(false_, 0);
    restore_screen_cursor_();
  } else if (w == "edit" || w == "blocks") {
    c.handled = true;
    const int32_t mode = w == "edit" ? 2 : 1;
    if (m.panel2_->visible_() && m.side_panel_mode_ == mode) {
      m.side_panel_mode_ = 0;
      m.panel2_->hide_();
      m.mdi_resize_();
      check_mode_buttons(m, mode, false);
      return true;
    }
    check_mode_buttons(m, 3 - mode, false);
    check_mode_buttons(m, mode, true);
    m.side_panel_open_(mode);
  } else if (w == "block") {
    // Makes the insert tool current but leaves the word unhandled.
    m.ds_.tool_name_ = "BLOCK";
    m.ds_.tool_step_ = 0;
    tool_rows_(m);
  } else if (w == "blocks.ins") {
    c.handled = true;
  } else if (w == "block.add") {
    c.handled = true;
    set_screen_cursor_(cursor_shape_::wait);
    float x = 0, y = 0;
    selection_centre(e, x, y);
    e.state_begin_();
    e.transform_copy_(0);
    e.block_create_(next_block_name(e), x, y, false_);
    e.state_save_(lang_text_("change.block.create"));
    m.ref_states_();
    m.ref_blocks_(-1, -1);
    m.ref_(false_, false_);
    restore_screen_cursor_();
  } else if (w == "block.conv") {
    c.handled = true;
    float x = 0, y = 0;
    selection_centre(e, x, y);
    e.state_begin_();
    const int32_t id = e.block_create_(next_block_name(e), x, y, false_);
    if (id >= 1) {
      e.select_clear_();
      const int32_t r = e.add_block_(id, x, y, 1, 1, 0, m.attr_dcolor_, m.attr_style_, m.attr_width_,
                                     e.layer_active_());
      e.select_record_(r, true_);
    }
    e.state_save_(lang_text_("change.block.convert"));
    m.ref_states_();
    m.ref_(false_, false_);
    m.ref_blocks_(-1, -1);
  } else if (w == "block.break") {
    c.handled = true;
    set_screen_cursor_(cursor_shape_::wait);
    e.state_begin_();
    e.blocks_break_();
    e.state_save_(lang_text_("change.block.break"));
    m.ref_states_();
    m.ref_blocks_(-1, -1);
    m.ref_(false_, false_);
    restore_screen_cursor_();
  } else {
    return false;
  }
  return true;
}
