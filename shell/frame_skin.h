// What the window frame takes from the loaded skin, in one place: switches, colours, the
// interface metric of the quick-access buttons, and the sprite pieces of frames and captions.
// Painters draw nothing from the atlas while no skin is loaded.
#pragma once
#include <cstdint>

#include "platform/core/types.h"
#include "platform/gdi/pixel_types.h"
#include "platform/gdi/surface.h"

flag16_ frame_skin_aero_enabled_();
flag16_ frame_skin_round_corners_();
// The shadow colour of an active or an inactive window; -1 when the skin has no shadows.
int32_t frame_skin_shadow_colour_(bool active);
// The caption text colour of an active or an inactive window.
int32_t frame_skin_caption_text_colour_(bool active);
// Height of a caption quick-access button.
int32_t quick_button_height_();
bool frame_skin_loaded_();

// Frame edge piece 1..12 stretched over a rectangle; its size in the atlas.
void paint_frame_edge_(surface_& dc, int32_t member, int32_t x, int32_t y, int32_t w, int32_t h);
pixel_size_ frame_edge_size_(int32_t member);
// The caption bar (member 1 active, 2 inactive) over a rectangle, both ends 100 pixels wide.
void paint_caption_bar_sprite_(surface_& dc, int32_t member, int32_t x, int32_t y, int32_t w, int32_t h);
// A caption button face (1 normal, 2 hover, 3 pressed, 4 close hover, 5 close pressed) and a
// glyph (1 minimize, 2 maximize, 3 restore, 4 close, 5 close lit) centred over a rectangle.
void paint_caption_button_face_(surface_& dc, int32_t member, int32_t x, int32_t y, int32_t w, int32_t h);
void paint_caption_glyph_(surface_& dc, int32_t member, int32_t x, int32_t y, int32_t w, int32_t h);
// A quick-access button face (look 1 hover, 2 pressed, 3 the third face) and the separator.
void paint_quick_button_face_(surface_& dc, int32_t look, int32_t x, int32_t y, int32_t w, int32_t h);
void paint_quick_button_separator_(surface_& dc, int32_t x, int32_t y, int32_t w, int32_t h);
// An icon-table icon at 16 x 16 centred on (cx, cy), normal look.
void paint_frame_icon_(surface_& dc, int32_t icon, float cx, float cy);
