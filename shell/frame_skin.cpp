// The frame's view of the skin. No skin is loaded yet in this build: no glass, no shadows, and
// the sprite pieces draw nothing.
#include "shell/frame_skin.h"

#include "shell/ui_metrics.h"

flag16_ frame_skin_aero_enabled_() { return 0; }
flag16_ frame_skin_round_corners_() { return true_; }
int32_t frame_skin_shadow_colour_(bool) { return -1; }
int32_t frame_skin_caption_text_colour_(bool active) { return active ? 0 : 0x808080; }
int32_t quick_button_height_() { return ui_metrics_.quick_button_h_; }
bool frame_skin_loaded_() { return false; }
void paint_frame_edge_(surface_&, int32_t, int32_t, int32_t, int32_t, int32_t) {}
pixel_size_ frame_edge_size_(int32_t) { return {}; }
void paint_caption_bar_sprite_(surface_&, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void paint_caption_button_face_(surface_&, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void paint_caption_glyph_(surface_&, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void paint_quick_button_face_(surface_&, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void paint_quick_button_separator_(surface_&, int32_t, int32_t, int32_t, int32_t) {}
