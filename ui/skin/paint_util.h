// What every skin painter shares: rounding, the interface font selected for one call, and the
// copy of one atlas rectangle onto a destination rectangle.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "ui/skin/blitters.h"
#include "ui/skin/sprites.h"

namespace paint {

// To the nearest whole number, halves to even.
inline int32_t rnd(double v) { return cint32_(v); }

// Selects the interface font (turned downwards for vertical text) for the life of the scope.
class ui_font_scope {
 public:
  ui_font_scope(dc_& dc, bool vertical = false) : dc_ref(dc) {
    old = dc.select_font_(ui_font_(vertical ? -900 : 0));
  }
  ~ui_font_scope() { dc_ref.select_font_(old); }
  ui_font_scope(const ui_font_scope&) = delete;
  ui_font_scope& operator=(const ui_font_scope&) = delete;

 private:
  dc_& dc_ref;
  font_ old;
};

// One atlas rectangle stretched onto (x, y, w, h); keyed copies leave pure red out. A part or
// destination under one pixel draws nothing.
inline void part(dc_& dc, const sprite_rect_rec_& r, int32_t x, int32_t y, int32_t w, int32_t h, bool keyed) {
  blit_sprite_rect_(r, dc, x, y, w, h, keyed);
}
// At the rectangle's own size.
inline void part_at(dc_& dc, const sprite_rect_rec_& r, int32_t x, int32_t y, bool keyed) {
  blit_sprite_rect_(r, dc, x, y, r.width, r.height, keyed);
}

// The system colour by its classic index.
uint32_t sys_colour(int32_t index);
inline constexpr int32_t menu_text = 7;
inline constexpr int32_t highlight = 13;
inline constexpr int32_t highlight_text = 14;
inline constexpr int32_t gray_text = 17;

// Text with every "~Ł" shown as "Ł"; other tildes stay.
std::string drop_tilde_before_l_stroke(std::string_view text);
// Upper case of ASCII and the Polish letters, the two languages of the interface.
std::string upper(std::string_view text);

}  // namespace paint
