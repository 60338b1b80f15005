// The state of other engine areas that drawing files, templates and undo steps carry:
// fonts, the background colour, the block library and the display switches. Every lookup
// goes through here so that each follows its owner's layout in one place.
#pragma once
#include <cstdint>
#include <string>

#include "engine/fonts/font_rec.h"
#include "engine/geometry/library_state.h"

class zaz_class_;

int32_t link_font_count_(const zaz_class_& e);
font_rec_* link_font_(zaz_class_& e, int32_t id);  // 1..count, else nullptr
void link_fonts_clear_(zaz_class_& e);
void link_font_append_(zaz_class_& e, font_rec_&& font);
int32_t link_font_active_(const zaz_class_& e);
void link_font_active_set_(zaz_class_& e, int32_t id);  // stored as given

int32_t link_backcolor_(const zaz_class_& e);
void link_backcolor_set_(zaz_class_& e, int32_t color);

library_state_& link_library_(zaz_class_& e);
const library_state_& link_library_(const zaz_class_& e);

// Attribute switches on, current hatch pattern 0, no tracking lines shown: a new drawing's display.
void link_reset_display_(zaz_class_& e);
// Moves fonts, background colour and library of a drawing that was read into `to`.
void link_take_document_(zaz_class_& to, zaz_class_& from);

// Language text of a key (the shell's lookup), and the font loader and selector.
std::string link_lang_text_(const std::string& key);
int32_t link_font_add_(zaz_class_& e, const std::string& path);
void link_font_id_(zaz_class_& e, int32_t id);
