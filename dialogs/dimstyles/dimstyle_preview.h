// The dimension-style editor's live sample: a part outline with a rounded corner and a hole,
// dimensioned in the edited style, rebuilt from nothing in a private engine at every refresh.
#pragma once
#include <cstdint>

class zaz_class_;
class dc_;

// The sample unit for a style of the main drawing: 5 x the largest of arrow size, text height
// and text distance, each times the overall size factor, never below 0.001.
float preview_sample_unit_(const zaz_class_& main, int32_t style);
// Builds the sample drawing (eleven records) in preview for main's style and paints it into dc
// (when given) over a background of back_colour; main is only read.
void render_style_preview_(const zaz_class_& main, int32_t style, zaz_class_& preview, dc_* dc,
                           int32_t back_colour);
