// Skin colours on dialogs and forms, and the striped band every dialog paints along its bottom.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/core/types.h"
#include "platform/window/window.h"

// The form's background becomes back_colour (black under glass frames, which this platform
// never uses); its labels, check boxes and option buttons take both colours, its command
// buttons and frames the back colour, and the given picture boxes the back colour too. The
// program's own controls colour themselves. accent_colour is not used.
void apply_form_colors_(window_& form, int32_t back_colour, int32_t fore_colour, int32_t accent_colour,
                        const std::vector<window_*>& picture_boxes = {});
// Clears the client area to skin colour 20 and draws the band of 45-degree stripes along its
// bottom right, fading from skin colour 20 towards 24: 52 pixels deep over the last 350 with
// compact -1, else 60 over 500.
void draw_dialog_decoration_(window_& form, flag16_ compact);
