// What the ribbon's event handlers share: the tool rows after an event, and the number part of
// the keys the main window numbers at run time (PAGE_3, UNDO.4).
#pragma once
#include <cstdint>
#include <string_view>

class MDI_;

// Rebuilds the tool panel's rows of the current tool and restores the values kept for it.
void ribbon_tool_rows_(MDI_& m);
// The whole text after its blanks are trimmed read as a number, rounded half to even into a
// 16-bit number; false for an empty, non-numeric or out-of-range text.
bool key_number_(std::string_view text, int16_t& n);
