// Where the file code finds state owned by other areas. Fonts, the background colour and the
// block library live in stand-ins here until their owners' state is part of the engine.
#include "engine/file/links.h"

#include "engine/file/temp_names.h"
#include "engine/zaz_class.h"

file_state_::~file_state_() {
  for (const std::string& p : temp_files) engine_temp_remove_(p);
}

int32_t link_font_count_(const zaz_class_& e) { return int32_t(e.file.links.fonts.size()) - 1; }

font_rec_* link_font_(zaz_class_& e, int32_t id) {
  if (id < 1 || id > link_font_count_(e)) return nullptr;
  return &e.file.links.fonts[size_t(id)];
}

void link_fonts_clear_(zaz_class_& e) {
  e.file.links.fonts.resize(1);
  e.file.links.font_active = 0;
}

void link_font_append_(zaz_class_& e, font_rec_&& font) { e.file.links.fonts.push_back(std::move(font)); }

int32_t link_font_active_(const zaz_class_& e) { return e.file.links.font_active; }
void link_font_active_set_(zaz_class_& e, int32_t id) { e.file.links.font_active = id; }

int32_t link_backcolor_(const zaz_class_& e) { return e.file.links.backcolor; }
void link_backcolor_set_(zaz_class_& e, int32_t color) { e.file.links.backcolor = color; }

library_state_& link_library_(zaz_class_& e) { return e.file.links.library; }
const library_state_& link_library_(const zaz_class_& e) { return e.file.links.library; }

void link_reset_display_(zaz_class_& e) {}

void link_take_document_(zaz_class_& to, zaz_class_& from) {
  to.file.links.fonts = std::move(from.file.links.fonts);
  to.file.links.font_active = from.file.links.font_active;
  to.file.links.backcolor = from.file.links.backcolor;
  to.file.links.library = std::move(from.file.links.library);
}

std::string link_lang_text_(const std::string& key) { return "%" + key; }

int32_t link_font_add_(zaz_class_& e, const std::string& path) { return 0; }

void link_font_id_(zaz_class_& e, int32_t id) {
  if (id >= 1 && id <= link_font_count_(e)) e.file.links.font_active = id;
}
