// Icons of the shared icon table drawn by number: at 16, 32 or 48 pixels or at their own size,
// optionally centred on a point, normally or in the flat disabled look (the icon's shape filled
// with one colour over a one-pixel shadow).
#pragma once
#include <cstdint>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"

// x and y are the top-left corner, or the centre along an axis whose centre flag is -1; the
// corner is then floored to whole pixels. enabled -1 draws the icon as it is; any other value
// the disabled look in the tint (0 or more) or the skin's disabled-icon colours. own_size -1
// draws the small picture at the entry's stored size (its natural size when 0) at (x, y).
// Sizes other than 16, 32 and 48 and icons below 1 or past the table draw nothing.
void draw_icon_state_(dc_& dc, float x, float y, uint8_t size, int32_t icon, flag16_ centre_x, flag16_ centre_y,
                      flag16_ enabled, int32_t tint, flag16_ own_size);
// The same, for callers outside the skin painters.
void draw_table_icon_(dc_& dc, float x, float y, uint8_t size, int32_t icon, flag16_ centre_x, flag16_ centre_y,
                      flag16_ enabled, int32_t tint, flag16_ own_size);
