// The ribbon's popup items: tool variants and selection commands as command words, and the
// items that act on the engine themselves: background greys, block rename and delete, the view
// popup's replayed clicks, quarter turns and mirrors of the selection, and several undo or redo
// steps from the history lists. The tool panel's values are saved before and restored after
// every item, so an item that keeps the tool keeps what the user typed.
#include <string>

#include "engine/zaz_class.h"
#include "mainwindow/interface/command_words.h"
#include "mainwindow/mdi.h"
#include "mainwindow/ribbon_events/ribbon_events.h"
#include "mainwindow/view/adraw_rows.h"
#include "mainwindow/view/view_input.h"
#include "platform/input/cursor.h"
#include "platform/services/dialogs.h"
#include "shell/language.h"
#include "shell/shell_text.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {

// The popup stands for a left click where it was opened: the engine's last converted point,
// locked while the view's handlers run (with Ctrl for the end item).
void replay_click_(MDI_& m, int32_t shift) {
  zaz_class_& e = m.engine();
  float cx = 0, cy = 0;
  e.get_cxy_(cx, cy, false_, 0);
  e.lock_xy_(cx, cy);
  view_input_& v = m.view_input();
  v.client_MouseMove(1, shift, 0, 0);
  v.client_MouseDown(1, shift, 0, 0);
  v.client_MouseUp(1, shift, 0, 0);
  e.unlock_xy_();
  m.auto_pointer_();
}

// A quarter turn, half turn or mirror of the selection about its box's centre, as one step.
void turn_selection_(MDI_& m, const std::string& key) {
  zaz_class_& e = m.engine();
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  e.get_exarea_(x1, y1, x2, y2, true_);
  const float xc = float((double(x1) + x2) * 0.5), yc = float((double(y1) + y2) * 0.5);
  set_screen_cursor_(cursor_shape_::wait);
  e.state_begin_();
  const bool mirror = key.rfind("MIRROR.", 0) == 0;
  if (key == "MIRROR.H") e.transform_mirror_(xc, y1, xc, y2, 0);
  else if (key == "MIRROR.V") e.transform_mirror_(x1, yc, x2, yc, 0);
  else e.transform_rotate_(key == "ROTATE.L90" ? 90.f : key == "ROTATE.R90" ? -90.f : 180.f, xc, yc, 0);
  e.state_save_(lang_text_(mirror ? "change.trn.mirror" : "change.trn.rotate"));
  m.ref_states_();
  m.ref_(false_, false_);
  restore_screen_cursor_();
}

// n undo or redo steps, then every list and the view once.
void history_steps_(MDI_& m, bool undo, int16_t n) {
  zaz_class_& e = m.engine();
  set_screen_cursor_(cursor_shape_::wait);
  // The history never holds more steps than states; more turns would change nothing.
  const int32_t most = e.states_count_() + 1;
  for (int32_t i = 0; i < n && i < most; ++i) e.state_undo_(undo ? 1 : 2);
  m.ref_edit_(true_, false_);
  m.ref_blocks_(-1, -1);
  m.ref_states_();
  m.ref_layers_();
  m.ref_pages_();
  m.ref_(false_, false_);
  restore_screen_cursor_();
}

void rename_block_(MDI_& m) {
  const std::string name = trim_blanks_(input_box_("Podaj nową nazwę dla bloku", "", "", &m.form()));
  if (name.empty()) return;
  m.engine().blocks_name_(m.block_to_insert_, name);
  m.ref_blocks_(-1, -1);
}

// A block still placed in the drawing is refused and the user told so; a deleted one leaves
// the blocks list to repaint.
void delete_block_(MDI_& m) {
  if (m.engine().blocks_delete_(m.block_to_insert_, false_) == true_) {
    if (m.side_panel_mode_ == 1) {
      m.ref_blocks_(-1, -1);
      m.ref_(false_, false_);
    }
    return;
  }
  message_box_(lang_text_("message.cantdeleteblock"), std::string(program_title_), box_ok_ + box_icon_error_,
               &m.form());
}

bool background_grey_(MDI_& m, const std::string& key) {
  static const struct {
    const char* key;
    int32_t grey;
  } greys[] = {{"BGCOL.01", 200}, {"BGCOL.02", 150}, {"BGCOL.03", 100}};
  for (const auto& g : greys)
    if (key == g.key) {
      m.engine().backcolor_(g.grey | g.grey << 8 | g.grey << 16);
      m.ref_(false_, false_);
      return true;
    }
  return false;
}

void run_item_(MDI_& m, const std::string& key) {
  const std::string word = command_word_(command_event_::ribbon_item, key);
  if (!word.empty()) {
    m.gocmd_(word);
  } else if (key == "FILE.SAVEAS") {
    m.save_drawing_(true);
  } else if (background_grey_(m, key)) {
  } else if (key == "BLOCK.RENAME") {
    rename_block_(m);
  } else if (key == "BLOCK.DELETE") {
    delete_block_(m);
  } else if (key == "POPUP.CANCEL") {
    m.ds_tn_(0);
    m.auto_pointer_();
    m.ref_(false_, false_);
  } else if (key == "POPUP.END" || key == "POPUP.OK") {
    replay_click_(m, key == "POPUP.END" ? 2 : 0);
  } else if (key == "ROTATE.L90" || key == "ROTATE.R90" || key == "ROTATE.180" || key == "MIRROR.H" ||
             key == "MIRROR.V") {
    turn_selection_(m, key);
  } else if (key.rfind("UNDO.", 0) == 0 || key.rfind("REDO.", 0) == 0) {
    int16_t n = 0;
    if (key_number_(std::string_view(key).substr(5), n)) history_steps_(m, key[0] == 'U', n);
  }
}

}  // namespace

void MDI_::xribbon_PopupMenuClick(const std::string& pm_key_, int32_t) {
  panel_->save_settings_(current_tool_key_(ds_.tool_name_));
  run_item_(*this, pm_key_);
  auto_pointer_();
  ribbon_tool_rows_(*this);
}
