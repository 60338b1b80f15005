// Converting an installed font into a stroke font of the drawing, and removing one.
//
// The conversion writes the face's outlines into a file of our private temporary folder and
// loads it back. Everything that can fail (the name, the file, the outlines, the load) runs
// before the undo step is opened, so a failure leaves no half-made step and no file behind.
#include <cctype>
#include <cerrno>
#include <cstdio>

#include "dialogs/text/text_dialog.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "platform/gdi/dc.h"
#include "platform/services/dialogs.h"
#include "shell/files.h"
#include "shell/language.h"

std::string font_file_title_(const std::string& face) {
  const auto first = face.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  std::string t = face.substr(first, face.find_last_not_of(' ') - first + 1);
  bool only_dots = true;
  for (char& c : t) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    c = char(std::tolower(static_cast<unsigned char>(c)));
    if (c != '.') only_dots = false;
  }
  if (only_dots) t.assign(t.size(), '_');
  return t;
}

namespace {

// Creates path empty, refusing anything already there but a plain file of ours (the folder
// is private to this process, so such a file is a leftover of an earlier conversion).
bool create_exclusive(const std::string& path) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (std::FILE* f = std::fopen(path.c_str(), "wbx")) {
      std::fclose(f);
      return true;
    }
    if (errno != EEXIST || !is_set_(file_exists_(path)) || !remove_file_(path)) return false;
  }
  return false;
}

// The font of the drawing that the file at path holds, added and active; 0 on any failure.
int32_t convert_face(zaz_class_& engine, const font_& carrier) {
  const std::string title = font_file_title_(carrier.face);
  const std::string folder = temp_folder_();
  if (title.empty() || folder.empty()) return 0;
  const std::string path = folder + title;
  if (!create_exclusive(path)) return 0;
  surface_ s(4, 4);
  dc_ dc(s);
  dc.select_font_(carrier);
  const int32_t id = engine.font_save_(path, &dc, 0) ? engine.font_add_(path) : 0;
  remove_file_(path);
  return id;
}

}  // namespace

void ex_text_::true_type__Click() {
  font_choice_ choice;
  if (!choose_font_(&window_of_(), carrier_.face, choice)) return;
  window_of_().set_cursor_(cursor_shape_::wait);
  carrier_.weight = choice.bold ? 700 : 400;
  carrier_.italic = choice.italic;
  carrier_.underline = choice.underline;
  carrier_.face = choice.face;
  if (convert_face(engine_, carrier_) >= 1) {
    engine_.state_begin_();
    engine_.state_save_(lang_text_("change.font.add"));
  }
  fill_font_list_();
  window_of_().set_cursor_(cursor_shape_::arrow);
}

void ex_text_::remove__Click() {
  const int32_t id = value_font_->ListValue(value_font_->ListIndex());
  if (engine_.font_count_() < 2 || id < 1 || id > engine_.font_count_()) {
    // The drawing keeps at least one font; removing nothing is no undo step.
    message_box_(lang_text_("message.fontisalonecantremove"), window_of_().title_(), box_ok_ + box_icon_info_,
                 &window_of_());
    return;
  }
  window_of_().set_cursor_(cursor_shape_::wait);
  engine_.state_begin_();
  engine_.font_del_(id);
  fill_font_list_();
  engine_.state_save_(lang_text_("change.font.del"));
  if (host_.ref_view) host_.ref_view();
  window_of_().set_cursor_(cursor_shape_::arrow);
}
