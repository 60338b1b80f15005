// The file, undo and program words, and the file commands behind them. The main window is
// disabled while a file command runs, so no other command starts in between. A drawing with
// unsaved changes is replaced only after the user said No, or said Yes and the save completed:
// a cancelled or failed save keeps the drawing and stops the command.
#include "engine/zaz_class.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "platform/input/cursor.h"
#include "platform/services/desktop.h"
#include "platform/services/dialogs.h"
#include "shell/files.h"
#include "shell/frame_table.h"
#include "shell/language.h"
#include "shell/program.h"
#include "shell/program_dir.h"
#include "shell/shell_text.h"
#include "ui/controls/ribbon/ribbon_control.h"

namespace {
// The window caption of a drawing with a file name.
std::string titled_caption(const std::string& path) {
  return trim_blanks_(program_title_) + " - [" + file_name_of_(path) + "]";
}

// The lists, the side panel and the view after a file command.
void refresh_all(MDI_& m, flag16_ rebuild_editor) {
  m.ref_dstyles_();
  m.ref_pages_();
  m.ref_layers_();
  m.ref_blocks_(-1, -1);
  m.ref_states_();
  m.ref_edit_(rebuild_editor, false_);
  m.ref_(false_, false_);
}

// Which background button is pressed: white, black or any other colour.
const char* background_state(int32_t colour) {
  const uint32_t c = uint32_t(colour) & 0xFFFFFFu;
  return c == 0xFFFFFFu ? "Bbc" : c == 0 ? "bBc" : "bbC";
}

void undo_step(MDI_& m, int32_t type) {
  set_screen_cursor_(cursor_shape_::wait);
  m.engine().state_undo_(type);
  m.ref_(false_, false_);
  m.ref_pages_();
  m.ref_layers_();
  m.ref_dstyles_();
  m.ref_blocks_(-1, -1);
  m.ref_edit_(true_, false_);
  m.ref_states_();
  restore_screen_cursor_();
}
}  // namespace

bool command_words_::file_words_(MDI_& m, command_run_rec_& c) {
  zaz_class_& e = m.eng_;
  const std::string& w = c.word;
  if (w == "help") {
    c.handled = true;
    m.open_help_();
  } else if (w == "about") {
    c.handled = true;
    m.dialogs_.show_(dlg_about_);
  } else if (w == "pointon" || w == "pon" || w == "pointoff" || w == "poff" || w == "cncpoints") {
    // These three do their work but leave the word unhandled (the command line keeps it).
    const flag16_ on = w == "cncpoints" ? to_flag_(!is_set_(e.points_on_())) : to_flag_(w == "pointon" || w == "pon");
    e.points_on_(on);
    m.ref_(false_, false_);
  } else if (w == "pu") {
    m.ds_.tool_step_ = std::max(0, m.ds_.tool_step_ - 1);
    e.vertex_delete_(e.vertex_count_(false_));
  } else if (w == "quit") {
    // Ends the program as closing the window does, so unsaved changes are asked about first.
    c.handled = true;
    if (m.Form_QueryUnload() == 0) m.Form_Unload();
  } else if (w == "new") {
    c.handled = true;
    m.new_drawing_();
  } else if (w == "open") {
    c.handled = true;
    m.open_drawing_();
  } else if (w == "save" || w == "saveas") {
    c.handled = true;
    m.save_drawing_(w == "saveas");
  } else if (w == "cancel") {
    c.handled = true;
    m.ds_.tool_step_ = 0;
    m.auto_pointer_();
    m.ref_(false_, false_);
  } else if (w == "undo" || w == "redo") {
    c.handled = true;
    undo_step(m, w == "undo" ? 1 : 2);
  } else {
    return false;
  }
  return true;
}

bool MDI_::save_question_() {
  if (!eng_.file_change_()) return true;
  const int32_t answer = message_box_(lang_text_("message.savefilequestion"), program_title_,
                                      box_yes_no_cancel_ + box_icon_question_, form_.get());
  if (answer == answer_no_) return true;
  if (answer != answer_yes_) return false;
  return save_drawing_(false);
}

void MDI_::new_drawing_() {
  form_->enable_(false);
  do_events_();
  if (save_question_()) {
    block_to_insert_ = 0;
    image_file_.clear();
    const std::string tmpl = trim_blanks_(template_path_());
    eng_.file_new_(true_, file_exists_(tmpl) ? tmpl : std::string());
    eng_.dinit_(client_dc_.get());
    if (ribbon_) {
      ribbon_->model().buttontext_("PVCBG", "bBc");
      ribbon_->refresh_();
    }
    form_->set_title_(program_title_);
    if (frame_no_ > 0) repaint_frame_(frame_no_);
    refresh_all(*this, true_);
  }
  form_->enable_(true);
}

void MDI_::open_drawing_() {
  form_->enable_(false);
  do_events_();
  if (save_question_()) {
    const std::string path = open_file_path_(form_.get(), open_drawing_filter_, "*.zaz");
    if (!trim_blanks_(path).empty()) {
      set_screen_cursor_(cursor_shape_::wait);
      if (eng_.file_open_(path)) {
        form_->set_title_(titled_caption(path));
        if (frame_no_ > 0) repaint_frame_(frame_no_);
        // An import has no stored view of its own: show all of it.
        if (eng_.file_type_(path) != 1) {
          eng_.dinit_(client_dc_.get());
          eng_.view_all_(false_, 0);
        }
      } else {
        message_box_(lang_text_("message.cantopenthisfile"), program_title_, box_ok_ + box_icon_error_, form_.get());
      }
      eng_.attrib_color_(true_);
      eng_.attrib_style_(true_);
      eng_.attrib_width_(true_);
      if (ribbon_) {
        ribbon_->model().buttontext_("PVIEWG", "BBBB");
        ribbon_->model().buttontext_("PVCBG", background_state(eng_.backcolor_()));
      }
      block_to_insert_ = 0;
      image_file_.clear();
      restore_screen_cursor_();
    }
    set_screen_cursor_(cursor_shape_::wait);
    refresh_all(*this, true_);
    restore_screen_cursor_();
  }
  form_->enable_(true);
  if (client_->visible_()) client_->set_focus_();
}

bool MDI_::save_drawing_(bool saveas) {
  form_->enable_(false);
  do_events_();
  std::string path = eng_.file_name_();
  int32_t filter = 0;
  if (trim_blanks_(path).empty() || saveas) path = save_file_path_(form_.get(), save_drawing_filter_, "*.zaz", filter);
  bool saved = false;
  if (!trim_blanks_(path).empty() && filter >= 0 && filter <= 2) {
    set_screen_cursor_(cursor_shape_::wait);
    // A DXF export keeps the drawing's name, its changed flag and the caption.
    saved = eng_.file_save_(path, filter == 2 ? 2 : 1, false_) != 0;
    if (saved && filter != 2) {
      form_->set_title_(titled_caption(path));
      if (frame_no_ > 0) repaint_frame_(frame_no_);
    }
    restore_screen_cursor_();
    if (!saved)
      message_box_(lang_text_("message.cantsavefile", path), program_title_, box_ok_ + box_icon_error_, form_.get());
  }
  set_screen_cursor_(cursor_shape_::wait);
  refresh_all(*this, false_);
  restore_screen_cursor_();
  form_->enable_(true);
  if (client_->visible_()) client_->set_focus_();
  return saved;
}

void MDI_::open_help_() { open_document_(with_separator_(program_dir_()) + "help/help.pdf"); }
