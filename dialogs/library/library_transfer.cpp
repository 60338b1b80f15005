// Moving blocks between the drawing and the library, and the library's files.
//
// Blocks travel between the two engines only as transfer files named by a marker text. Each
// command deletes the transfer file it made and leaves on the library page nothing of its own
// work, so the library stays as the user left it.
#include <cctype>

#include "dialogs/library/library_window.h"
#include "engine/file/codec.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "platform/services/dialogs.h"
#include "shell/language.h"

namespace {

constexpr const char* open_filter =
    "Wszystkie|*.zaz;*.dxf;*.gca;*.bib|Arvex 2010/2012|*.zaz|Drawing Exchange DXF|*.dxf|GrafZAZ|*.gca;*.bib";
constexpr const char* save_filter = "Arvex 2014 v.4.0+|*.zaz";

std::string trimmed(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

void delete_transfer(const std::string& marker) {
  const std::string path = clipboard_marker_decode_(marker);
  if (!path.empty()) remove_file_(path);
}

// Saves the library under its name or a chosen one; false when nothing was written.
bool save_library(zaz_class_& lib, window_* owner) {
  std::string path = trimmed(lib.file_name_());
  if (path.empty()) {
    int32_t index = 0;
    path = trimmed(save_file_path_(owner, save_filter, "*.zaz", index));
    if (path.empty()) return false;
  }
  if (lib.file_save_(path, 1, 0) == true_) return true;
  message_box_(lang_text_("message.cantsavefile", path), lang_text_("window.xlib.title"), box_ok_ + box_icon_error_,
               owner);
  return false;
}

// The save question before the library's content is replaced or dropped; false to stop.
bool ask_to_save(zaz_class_& lib, window_* owner) {
  if (lib.file_change_() != true_) return true;
  const int32_t a = message_box_(lang_text_("message.savefilequestion"), lang_text_("window.xlib.title"),
                                 box_yes_no_cancel_ + box_icon_question_, owner);
  if (a == answer_cancel_) return false;
  // Yes goes on only when the changes are safely written.
  if (a == answer_yes_) return save_library(lib, owner);
  return true;
}

}  // namespace

bool library_exit_question_(zaz_class_& library, window_* owner) { return ask_to_save(library, owner); }

bool ex_xlib_::save_library_() {
  dlg_->set_cursor_(cursor_shape_::wait);
  const bool saved = save_library(lib_, dlg_.get());
  dlg_->set_cursor_(cursor_shape_::arrow);
  if (saved) set_caption_();
  edit_->win_()->hide_();
  return saved;
}

bool ex_xlib_::save_question_() {
  const bool go_on = ask_to_save(lib_, dlg_.get());
  set_caption_();
  return go_on;
}

void ex_xlib_::new__MouseDown() {
  if (!save_question_()) return;
  lib_.file_new_(true_, "");
  set_caption_();
  edit_->win_()->hide_();
  ref_library_(true);
}

void ex_xlib_::open__MouseDown() {
  if (!save_question_()) return;
  const std::string path = trimmed(open_file_path_(dlg_.get(), open_filter, "*.zaz"));
  if (path.empty()) return;
  dlg_->set_cursor_(cursor_shape_::wait);
  const bool ok = lib_.file_open_(path) == true_;
  dlg_->set_cursor_(cursor_shape_::arrow);
  if (ok) {
    set_caption_();
    edit_->win_()->hide_();
  } else {
    message_box_(lang_text_("message.cantopenfile", path), dlg_->title_(), box_ok_ + box_icon_error_, dlg_.get());
  }
  ref_library_(true);
}

void ex_xlib_::iblock__MouseDown() {
  if (message_box_(lang_text_("window.xlib.mkblock"), dlg_->title_(), box_yes_no_ + box_icon_question_, dlg_.get()) !=
      answer_yes_) {
    return;
  }
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  main_.get_exarea_(x1, y1, x2, y2, true_);
  const float cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
  std::string marker;
  if (main_.select_info_() < 1) {
    control_beep_();
  } else {
    marker = main_.clipboard_copy_(true_, 0);
  }
  if (!marker.empty()) {
    lib_.state_begin_();
    lib_.clipboard_paste_(0, marker, true_);
    delete_transfer(marker);
    const std::string name = lang_text_("window.xlib.defblockname", std::to_string(lib_.blocks_count_()));
    const int32_t b = lib_.block_create_(name, cx, cy, 0);
    if (b >= 1) {
      int32_t target = 0;
      if (tree.sel_kind == library_sel_folder_ && tree.sel_id >= 1) target = tree.sel_id;
      if (tree.sel_kind == library_sel_block_ && tree.sel_id >= 1) target = lib_.blocks_group_(tree.sel_id);
      fit_tree_tables_(lib_, tree);
      if (target >= 1 && target <= lib_.libdir_count_()) {
        lib_.blocks_group_(b, target);
        tree.folder_open[size_t(target)] = true_;
      }
      tree.sel_kind = library_sel_block_;
      tree.sel_id = b;
      ref_library_(false);
      if (size_t(b) < tree.block_rects.size()) open_rename_(tree.block_rects[size_t(b)], 2, lib_.blocks_name_(b));
    }
    lib_.state_save_("");
  }
  ref_library_(true);
  if (host_.ref_view) host_.ref_view();
}

void ex_xlib_::insert_library_block_() {
  const int32_t id = tree.sel_id;
  if (!(tree.sel_kind == library_sel_block_ && id >= 1 && id <= lib_.blocks_count_())) {
    control_beep_();
    return;
  }
  // The block's members, exploded at its own coordinates on the library page, go into the
  // transfer file; the insert and the copies are removed again at once.
  lib_.select_clear_();
  const int32_t record = lib_.add_block_(id, 0, 0, 1, 1, 0, -1, 0, 1, 1);
  if (record < 1) return;
  lib_.select_record_(record, -1);
  lib_.blocks_break_();
  const std::string marker = lib_.clipboard_copy_(true_, id);
  lib_.delete_object_(0);
  lib_.select_clear_();
  if (marker.empty()) return;

  main_.state_begin_();
  main_.clipboard_paste_(0, marker, 0);
  delete_transfer(marker);
  const int32_t hidden = main_.block_create_("0", 0, 0, true_);
  main_.state_save_(lang_text_("change.trn.paste"));
  if (hidden >= 1 && host_.set_block) host_.set_block(hidden);
}
