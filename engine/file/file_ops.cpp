// Opening, saving, new drawings and templates, file information and the engine's file helpers.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/file/codec.h"
#include "engine/file/file_kind.h"
#include "engine/file/links.h"
#include "shell/files.h"
#include "engine/zaz_class.h"
#include "shell/colors.h"
#include "platform/core/file_io.h"

flag16_ zaz_class_::file_change_() const { return file.changed; }
std::string zaz_class_::file_name_() const { return file.file_name; }

int32_t zaz_class_::file_type_(const std::string& file_) {
  // Only regular files are looked into: a pipe or device named here must not hang or be touched.
  regular_file_reader_ in(file_);
  if (!in.is_open()) return file_type_none_;
  std::string head;
  in.read(head, 65536);
  file.last_magic = head.substr(0, 5);
  return file_kind_of_bytes_(head);
}

std::string zaz_class_::engine_temp_file_() {
  std::string path = temp_file_name_();
  if (!path.empty()) tempfile_register_(path);
  return path;
}

void zaz_class_::tempfile_register_(const std::string& path) { file.temp_files.push_back(path); }

void zaz_class_::tempfiles_kill_() {
  for (const std::string& p : file.temp_files) remove_file_(p);
  file.temp_files.clear();  // every file is gone; nothing is left to delete twice
}

std::string zaz_class_::engine_temp_folder_() const {
  std::string dir = temp_folder_();
  return dir.empty() ? "/" : dir;
}

std::string zaz_class_::file_title_(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

int32_t zaz_class_::engine_blend_color_(int32_t a, int32_t b, float t) {
  return blend_colors_(a, b, t);
}

flag16_ zaz_class_::normalize_line_ends_(const std::string& source, const std::string& target, int32_t a,
                                         int32_t b) {
  bool report = a >= 0 && a <= 100 && b >= 0 && b <= 100;
  auto data = read_file_bytes_(source);
  if (!data) return false_;
  if (data->empty()) return true_;
  if (report) {
    progress_refresh_(a);
    break_call_();
  }
  bool ok = save_file_atomic_(target, normalize_line_end_bytes_(*data));
  if (report) {
    progress_refresh_(b);
    break_call_();
  }
  return to_flag_(ok);
}

flag16_ zaz_class_::file_new_(flag16_ a, const std::string& template_) {
  new_empty_drawing_();
  link_fonts_clear_(*this);
  link_library_(*this) = library_state_{};
  link_backcolor_set_(*this, 0);
  link_reset_display_(*this);
  file.file_name.clear();
  file.changed = false_;
  file.states.clear();
  file.state_index = 0;
  file.before = undo_before_{};
  store.snapshot.clear();

  if (is_set_(a)) add_default_drawing_();
  if (!template_.empty()) {
    // A template that cannot be read leaves the built-in default drawing instead of an empty one.
    if (!is_set_(read_drawing_file_(template_)) && !is_set_(a)) add_default_drawing_();
    docinfo.title.clear();
    docinfo.description.clear();
    docinfo.author.clear();
    docinfo.password_stored.clear();
    file.file_name.clear();
    file.changed = false_;
  }
  return false_;
}

void zaz_class_::add_default_drawing_() {
  page_add_(link_lang_text_("common.page.new"), 297, 210);
  layer_add_(link_lang_text_("common.layer.new"), true_, true_, color_auto_, color_none_, 0, 0);
  dimstyle_add_(link_lang_text_("common.dims.new"));
  page_active_(1);
  view_posx_(page_width_(1) / 2);
  view_posy_(page_height_(1) / 2);
  view_zoom_(1.5f);
  std::string folder = program_folder_();
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  link_font_add_(*this, folder + "fonts/technic_normal");
  link_font_add_(*this, folder + "fonts/technic_italic");
  link_font_id_(*this, 1);
}

flag16_ zaz_class_::file_open_(const std::string& file_) {
  const int32_t kind = file_type_(file_);
  switch (kind) {
    case file_type_drawing_:
      return read_drawing_file_(file_);  // names the drawing and clears the changed flag on success
    case file_type_dxf_:
    case file_type_grafzaz_: {
      flag16_ ok = import_foreign_(kind, file_);
      if (is_set_(ok)) {
        file.file_name.clear();
        file.changed = false_;
      }
      return ok;
    }
    default:
      return false_;
  }
}

// The importers live with the exchange code; each leaves the drawing as it was when it fails.
flag16_ zaz_class_::import_foreign_(int32_t kind, const std::string& path) {
  if (kind == file_type_dxf_) return to_flag_(file_import_acdxf_(path));
  if (kind == file_type_grafzaz_) return to_flag_(import_grafzaz_(path));
  return false_;
}

// The DXF writer lives with the exchange code.
flag16_ zaz_class_::export_foreign_(const std::string& path) { return to_flag_(export_dxf_(path)); }

flag16_ zaz_class_::file_save_(const std::string& file_, int32_t cftype_, flag16_ temp_) {
  flag16_ ok = false_;
  if (cftype_ == 1) {
    ok = write_drawing_file_(file_);
    // Only a file that is really on disk names the drawing and counts as saved.
    if (is_set_(ok) && !is_set_(temp_)) {
      file.file_name = file_;
      file.changed = false_;
    }
  } else if (cftype_ == 2) {
    ok = export_foreign_(file_);
  }
  progress_refresh_(-1);
  return ok;
}

std::string zaz_class_::file_get_info_(const std::string& file_, int32_t itype_) {
  if (itype_ < 0 || itype_ > 4) return {};
  // The texts lie right after the magic; read only as far as they go.
  regular_file_reader_ in(file_);
  if (!in.is_open()) return {};
  const uint64_t size = in.size();
  std::string head;
  auto take = [&](size_t n) { in.read(head, n); };
  take(5);
  if (head != drawing_magic_v1_ && head != drawing_magic_v2_) return {};
  std::string texts[4];
  for (std::string& t : texts) {
    size_t at = head.size();
    take(4);
    if (head.size() < at + 4) return {};
    int32_t n = 0;
    std::memcpy(&n, head.data() + at, 4);
    if (n > 0) {
      if (size < head.size() || uint64_t(n) > size - head.size()) return {};
      take(size_t(n));
      if (head.size() < at + 4 + size_t(n)) return {};
    }
    byte_reader_ r(std::string_view(head).substr(at));
    get_string_(r, t);
    size_t b = t.find_first_not_of(' '), e = t.find_last_not_of(' ');
    t = b == std::string::npos ? std::string() : t.substr(b, e - b + 1);
  }
  if (itype_ == 0) return texts[0] + "|" + texts[1] + "|" + texts[2] + "|" + texts[3];
  return texts[itype_ - 1];
}
