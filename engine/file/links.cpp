// Where the file code finds the state of other areas: fonts, background colour, display
// switches, the block library and the shell's language texts.
#include "engine/file/links.h"

#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "shell/language.h"

file_state_::~file_state_() {
  for (const std::string& p : temp_files) remove_file_(p);
}

int32_t link_font_count_(const zaz_class_& e) { return e.font_count_(); }

font_rec_* link_font_(zaz_class_& e, int32_t id) {
  if (id < 1 || id > e.fonts.font_total || size_t(id) >= e.fonts.font_table.size()) return nullptr;
  return &e.fonts.font_table[size_t(id)];
}

void link_fonts_clear_(zaz_class_& e) { e.font_clear_(); }

void link_font_append_(zaz_class_& e, font_rec_&& font) {
  auto& f = e.fonts;
  if (f.font_table.empty()) f.font_table.resize(1);
  f.font_table.resize(size_t(f.font_total) + 1);
  f.font_table.push_back(std::move(font));
  f.font_total = int32_t(f.font_table.size()) - 1;
}

int32_t link_font_active_(const zaz_class_& e) { return e.fonts.active_font; }
void link_font_active_set_(zaz_class_& e, int32_t id) { e.fonts.active_font = id; }

int32_t link_backcolor_(const zaz_class_& e) { return e.selection.backcolor; }
void link_backcolor_set_(zaz_class_& e, int32_t color) { e.selection.backcolor = color; }

library_state_& link_library_(zaz_class_& e) { return e.library; }
const library_state_& link_library_(const zaz_class_& e) { return e.library; }

void link_reset_display_(zaz_class_& e) {
  e.selection.attrib_color = true_;
  e.selection.attrib_style = true_;
  e.selection.attrib_width = true_;
  e.hatch.active = 0;
  e.pick.vline_shown = e.pick.hline_shown = false_;
  e.pick.vline_x = e.pick.hline_y = -99;
}

void link_take_document_(zaz_class_& to, zaz_class_& from) {
  to.fonts.font_table = std::move(from.fonts.font_table);
  to.fonts.font_total = from.fonts.font_total;
  to.fonts.active_font = from.fonts.active_font;
  to.selection.backcolor = from.selection.backcolor;
  to.library = std::move(from.library);
}

std::string link_lang_text_(const std::string& key) { return lang_text_(key); }

int32_t link_font_add_(zaz_class_& e, const std::string& path) { return e.font_add_(path); }

void link_font_id_(zaz_class_& e, int32_t id) { e.font_id_(id); }
