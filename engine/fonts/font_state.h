// The drawing's stroke fonts: the font table, the active font, the conversion buffer with
// its working state, and the painter's reused glyph buffers.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/fonts/font_convert.h"
#include "engine/fonts/font_rec.h"
#include "engine/fonts/text_paint.h"

class dc_;  // the device contexts texts are painted into

struct font_state_ {
  // Fonts 1..font_total; slot 0 is unused, so font_table.size() is font_total + 1 (or 0).
  // A font id is an index into it. The drawing file restores the table by filling it here.
  std::vector<font_rec_> font_table;
  int32_t font_total = 0;
  int32_t active_font = 0;  // offered to the text tools for new texts
  font_rec_ conversion_font;  // staging buffer of font export and conversion
  outline_state_ outline;     // conversion state, rebuilt for every glyph
  std::unique_ptr<glyph_buffers_> glyph_buffers = std::make_unique<glyph_buffers_>();
};

// Font id in the table, or null outside 1..font_total.
inline const font_rec_* font_at_(const font_state_& st, int32_t id) {
  if (id < 1 || id > st.font_total || size_t(id) >= st.font_table.size()) return nullptr;
  return &st.font_table[size_t(id)];
}

// Where the default fonts lie, relative to the program's folder.
inline constexpr const char* default_font_normal_ = "fonts/technic_normal";
inline constexpr const char* default_font_italic_ = "fonts/technic_italic";
