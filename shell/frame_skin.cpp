// The frame's view of the skin: its switches and colours from the palette, its pieces from the
// sprite families through the skin's blitters.
#include "shell/frame_skin.h"

#include "platform/gdi/dc.h"
#include "platform/gdiplus/graphics.h"
#include "shell/ui_metrics.h"
#include "ui/skin/blitters.h"
#include "ui/skin/icon_painter.h"
#include "ui/skin/skin_atlas.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/sprites.h"

namespace {

bool member_ok(int32_t m, int32_t count) { return m >= 1 && m < count; }

}  // namespace

flag16_ frame_skin_aero_enabled_() { return skin_palette_.aero_enabled; }
flag16_ frame_skin_round_corners_() { return skin_palette_.round_corners; }
int32_t frame_skin_shadow_colour_(bool active) {
  return active ? skin_palette_.color_bshadow1 : skin_palette_.color_bshadow2;
}
int32_t frame_skin_caption_text_colour_(bool active) {
  return active ? skin_palette_.color_caption_text_enabled : skin_palette_.color_caption_text_disabled;
}
int32_t quick_button_height_() { return ui_metrics_.quick_button_h_; }
bool frame_skin_loaded_() { return skin_picture_loaded_(); }

void paint_frame_edge_(surface_& s, int32_t m, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!member_ok(m, 13)) return;
  dc_ dc(s);
  blit_sprite_rect_(frame_edge_sprites_[m], dc, x, y, w, h, false);
}

pixel_size_ frame_edge_size_(int32_t m) {
  if (!member_ok(m, 13)) return {};
  return {frame_edge_sprites_[m].width, frame_edge_sprites_[m].height};
}

void paint_caption_bar_sprite_(surface_& s, int32_t m, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!member_ok(m, 3)) return;
  dc_ dc(s);
  blit_bar5x3_(caption_bar_sprites_[m], dc, x, y, w, h, 100, 100, 0);
}

void paint_caption_button_face_(surface_& s, int32_t m, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!member_ok(m, 6)) return;
  dc_ dc(s);
  blit_sprite9_(caption_button_sprites_[m], dc, x, y, w, h, 0, 0);
}

void paint_caption_glyph_(surface_& s, int32_t m, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!member_ok(m, 6)) return;
  dc_ dc(s);
  blit_sprite_centered_(caption_glyph_sprites_[m], dc, x, y, w, h);
}

void paint_quick_button_face_(surface_& s, int32_t look, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!member_ok(look, 4)) return;
  dc_ dc(s);
  blit_sprite9_(quick_button_sprites_[look], dc, x, y, w, h, 0, 0);
}

void paint_quick_button_separator_(surface_& s, int32_t x, int32_t y, int32_t w, int32_t h) {
  graphics_ g(s);
  if (!g.valid_()) return;
  blit_sprite9_gdip_(menu_bar_separator_sprites_, g, x, y, w, h);
}

void paint_frame_icon_(surface_& s, int32_t icon, float cx, float cy) {
  dc_ dc(s);
  draw_table_icon_(dc, cx, cy, 16, icon, true_, true_, true_, -1, 0);
}
